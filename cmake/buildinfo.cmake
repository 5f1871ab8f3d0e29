# Run at every build (cmake -P) to write the commit id and the build date into a header.
# configure_file rewrites the header only when its text changes, so an unchanged HEAD
# recompiles nothing. Outside a git checkout the commit id reads "unknown".
#   -DVERSION=<x.yy> -DSOURCE_DIR=<checkout> -DOUTPUT=<header> -DTEMPLATE=<buildinfo.h.in>
find_package(Git QUIET)
set(OSTREL_GIT_COMMIT "unknown")
if(GIT_FOUND)
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
# TIMESTAMP honours SOURCE_DATE_EPOCH, which keeps reproducible builds reproducible.
string(TIMESTAMP OSTREL_BUILD_DATE "%Y-%m-%d")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
