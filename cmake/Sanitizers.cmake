# Reliability builds. OSTREL_SANITIZE builds everything (the program, the simulator, the host
# example and the tests) with AddressSanitizer and UBSan, so that the processes the tests spawn
# are checked too. OSTREL_FUZZ builds the fuzz targets under tests/fuzz with libFuzzer (with the
# coverage feedback in the layers they reach, tests/fuzz/CMakeLists.txt); without it, or with a
# compiler that lacks libFuzzer, they are plain replays of their seed corpora.
option(OSTREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# The sanitizer tree builds only the tests that can meet a memory, undefined-behaviour or
# lifetime fault; tests/CMakeLists.txt lists the others and says why each one is left out.
option(OSTREL_SANITIZE_SUBSET "Leave the layout-only tests out of the sanitizer tree" ON)

include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
check_cxx_source_compiles(
    "extern \"C\" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }"
    OSTREL_HAVE_LIBFUZZER)
unset(CMAKE_REQUIRED_FLAGS)

set(OSTREL_FUZZ_DEFAULT OFF)
if(OSTREL_SANITIZE AND OSTREL_HAVE_LIBFUZZER)
    set(OSTREL_FUZZ_DEFAULT ON)
endif()
option(OSTREL_FUZZ "Build the fuzz targets with libFuzzer (needs clang)" ${OSTREL_FUZZ_DEFAULT})
if(OSTREL_FUZZ AND NOT OSTREL_HAVE_LIBFUZZER)
    message(WARNING "libFuzzer is not available; the fuzz targets replay their corpora only")
    set(OSTREL_FUZZ OFF)
endif()

# Sanitized code and allocations run several times slower; so may a test.
set(OSTREL_TEST_TIMEOUT 300)
if(OSTREL_SANITIZE)
    set(OSTREL_TEST_TIMEOUT 1200)
endif()

if(OSTREL_SANITIZE)
    set(OSTREL_SANITIZER_FLAGS
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_compile_options(${OSTREL_SANITIZER_FLAGS})
    add_link_options(${OSTREL_SANITIZER_FLAGS})
    # A report needs function names, files and lines, not variables: line tables compile and
    # link in a fraction of the time and space full debug information takes.
    foreach(flags CMAKE_CXX_FLAGS_RELWITHDEBINFO CMAKE_CXX_FLAGS_DEBUG)
        string(REGEX REPLACE "(^| )-g( |$)" "\\1-gline-tables-only\\2" ${flags} "${${flags}}")
    endforeach()
endif()

# Called once every target exists.
function(ostrel_sanitizer_fixups)
    if(NOT OSTREL_SANITIZE)
        return()
    endif()
    # Tools that no test starts: the seed writer of the fuzz corpora and the host example.
    if(OSTREL_SANITIZE_SUBSET)
        foreach(target fuzz-corpus host-example)
            if(TARGET ${target})
                set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
            endif()
        endforeach()
    endif()
    # Programs that load the shared library at run time use its classes without linking it,
    # so the type information UBSan's dynamic type check refers to is never resolved at link
    # time. They are built without that one check.
    foreach(target host-example tst_hostlibrary)
        if(TARGET ${target})
            target_compile_options(${target} PRIVATE -fno-sanitize=vptr)
            target_link_options(${target} PRIVATE -fno-sanitize=vptr)
        endif()
    endforeach()
    # clang links its sanitizer runtime statically into executables only, so the shared
    # library's references into it are resolved by the program that loads it; the check that
    # the library leaves nothing undefined cannot hold in this build.
    if(TARGET ostrel-konfigurator-lib)
        get_target_property(options ostrel-konfigurator-lib LINK_OPTIONS)
        if(options)
            list(REMOVE_ITEM options "LINKER:--no-undefined")
            set_target_properties(ostrel-konfigurator-lib PROPERTIES LINK_OPTIONS "${options}")
        endif()
    endif()
endfunction()
