# Run at every build (cmake -P) to write the commit id and the build date into a header.
# configure_file rewrites the header only when its text changes, so an unchanged HEAD
# recompiles nothing. Outside a git checkout the commit id reads "unknown".
#   -DVERSION=<x.yy> -DSOURCE_DIR=<checkout> -DOUTPUT=<header> -DTEMPLATE=<buildinfo.h.in>
find_package(Git QUIET)
set(OSTREL_GIT_COMMIT "unknown")
if(GIT_FOUND)
    # Only our own checkout counts: a source tree unpacked inside some other repository must
    # not report that repository's commit.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                    WORKING_DIRECTORY ${SOURCE_DIR}
                    OUTPUT_VARIABLE toplevel
                    RESULT_VARIABLE result
                    ERROR_QUIET
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(source_real ${SOURCE_DIR} REALPATH)
    if(result EQUAL 0)
        get_filename_component(toplevel ${toplevel} REALPATH)
    endif()
    if(result EQUAL 0 AND toplevel STREQUAL source_real)
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --verify HEAD
                        WORKING_DIRECTORY ${SOURCE_DIR}
                        OUTPUT_VARIABLE commit
                        RESULT_VARIABLE result
                        ERROR_QUIET
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(result EQUAL 0 AND commit MATCHES "^[0-9a-f]+$")
            set(OSTREL_GIT_COMMIT ${commit})
        endif()
    endif()
endif()
# TIMESTAMP honours SOURCE_DATE_EPOCH, which keeps reproducible builds reproducible.
string(TIMESTAMP OSTREL_BUILD_DATE "%Y-%m-%d")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
