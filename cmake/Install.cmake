# Installation and the Debian package: the binaries, the help pages and sound under
# share/timeward, the desktop entry, icons, AppStream file, man pages, the systemd user unit and
# the keeper's system unit.
include(GNUInstallDirs)

set(TIMEWARD_DATA_DIR ${CMAKE_INSTALL_DATADIR}/timeward)
# The program finds its help and sound relative to its own folder, so a moved prefix still works.
file(RELATIVE_PATH timeward_bin_to_data /${CMAKE_INSTALL_BINDIR} /${TIMEWARD_DATA_DIR})
target_compile_definitions(timeward_core PRIVATE TIMEWARD_DATA_FROM_BIN="${timeward_bin_to_data}")
# The sound, network and parent's page modules, found the same way.
set(TIMEWARD_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/timeward)
file(RELATIVE_PATH timeward_bin_to_modules /${CMAKE_INSTALL_BINDIR} /${TIMEWARD_MODULE_DIR})
target_compile_definitions(timeward_ui PRIVATE TIMEWARD_MODULES_FROM_BIN="${timeward_bin_to_modules}")

# The build tree mirrors the installed folder beside the executable: help/ (copied by the
# timeward target) and the sound.
add_custom_target(timeward_sound
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/data/shutdown.wav
            $<TARGET_FILE_DIR:timeward>/shutdown.wav
    VERBATIM)
add_dependencies(timeward timeward_sound)

install(TARGETS timeward twreg timeward-keeper RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS timeward_sound_module timeward_http_module timeward_web_module LIBRARY DESTINATION ${TIMEWARD_MODULE_DIR})
install(DIRECTORY help/ DESTINATION ${TIMEWARD_DATA_DIR}/help)
install(FILES data/shutdown.wav DESTINATION ${TIMEWARD_DATA_DIR})
foreach(language ${TIMEWARD_LANGUAGES})
    install(FILES ${PROJECT_BINARY_DIR}/src/translations/timeward_${language}.qm DESTINATION ${TIMEWARD_DATA_DIR}/translations)
endforeach()
install(FILES data/timeward.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/timeward.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES data/icons/timeward-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME timeward.png)
endforeach()
install(FILES data/org.timeward.timeward.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/timeward.1 data/twreg.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The unit names the binary by its full path, which is known only when installing (cpack and
# --prefix choose the prefix then). User units live below lib/ whatever the machine's library
# folder is called.
install(CODE "
    set(CMAKE_INSTALL_FULL_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/data/timeward.service.in\"
                   \"${PROJECT_BINARY_DIR}/data/timeward.service\" @ONLY)
    configure_file(\"${PROJECT_SOURCE_DIR}/data/timeward-keeper.service.in\"
                   \"${PROJECT_BINARY_DIR}/data/timeward-keeper.service\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/data/timeward.service DESTINATION lib/systemd/user)
# The keeper is a system service (off until enabled), out of reach of the account it watches.
install(FILES ${PROJECT_BINARY_DIR}/data/timeward-keeper.service DESTINATION lib/systemd/system)

# Installing into a temporary folder checks the whole list; building the package needs the
# Debian tools and takes longer, so it runs only where they exist.
add_test(NAME install COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/check-install.sh ${PROJECT_BINARY_DIR}
                              ${PROJECT_SOURCE_DIR})
find_program(TIMEWARD_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TIMEWARD_DPKG_SHLIBDEPS)
    add_test(NAME package COMMAND sh ${PROJECT_SOURCE_DIR}/tests/install/check-package.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(package PROPERTIES TIMEOUT 300 LABELS slow)
endif()

set(CPACK_PACKAGE_NAME timeward)
set(CPACK_PACKAGE_VENDOR "The TimeWard developers")
set(CPACK_PACKAGE_CONTACT "The TimeWard developers <timeward@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Time control for a shared family computer")
set(CPACK_PACKAGE_DESCRIPTION
    "TimeWard puts up its own login window, gives every user an allowance of time that renews daily, weekly or monthly, counts the logged-in user's time down and ends the session when it is spent.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY timeward)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The library scan finds the Qt and SQLite libraries; logind is reached over the system bus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "dbus")
include(CPack)
