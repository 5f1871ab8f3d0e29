# Install rules and packages. On Linux the program, its library and the translations go to a
# private directory (start-up loads the catalogues from the program's own directory) and a
# small launcher in bin/ starts the program in the user's data directory. On Windows
# everything sits in bin/ next to the Qt libraries that windeployqt gathers.
include(GNUInstallDirs)

file(GLOB OSTREL_INSTALLED_CATALOGUES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(OSTREL_QM_INSTALL_FILES ${OSTREL_QT_QM_FILES})
foreach(catalogue ${OSTREL_INSTALLED_CATALOGUES})
    get_filename_component(catalogue_name ${catalogue} NAME_WE)
    list(APPEND OSTREL_QM_INSTALL_FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${catalogue_name}.qm)
endforeach()

if(WIN32)
    set(OSTREL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(OSTREL_PROGRAM_DIR lib/ostrel-konfigurator)
    set_target_properties(ostrel-konfigurator PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()

install(TARGETS ostrel-konfigurator ostrel-konfigurator-lib
    RUNTIME DESTINATION ${OSTREL_PROGRAM_DIR}
    LIBRARY DESTINATION ${OSTREL_PROGRAM_DIR})
install(FILES ${OSTREL_QM_INSTALL_FILES} DESTINATION ${OSTREL_PROGRAM_DIR})
# The demo and training unit (Linux only).
if(TARGET ostrel-sim)
    install(TARGETS ostrel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
    file(RELATIVE_PATH OSTREL_LAUNCHER_TARGET ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
         ${CMAKE_INSTALL_PREFIX}/${OSTREL_PROGRAM_DIR}/ostrel-konfigurator)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/launcher.sh.in
                   ${CMAKE_BINARY_DIR}/install/ostrel-konfigurator @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/install/ostrel-konfigurator
            DESTINATION ${CMAKE_INSTALL_BINDIR})

    # The entry names the launcher by its full path, known only once the prefix is.
    set(OSTREL_DESKTOP_IN ${PROJECT_SOURCE_DIR}/resources/ostrel-konfigurator.desktop.in)
    set(OSTREL_DESKTOP ${CMAKE_BINARY_DIR}/install/ostrel-konfigurator.desktop)
    install(CODE "
        set(OSTREL_LAUNCHER
            \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/ostrel-konfigurator\")
        configure_file(\"${OSTREL_DESKTOP_IN}\" \"${OSTREL_DESKTOP}\" @ONLY)")
    install(FILES ${OSTREL_DESKTOP} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/logo.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
            RENAME ostrel-konfigurator.png)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/logo.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ostrel-konfigurator.svg)
endif()

if(WIN32)
    # windeployqt does not run on Linux for Qt 5: gather the Qt libraries, the plug-ins the
    # program loads (Qt looks for them in folders beside the program) and the MinGW runtime.
    get_target_property(OSTREL_QTCORE_DLL Qt5::Core IMPORTED_LOCATION_RELEASE)
    get_filename_component(OSTREL_QT_BIN ${OSTREL_QTCORE_DLL} DIRECTORY)
    get_filename_component(OSTREL_QT_PLUGINS ${OSTREL_QT_BIN}/../plugins ABSOLUTE)
    foreach(module Core Gui Widgets Sql SerialPort Network PrintSupport)
        install(FILES ${OSTREL_QT_BIN}/Qt5${module}.dll DESTINATION ${CMAKE_INSTALL_BINDIR})
    endforeach()
    foreach(plugin platforms/qwindows styles/qwindowsvistastyle
                   printsupport/windowsprintersupport sqldrivers/qsqlite imageformats/qjpeg
                   imageformats/qico)
        get_filename_component(plugin_dir ${plugin} DIRECTORY)
        install(FILES ${OSTREL_QT_PLUGINS}/${plugin}.dll
                DESTINATION ${CMAKE_INSTALL_BINDIR}/${plugin_dir})
    endforeach()
    # The archive's PostgreSQL driver with libpq and OpenSSL, built by scripts/windows into a
    # prefix of their own. They are also copied beside the built program, so that the build
    # folder runs (and its tests sync) as the installed program does.
    set(OSTREL_PSQL_PREFIX "${OSTREL_PSQL_PREFIX}" CACHE PATH
        "OpenSSL, libpq and the QPSQL plug-in built for MinGW-w64")
    if(OSTREL_PSQL_PREFIX)
        set(OSTREL_PSQL_DLLS ${OSTREL_PSQL_PREFIX}/bin/libpq.dll
            ${OSTREL_PSQL_PREFIX}/bin/libssl-3-x64.dll
            ${OSTREL_PSQL_PREFIX}/bin/libcrypto-3-x64.dll)
        set(OSTREL_PSQL_PLUGIN ${OSTREL_PSQL_PREFIX}/plugins/sqldrivers/qsqlpsql.dll)
        foreach(file ${OSTREL_PSQL_DLLS} ${OSTREL_PSQL_PLUGIN})
            if(NOT EXISTS ${file})
                message(FATAL_ERROR "OSTREL_PSQL_PREFIX has no ${file}")
            endif()
        endforeach()
        install(FILES ${OSTREL_PSQL_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${OSTREL_PSQL_PLUGIN} DESTINATION ${CMAKE_INSTALL_BINDIR}/sqldrivers)
        add_custom_target(psql_driver ALL
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sqldrivers
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OSTREL_PSQL_DLLS}
                    ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OSTREL_PSQL_PLUGIN}
                    ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/sqldrivers
            VERBATIM)
    endif()

    # The compiler's runtime, stripped of its debug information.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
        OUTPUT_VARIABLE OSTREL_LIBSTDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(OSTREL_GCC_RUNTIME_DIR ${OSTREL_LIBSTDCXX} DIRECTORY)
    find_file(OSTREL_WINPTHREAD libwinpthread-1.dll
        PATHS /usr/${OSTREL_MINGW_TRIPLE}/lib /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH)
    set(OSTREL_RUNTIME_DIR ${CMAKE_BINARY_DIR}/mingw-runtime)
    set(OSTREL_RUNTIME_DLLS "")
    foreach(dll ${OSTREL_GCC_RUNTIME_DIR}/libstdc++-6.dll
                ${OSTREL_GCC_RUNTIME_DIR}/libgcc_s_seh-1.dll ${OSTREL_WINPTHREAD})
        get_filename_component(dll_name ${dll} NAME)
        add_custom_command(OUTPUT ${OSTREL_RUNTIME_DIR}/${dll_name}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${OSTREL_RUNTIME_DIR}
            COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${OSTREL_RUNTIME_DIR}/${dll_name} ${dll}
            DEPENDS ${dll} VERBATIM)
        list(APPEND OSTREL_RUNTIME_DLLS ${OSTREL_RUNTIME_DIR}/${dll_name})
    endforeach()
    add_custom_target(mingw_runtime ALL DEPENDS ${OSTREL_RUNTIME_DLLS})
    install(FILES ${OSTREL_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(WIN32)
    # The licence texts: ours, and those of the libraries that ship beside the program (Qt is
    # under the LGPL 3, which builds on the GPL 3). The installer's licence page shows them all
    # in one file; the folder keeps each on its own.
    set(OSTREL_LICENCES
        "Konfigurator Ostrel" ${PROJECT_SOURCE_DIR}/resources/licences/konfigurator-ostrel.txt
        "Qt: GNU Lesser General Public License 3" /usr/share/common-licenses/LGPL-3
        "Qt: GNU General Public License 3" /usr/share/common-licenses/GPL-3)
    if(OSTREL_PSQL_PREFIX)
        list(APPEND OSTREL_LICENCES
            "OpenSSL: Apache License 2.0" ${OSTREL_PSQL_PREFIX}/licenses/OpenSSL.txt
            "libpq: PostgreSQL Licence" ${OSTREL_PSQL_PREFIX}/licenses/PostgreSQL.txt)
    endif()
    set(OSTREL_LICENCE_FILE ${CMAKE_BINARY_DIR}/install/licences.txt)
    # A byte-order mark, so that the installer reads the Polish letters as UTF-8.
    string(ASCII 239 187 191 OSTREL_LICENCE_TEXT)
    list(LENGTH OSTREL_LICENCES licence_items)
    math(EXPR licence_last "${licence_items} - 1")
    foreach(index RANGE 0 ${licence_last} 2)
        math(EXPR file_index "${index} + 1")
        list(GET OSTREL_LICENCES ${index} licence_title)
        list(GET OSTREL_LICENCES ${file_index} licence_source)
        if(NOT EXISTS ${licence_source})
            message(FATAL_ERROR "Licence text missing: ${licence_source}")
        endif()
        file(READ ${licence_source} licence_body)
        string(APPEND OSTREL_LICENCE_TEXT
            "==== ${licence_title} ====\n\n${licence_body}\n\n")
        string(REGEX REPLACE "[^A-Za-z0-9]+" "-" licence_name "${licence_title}")
        configure_file(${licence_source} ${CMAKE_BINARY_DIR}/install/licenses/${licence_name}.txt
                       COPYONLY)
    endforeach()
    file(WRITE ${OSTREL_LICENCE_FILE} "${OSTREL_LICENCE_TEXT}")
    install(DIRECTORY ${CMAKE_BINARY_DIR}/install/licenses/ DESTINATION licenses)
    set(CPACK_RESOURCE_FILE_LICENSE ${OSTREL_LICENCE_FILE})
endif()

set(CPACK_PACKAGE_NAME ostrel-konfigurator)
set(CPACK_PACKAGE_VENDOR "Ostrel")
set(CPACK_PACKAGE_CONTACT "Ostrel service <serwis@ostrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration and service tool for the Ostrel fire-protection power-supply unit")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Konfigurator Ostrel")
set(CPACK_PACKAGE_EXECUTABLES ostrel-konfigurator "Konfigurator Ostrel")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
if(WIN32)
    # The installer, and the same folder as a ZIP for machines where nothing may be installed.
    set(CPACK_GENERATOR NSIS ZIP)
    # The Start-menu entry is made below, with its working folder.
    unset(CPACK_PACKAGE_EXECUTABLES)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    # A 64-bit installer for a 64-bit program (NSIS makes 32-bit ones unless told).
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_DISPLAY_NAME "Konfigurator Ostrel")
    set(CPACK_NSIS_PACKAGE_NAME "Konfigurator Ostrel")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/logo.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/logo.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\ostrel-konfigurator.exe)
    # The program keeps its database in the directory it starts in: the shortcut starts it in
    # the user's application data, never under Program Files.
    # $LOCALAPPDATA is the installing user's (SetShellVarContext current), not the all-users
    # ProgramData that an installation for everyone would otherwise give.
    # The entry passes --user-folder: the program then finds the data folder of whoever starts
    # it, as an entry for all users must (its "Start in" is only the installing user's).
    set(CPACK_NSIS_CREATE_ICONS_EXTRA "
        SetShellVarContext current
        CreateDirectory '$LOCALAPPDATA\\\\Ostrel Konfigurator'
        SetOutPath '$LOCALAPPDATA\\\\Ostrel Konfigurator'
        StrCmp $SV_ALLUSERS 'AllUsers' 0 +2
        SetShellVarContext all
        CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Konfigurator Ostrel.lnk' \
            '$INSTDIR\\\\bin\\\\ostrel-konfigurator.exe' '--user-folder'")
    # CPack names the uninstaller's entry in English; it gets its Polish name once made.
    set(OSTREL_NSIS_UNINSTALL_LINK "Odinstaluj Konfigurator Ostrel.lnk")
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
        Delete '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\${OSTREL_NSIS_UNINSTALL_LINK}'
        Rename '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Uninstall.lnk' \
            '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\${OSTREL_NSIS_UNINSTALL_LINK}'")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA "
        Delete '$SMPROGRAMS\\\\$START_MENU\\\\Konfigurator Ostrel.lnk'
        Delete '$SMPROGRAMS\\\\$START_MENU\\\\${OSTREL_NSIS_UNINSTALL_LINK}'")
    # Files of a running program cannot be replaced or removed: an uninstall would leave half
    # the folder and no uninstaller. Windows refuses to open a running program's file for
    # writing, which tells that it runs; the user is asked to close it first.
    set(OSTREL_NSIS_RUNNING "Konfigurator Ostrel jest uruchomiony. Zamknij program i wybierz")
    string(APPEND OSTREL_NSIS_RUNNING " Ponów.$\\\\n$\\\\nKonfigurator Ostrel is running. Close it")
    string(APPEND OSTREL_NSIS_RUNNING " and choose Retry.")
    set(OSTREL_NSIS_WAIT_FOR_CLOSE "
        ostrel_running_check:
        ClearErrors
        IfFileExists '$INSTDIR\\\\bin\\\\ostrel-konfigurator.exe' 0 ostrel_not_running
        FileOpen $0 '$INSTDIR\\\\bin\\\\ostrel-konfigurator.exe' a
        IfErrors 0 ostrel_close_file
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION '${OSTREL_NSIS_RUNNING}' \
            /SD IDCANCEL IDRETRY ostrel_running_check
        Abort
        ostrel_close_file:
        FileClose $0
        ostrel_not_running:")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${OSTREL_NSIS_WAIT_FOR_CLOSE}")
    set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "${OSTREL_NSIS_WAIT_FOR_CLOSE}")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Configuration and service tool for the Ostrel fire-protection unit
 Reads, edits, stores and sends the unit's configuration; reads the event log,
 the faults and the module software versions; sets the clock, watches live
 values and runs the self-test and calibration over the unit's USB port.
 Includes ostrel-sim, a simulated unit for demonstration and training.")
    # The shared libraries come from dpkg-shlibdeps; the SQLite driver is a plug-in that Qt
    # loads at run time, which no tool can see.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite")
endif()
include(CPack)

# The install test lays the tree out from this build directory.
if(TARGET tst_install)
    target_compile_definitions(tst_install PRIVATE
        OSTREL_BUILD_DIR="${CMAKE_BINARY_DIR}" OSTREL_CMAKE_COMMAND="${CMAKE_COMMAND}")
    add_dependencies(tst_install ostrel-konfigurator ostrel-konfigurator-lib ostrel-sim)
    if(TARGET translations)
        add_dependencies(tst_install translations)
    endif()
endif()
