#pragma once

// Hands the table of every module type (code, short name, class) to the configuration model's
// factory. Start-up calls it before any configuration is read; calling it again is harmless.
// An explicit call, because a self-registering object in a static library would be dropped by
// the linker when nothing else refers to it.
void registerModules();
