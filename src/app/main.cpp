#include "host/ostrelmain.h"

// Everything lives in the shared library, which a host application can also load.
int main(int argc, char *argv[])
{
    return ostrelMain(argc, argv);
}
