#pragma once

#include <QtGlobal>

// OSTREL_HOST_BUILD: this binary exports the interface (the shared library; on Windows also an
// executable built with the interface inside it, which a host loads as it would a DLL).
// OSTREL_HOST_STATIC: the interface is compiled into a binary that exports nothing (tests).
// Neither: the interface comes from the shared library (the program, a linked host).
#if defined(OSTREL_HOST_BUILD)
#define OSTREL_HOST_EXPORT Q_DECL_EXPORT
#elif defined(OSTREL_HOST_STATIC)
#define OSTREL_HOST_EXPORT
#else
#define OSTREL_HOST_EXPORT Q_DECL_IMPORT
#endif
