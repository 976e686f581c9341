// hali, the command: seawater properties and Varnok's conversion.
#include "HaliCommand.h"

#include <cstdio>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    // Batch lines are read as bytes: no end at a Ctrl+Z, and a carriage return is the reader's to drop.
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return CHaliCommand(stdin, stdout, stderr).Run(argc, argv);
}
