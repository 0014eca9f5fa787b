# The Debian package: `cmake --build out --target deb` (or `cpack -G DEB` in the build folder once
# the programs and the manual pages are built) makes tarvel-lab_<version>_<arch>.deb with both
# programs, the application files and manuals, the desktop entry, the icon, the .gtf file type, the
# brick's udev rule (the install rules of the top-level CMakeLists.txt), and what a distribution
# asks of a package: the manual pages (docs/manual), the copyright file, the changelog, the
# AppStream metadata and the command line's bash completion (below).
include(GNUInstallDirs)
set(TARVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarvel-lab)
install(FILES packaging/debian/copyright DESTINATION ${TARVEL_DOC_DIR})
set(changelog "${PROJECT_BINARY_DIR}/packaging/changelog.gz")
add_custom_command(
  OUTPUT "${changelog}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/packaging"
  COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/packaging/debian/changelog" "${PROJECT_BINARY_DIR}/packaging/changelog"
  COMMAND gzip -9nf "${PROJECT_BINARY_DIR}/packaging/changelog"
  DEPENDS "${PROJECT_SOURCE_DIR}/packaging/debian/changelog"
  COMMENT "Package changelog"
  VERBATIM)
add_custom_target(package-changelog ALL DEPENDS "${changelog}")
install(FILES "${changelog}" DESTINATION ${TARVEL_DOC_DIR})
install(FILES packaging/org.tarvel_lab.TarvelLab.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/tarvel.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME tarvel)
# Lintian's notes on tags that do not apply, each with its reason.
install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tarvel-lab)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel-lab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarvel Lab")
set(CPACK_PACKAGE_CONTACT "Equipo de Tarvel Lab <equipo@tarvel-lab.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programas de flujo para el Ladrillo, el controlador de robots escolar")
# Extended description lines stay within 80 columns (lintian).
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvel Lab es un entorno de programación por diagramas de flujo para el
Ladrillo, un pequeño controlador de robots USB que se usa en las escuelas.
Los alumnos dibujan el programa con íconos de motores, luces, sonidos,
sensores, esperas, cálculos, decisiones y subrutinas; Tarvel Lab lo traduce,
lo ensambla, lo envía al Ladrillo por USB y lo ejecuta. Un Ladrillo simulado
lo reemplaza cuando no hay robot.
.
Incluye los manuales del usuario y avanzado en castellano y en inglés, y la
línea de comandos tarvel para revisar programas desde un guion.")
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
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/debian/postinst;${PROJECT_SOURCE_DIR}/packaging/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# Packaging the two programs does not wait for every test and benchmark to be built.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)

# Builds what the package holds, then the package.
add_custom_target(deb
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Debian package"
  VERBATIM)
add_dependencies(deb package-changelog)
foreach(target tarvel tarvel-lab man-pages)
  if(TARGET ${target})
    add_dependencies(deb ${target})
  endif()
endforeach()
