# Installation and the Debian package.
#
# Everything the program runs from lives in one private folder laid out like
# the build tree (programs, libraries beside them, plug-ins in plugins/), so
# that $ORIGIN finds the libraries and the program its plug-in the same way
# in both. Commands on the PATH are links into it.
set(VESK_INSTALL_APPDIR lib/veskpoker)
set(VESK_APP_ID example.veskgames.VeskPoker)

set_target_properties(player pokerd updater handhistory common zellik kestrin PROPERTIES
  INSTALL_RPATH "$ORIGIN;$ORIGIN/..")
install(TARGETS player pokerd updater handhistory common zellik
  RUNTIME DESTINATION ${VESK_INSTALL_APPDIR}
  LIBRARY DESTINATION ${VESK_INSTALL_APPDIR}
  NAMELINK_SKIP)
install(TARGETS kestrin LIBRARY DESTINATION ${VESK_INSTALL_APPDIR}/plugins)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/assets/desktop/veskpoker-offline DESTINATION bin)
foreach(link "veskpoker:player" "pokerd:pokerd" "veskpoker-handhistory:handhistory")
  string(REPLACE ":" ";" pair "${link}")
  list(GET pair 0 name)
  list(GET pair 1 target)
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${VESK_INSTALL_APPDIR}/${target}
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${name}\" SYMBOLIC)")
endforeach()

# Desktop integration: the menu entry, icons in the hicolor sizes, the
# software centre's description, the server as a user service.
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/${VESK_APP_ID}.desktop DESTINATION share/applications)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/icons/veskpoker-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME veskpoker.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/veskpoker.svg DESTINATION share/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/assets/desktop/${VESK_APP_ID}.metainfo.xml
  ${CMAKE_BINARY_DIR}/${VESK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${VESK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/pokerd.service DESTINATION lib/systemd/user)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/assets/LICENSES.md
  DESTINATION share/doc/veskpoker)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veskpoker)
set(CPACK_PACKAGE_VENDOR "Vesk Games")
set(CPACK_PACKAGE_CONTACT "Vesk Games <maintainers@veskgames.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Poker table client for Texas Hold'em and Omaha")
set(CPACK_PACKAGE_INSTALL_DIRECTORY veskpoker)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://veskgames.example/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Poker table client for Texas Hold'em and Omaha
 Log in to a poker game server, pick a cash game, Sit & Go or freeroll in the
 lobby, buy chips and play on a scalable table with animated cards, chips and
 sounds. Includes pokerd, a local game server with bots for offline play, and
 handhistory, which prints and replays hand records.")
# The libraries' packages found by dpkg-shlibdeps; the platform plug-ins Qt
# loads at run time are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIVATE_LIBRARIES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-wqy-microhei")
include(CPack)
