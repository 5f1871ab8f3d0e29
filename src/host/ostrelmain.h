#pragma once

#include "host/ostrelexport.h"

extern "C" {
// The whole stand-alone program: start-up, main window and event loop. Returns the exit code
// (1 when the store in the working directory cannot be opened). The executable only calls this.
OSTREL_HOST_EXPORT int ostrelMain(int argc, char *argv[]);
}
