# The Debian package: `cpack -G DEB` in the build folder makes tarvel-lab_<version>_<arch>.deb with
# both programs, the application files, the desktop entry, the icon, the .gtf file type and the
# brick's udev rule (the install rules of the top-level CMakeLists.txt).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel-lab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvel Lab")
set(CPACK_PACKAGE_CONTACT "Equipo de Tarvel Lab <equipo@tarvel-lab.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programas de flujo para el Ladrillo, el controlador de robots escolar")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvel Lab es un entorno de programacion por diagramas de flujo para el Ladrillo, un pequeno controlador
de robots USB usado en las escuelas. Traduce el diagrama, lo ensambla, lo envia al Ladrillo por USB y
lo ejecuta; un Ladrillo simulado lo reemplaza cuando no hay robot. Incluye la linea de comandos tarvel.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarvel-lab.org/")
# The libraries the programs link (Qt with its SVG, sound and printing parts, hidapi's hidraw back
# end, the C++ runtime) come from the library scan, with their versions; the platform plugins Qt
# loads at run time cannot be seen by it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "shared-mime-info, desktop-file-utils, hicolor-icon-theme, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/debian/postinst;${PROJECT_SOURCE_DIR}/packaging/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# Packaging the two programs does not wait for every test and benchmark to be built.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
