# Installation and the Debian package. The program lives in a folder of its
# own (lib/tambrel) beside its help page; a launcher goes on the PATH, and
# the desktop entry and icons into the usual places.
include(GNUInstallDirs)

set(TAMBREL_PROGRAM_DIR lib/tambrel)

if(TARGET tambrel)
  install(TARGETS tambrel RUNTIME DESTINATION ${TAMBREL_PROGRAM_DIR})
endif()
if(DEFINED TAMBREL_HELP_PAGE)
  install(FILES ${TAMBREL_HELP_PAGE} DESTINATION ${TAMBREL_PROGRAM_DIR})
endif()

install(PROGRAMS ${PROJECT_SOURCE_DIR}/resources/desktop/tambrel.sh
  DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME tambrel)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tambrel.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tambrel-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tambrel.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tambrel.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tambrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Тамбрель")
set(CPACK_PACKAGE_CONTACT "Тамбрель <support@tambrel.example>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "calculator that solves an example step by step (Russian interface)
Калькулятор, который решает арифметический пример по действиям, как ученик
в тетради, и показывает каждое действие и каждый остаток примера.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A user's copy carries no debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://tambrel.example/site/")
# The libraries the executable links (Qt, the banner's HTML renderer) come
# from dpkg-shlibdeps; what it only loads at run time is named here: the
# platform plugins, the fonts the banner and the windows are set in, and the
# desktop opener.
find_program(TAMBREL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAMBREL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core, xdg-utils")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), liblitehtml0 (>= 0.6), qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core, xdg-utils")
endif()
# Qt's own Russian texts, for the text boxes' context menus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
