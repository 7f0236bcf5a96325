# `cmake --install build --prefix P`: the game in P/bin, its asset pack in
# P/share/vocabuloon (the game finds it from its own binary, ../share/vocabuloon),
# the desktop entry, the icon and the AppStream metainfo. `cpack -G DEB` in the
# build directory packs the same for Debian.
set(VOCABULOON_APP_ID org.brightleafworks.Vocabuloon)

# The pack and the icon are made by every build, so a build can be installed.
if(TARGET assets)
  add_custom_target(pack ALL DEPENDS assets)
endif()

install(TARGETS vocabuloon RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_BINARY_DIR}/assets/Images ${CMAKE_BINARY_DIR}/assets/Wav
        DESTINATION share/vocabuloon)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION share/icons)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VOCABULOON_APP_ID}.desktop
        DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VOCABULOON_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)

set(CPACK_PACKAGE_NAME vocabuloon)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Brightleaf Works")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "children's game teaching Spanish words")
set(CPACK_PACKAGE_DESCRIPTION "A cartoon monkey guide talks, blinks and shows the way through a \
town whose places speak their Spanish names. Children play with the mouse only.")
set(CPACK_PACKAGE_CONTACT "Brightleaf Works <vocabuloon@brightleafworks.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the binary links come from dpkg-shlibdeps; the text font is
# opened by name at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
