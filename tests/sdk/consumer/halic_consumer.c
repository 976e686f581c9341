/* Prints one specific gravity and the library's version through nothing but the installed halic.h and
 * libhalic, compiled as C. */
#include "halic.h"

#include <stdio.h>

int main(void)
{
    printf("sg %.5f\n", halic_sg(35.0, 25.0, HALIC_SG_25_25));
    printf("version %s\n", halic_version());
    return 0;
}
