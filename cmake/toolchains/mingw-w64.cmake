# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model) against a Qt built
# for MinGW. OSTREL_QT_PREFIX (cache variable or environment) names that Qt's prefix; its moc,
# uic and rcc are Linux programs and run here. lrelease comes from the Linux Qt (see the top
# CMakeLists). Tests run under Wine (wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OSTREL_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${OSTREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSTREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OSTREL_MINGW_TRIPLE}-windres)

if(NOT OSTREL_QT_PREFIX AND DEFINED ENV{OSTREL_QT_PREFIX})
    set(OSTREL_QT_PREFIX $ENV{OSTREL_QT_PREFIX})
endif()
set(OSTREL_QT_PREFIX "${OSTREL_QT_PREFIX}" CACHE PATH "Qt 5.15 built for MinGW-w64")
# try_compile projects see the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES OSTREL_QT_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${OSTREL_MINGW_TRIPLE} ${OSTREL_QT_PREFIX})
set(CMAKE_PREFIX_PATH ${OSTREL_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
