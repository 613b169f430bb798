# Installation and the Debian package: the executable, the shipped sound folder, the
# desktop entry, the metadata and the icon in the hicolor theme. An installed copy finds
# its shipped files through QUARVEX_SHARE_FROM_BIN and keeps the player's files in the
# per-user data folder.
include(GNUInstallDirs)

set(QUARVEX_INSTALL_SHARE "${CMAKE_INSTALL_DATADIR}/quarvex")
file(RELATIVE_PATH QUARVEX_SHARE_FROM_BIN "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${QUARVEX_INSTALL_SHARE}")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/shell/QtMainMod.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS "QUARVEX_SHARE_FROM_BIN=\"${QUARVEX_SHARE_FROM_BIN}\"")

set(QUARVEX_ICON_SIZES 16 24 32 48 64 128 256)
set(QUARVEX_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_executable(quarvex_make_icon ${CMAKE_SOURCE_DIR}/assets/icon/make_icon.cpp)
target_link_libraries(quarvex_make_icon PRIVATE Qt6::Gui)
set_target_properties(quarvex_make_icon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(QUARVEX_ICON_FILES ${QUARVEX_ICON_DIR}/quarvex.svg)
foreach(size ${QUARVEX_ICON_SIZES})
  list(APPEND QUARVEX_ICON_FILES ${QUARVEX_ICON_DIR}/${size}x${size}/quarvex.png)
endforeach()
add_custom_command(OUTPUT ${QUARVEX_ICON_FILES}
                   COMMAND quarvex_make_icon ${QUARVEX_ICON_DIR} ${QUARVEX_ICON_SIZES}
                   DEPENDS quarvex_make_icon
                   COMMENT "Drawing the program icon")
add_custom_target(quarvex_icons ALL DEPENDS ${QUARVEX_ICON_FILES})

install(TARGETS quarvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The data folder marks an installed copy even before the sound generator has run.
install(DIRECTORY DESTINATION ${QUARVEX_INSTALL_SHARE})
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/sound DESTINATION ${QUARVEX_INSTALL_SHARE} OPTIONAL)
install(FILES ${CMAKE_SOURCE_DIR}/assets/alsoft.conf DESTINATION ${QUARVEX_INSTALL_SHARE})
install(FILES ${QUARVEX_QM} DESTINATION ${QUARVEX_INSTALL_SHARE}/translations)
install(FILES ${CMAKE_SOURCE_DIR}/assets/quarvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/org.quarvex.Quarvex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUARVEX_ICON_DIR}/quarvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${QUARVEX_ICON_SIZES})
  install(FILES ${QUARVEX_ICON_DIR}/${size}x${size}/quarvex.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

if(QUARVEX_TESTS)
  add_test(NAME install.desktop_entry_and_metainfo_validate
           COMMAND sh -c "out=$(desktop-file-validate \"$0\") && [ -z \"$out\" ] || { echo \"$out\"; exit 1; }
                          appstreamcli validate --no-net \"$1\""
                   ${CMAKE_SOURCE_DIR}/assets/quarvex.desktop
                   ${CMAKE_SOURCE_DIR}/assets/org.quarvex.Quarvex.metainfo.xml)
  set_tests_properties(install.desktop_entry_and_metainfo_validate PROPERTIES TIMEOUT ${QUARVEX_TEST_TIMEOUT})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvex)
set(CPACK_PACKAGE_VENDOR "Quarvex")
set(CPACK_PACKAGE_CONTACT "Quarvex developers <developers@quarvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "falling-block puzzle with rare Quarvex figures")
set(CPACK_PACKAGE_DESCRIPTION "Figures of square cells fall into a board of 15 columns and 31 rows;
full rows are removed. A records table, statistics, a future window and a demo mode
stand beside the board. Russian and English interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound libraries are named even while the linker may drop them; SDL2 (loaded when a game
# pad may be plugged in), Qt's window-system plugin and the fonts the windows ask for are never
# found by the library scan.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libopenal1, libsndfile1, libsdl2-2.0-0, qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
# The WMA decoder is loaded only when a WMA track is played; without it the rest plays.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libavformat59, libavcodec59")
include(CPack)
