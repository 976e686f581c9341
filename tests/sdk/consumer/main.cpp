// Prints one density and the library's version, through nothing but the
// installed header and library.
#include "Halin.h"

#include <cstdio>

int main()
{
    std::printf("density %.3f\n", CHalin::GetDensity(35.0, 25.0, 0.0));

    // Formatting goes through CString's own code, which the client links.
    CString line;
    line.Format("version %s", static_cast<const char*>(CHalin::GetVersion()));
    std::printf("%s\n", static_cast<const char*>(line));
    return 0;
}
