# Qt's own catalogue for each language we translate into, so that standard buttons and the
# print preview speak the interface's language. Start-up loads them from the program's
# directory, like our own catalogues; the package ships these copies. Languages Qt has no
# catalogue for keep Qt's English.
get_target_property(OSTREL_QMAKE Qt5::qmake IMPORTED_LOCATION)
if(CMAKE_CROSSCOMPILING)
    # The cross Qt carries no catalogues; the build machine's Qt (the one lrelease comes from)
    # has them, and they are the same on every platform.
    get_target_property(OSTREL_LRELEASE Qt5::lrelease IMPORTED_LOCATION)
    get_filename_component(OSTREL_HOST_QT_BIN ${OSTREL_LRELEASE} DIRECTORY)
    set(OSTREL_QMAKE ${OSTREL_HOST_QT_BIN}/qmake)
endif()
execute_process(COMMAND ${OSTREL_QMAKE} -query QT_INSTALL_TRANSLATIONS
    OUTPUT_VARIABLE OSTREL_QT_TRANSLATIONS_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)

set(OSTREL_QT_QM_FILES "")
file(GLOB OSTREL_CATALOGUES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
foreach(catalogue ${OSTREL_CATALOGUES})
    file(STRINGS ${catalogue} ts_header REGEX "<TS [^>]*language=\"" LIMIT_COUNT 1)
    string(REGEX MATCH "language=\"([A-Za-z_]+)\"" ignored "${ts_header}")
    set(language "${CMAKE_MATCH_1}")
    if(NOT language)
        message(WARNING "${catalogue} names no language; Qt's own texts stay English there")
        continue()
    endif()
    string(REGEX REPLACE "_.*" "" bare_language "${language}")
    foreach(candidate qtbase_${language}.qm qtbase_${bare_language}.qm)
        if(EXISTS ${OSTREL_QT_TRANSLATIONS_DIR}/${candidate})
            set(shipped ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${candidate})
            configure_file(${OSTREL_QT_TRANSLATIONS_DIR}/${candidate} ${shipped} COPYONLY)
            list(APPEND OSTREL_QT_QM_FILES ${shipped})
            break()
        endif()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES OSTREL_QT_QM_FILES)
if(OSTREL_CATALOGUES AND NOT OSTREL_QT_QM_FILES)
    message(WARNING "No qtbase_*.qm found in '${OSTREL_QT_TRANSLATIONS_DIR}' "
                    "(Debian: qttranslations5-l10n); Qt's own texts stay English")
endif()

# The language test gathers the sources' messages as update_translations does.
# A cross build's test runs where the build machine's lupdate cannot: it skips that check.
if(TARGET tst_translation AND CMAKE_CROSSCOMPILING)
    target_compile_definitions(tst_translation PRIVATE OSTREL_LUPDATE_PATH="")
elseif(TARGET tst_translation)
    target_compile_definitions(tst_translation PRIVATE
        OSTREL_LUPDATE_PATH="$<TARGET_FILE:Qt5::lupdate>")
endif()
