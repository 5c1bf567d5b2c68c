# Installation (cmake --install) and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(QUORVEL_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${QUORVEL_RESOURCES}/quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_RESOURCES}/quorvel-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvel.xml)
install(FILES ${QUORVEL_RESOURCES}/org.quorvel.Quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVEL_RESOURCES}/quorvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

# The PNGs are drawn from the SVG by tools/make-icons.sh and kept in the
# repository, so that building needs no SVG renderer.
set(QUORVEL_ICON_SIZES 16 24 32 48 64 128 256)
install(FILES ${QUORVEL_RESOURCES}/quorvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS QUORVEL_ICON_SIZES)
  install(FILES ${QUORVEL_RESOURCES}/icons/quorvel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quorvel.png)
endforeach()

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel authors")
set(CPACK_PACKAGE_CONTACT "The Quorvel authors <quorvel@quorvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "explore homogeneous three-dimensional strain")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvel shows how a homogeneous deformation, a 3x3 strain matrix plus a
translation, turns a unit sphere into an ellipsoid, with its axes, a light and
material points carried along. For students and teachers of structural geology.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorvel.org")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries' packages as dpkg-shlibdeps finds them from the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window and --render draw through Mesa where there is no other OpenGL
# driver; the SVG plugin draws the window's icon.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, libegl-mesa0, libqt6svg6")
include(CPack)
