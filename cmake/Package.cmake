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
# The demo and training unit.
install(TARGETS ostrel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

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
    # Not built or tried here: gathers the Qt libraries and plug-ins next to the program.
    find_program(OSTREL_WINDEPLOYQT windeployqt HINTS ${_qt5Core_install_prefix}/bin)
    if(OSTREL_WINDEPLOYQT)
        set(OSTREL_EXE "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/ostrel-konfigurator.exe")
        install(CODE "execute_process(COMMAND \"${OSTREL_WINDEPLOYQT}\" --no-translations
            --no-compiler-runtime \"${OSTREL_EXE}\" COMMAND_ERROR_IS_FATAL ANY)")
    endif()
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
    set(CPACK_GENERATOR NSIS)
    set(CPACK_NSIS_DISPLAY_NAME "Konfigurator Ostrel")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/logo.ico)
    # The program keeps its database in the directory it starts in: the shortcut starts it in
    # the user's application data, never under Program Files.
    set(CPACK_NSIS_CREATE_ICONS_EXTRA "
        CreateDirectory '$LOCALAPPDATA\\\\Ostrel Konfigurator'
        SetOutPath '$LOCALAPPDATA\\\\Ostrel Konfigurator'
        CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Konfigurator Ostrel.lnk' \
            '$INSTDIR\\\\bin\\\\ostrel-konfigurator.exe'")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA
        "Delete '$SMPROGRAMS\\\\$START_MENU\\\\Konfigurator Ostrel.lnk'")
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
