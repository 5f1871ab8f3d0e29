#include "modules/moduletypes.h"

#include <QtGlobal>

// Compiled into every test program, which thus starts with the module types known to the
// factory, as the program does once its main window is set up.
Q_CONSTRUCTOR_FUNCTION(registerModules)
