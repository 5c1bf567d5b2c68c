# Installation (cmake --install) and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

# Folders made by the install and the package are rwxr-xr-x whatever the
# user's umask, as Debian's policy wants.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(QUORVEL_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${QUORVEL_RESOURCES}/quorvel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_RESOURCES}/quorvel-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quorvel.xml)
install(FILES ${QUORVEL_RESOURCES}/org.quorvel.Quorvel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian's policy wants the manual page and the changelog gzipped at the
# highest level, without a name or time stamp so that every build gives the
# same bytes. man reads them so on any system.
find_program(QUORVEL_GZIP gzip REQUIRED)
set(quorvel_gzipped)
foreach(source IN ITEMS quorvel.1 debian/changelog)
  cmake_path(GET source FILENAME name)
  set(copy ${PROJECT_BINARY_DIR}/gzipped/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${QUORVEL_RESOURCES}/${source} ${copy}
    COMMAND ${QUORVEL_GZIP} -9nf ${copy}
    DEPENDS ${QUORVEL_RESOURCES}/${source} VERBATIM)
  list(APPEND quorvel_gzipped ${copy}.gz)
endforeach()
add_custom_target(quorvel_gzipped ALL DEPENDS ${quorvel_gzipped})
install(FILES ${PROJECT_BINARY_DIR}/gzipped/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The copyright file is Debian's machine-readable form of LICENSE; LICENSE
# stays for those who look for it by that name.
set(QUORVEL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
install(FILES ${QUORVEL_RESOURCES}/debian/copyright ${PROJECT_BINARY_DIR}/gzipped/changelog.gz
              ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${QUORVEL_DOCDIR})

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

# Systems keep caches of the MIME types and of the menu entries' types, which
# must be refreshed for a document type to be known. Packages leave that to
# the package manager (dpkg's triggers on these folders do it for the .deb,
# and cpack stages under DESTDIR); an install straight into the prefix does it
# here, where the tools exist.
install(CODE "set(quorvel_datadir \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    cmake_path(ABSOLUTE_PATH quorvel_datadir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
    find_program(QUORVEL_UPDATE_MIME update-mime-database)
    find_program(QUORVEL_UPDATE_DESKTOP update-desktop-database)
    if(QUORVEL_UPDATE_MIME)
      message(STATUS "Updating the MIME database in ${quorvel_datadir}/mime")
      execute_process(COMMAND ${QUORVEL_UPDATE_MIME} ${quorvel_datadir}/mime)
    endif()
    if(QUORVEL_UPDATE_DESKTOP)
      message(STATUS "Updating the desktop database in ${quorvel_datadir}/applications")
      execute_process(COMMAND ${QUORVEL_UPDATE_DESKTOP} -q ${quorvel_datadir}/applications)
    endif()
  endif()
]])

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
# driver; the SVG plugin draws the window's icon; Qt's own translations name
# the buttons of its dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libgl1-mesa-dri, libegl-mesa0, libqt6svg6, qt6-translations-l10n")
include(CPack)
