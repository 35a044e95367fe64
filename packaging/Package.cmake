# The Debian package (make package): both programs, the menu entry, the icon,
# the .sma file type, the manual pages, and the help, README and example as
# documentation. Included from the top level, where CPack must be included.
include(GNUInstallDirs)

set(SPANWISE_MAINTAINER "Spanwise developers <spanwise@example.org>"
    CACHE STRING "The package's Maintainer field and the changelog's signature")
set(SPANWISE_DEB_REVISION 1 CACHE STRING "The Debian revision of the package version")
set(SPANWISE_DEB_VERSION "${PROJECT_VERSION}-${SPANWISE_DEB_REVISION}")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS spanwise-analyse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET spanwise)
  install(TARGETS spanwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/spanwise.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/spanwise.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/spanwise-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME spanwise.xml)
endif()

# Manual pages and the changelog gzipped without a name or time stamp, so
# that the same sources give the same package.
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(gzipped)
foreach(page spanwise.1 spanwise-analyse.1 changelog)
  configure_file(packaging/${page} ${packaging_out}/${page} @ONLY)
  add_custom_command(OUTPUT ${packaging_out}/${page}.gz
                     COMMAND gzip -9 -n -c ${page} > ${page}.gz
                     DEPENDS ${packaging_out}/${page}
                     WORKING_DIRECTORY ${packaging_out})
  list(APPEND gzipped ${packaging_out}/${page}.gz)
endforeach()
add_custom_target(spanwise_package_files ALL DEPENDS ${gzipped})
configure_file(packaging/copyright ${packaging_out}/copyright @ONLY)

install(FILES ${packaging_out}/spanwise-analyse.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET spanwise)
  install(FILES ${packaging_out}/spanwise.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES README.md docs/help.md docs/input-format.md ${packaging_out}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packaging_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        RENAME changelog.Debian.gz)
# The README shows the windows from docs/.
file(GLOB doc_pictures CONFIGURE_DEPENDS docs/*.png)
install(FILES ${doc_pictures} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(FILES examples/Beam.sma DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME spanwise)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spanwise)
set(CPACK_PACKAGE_VENDOR "The Spanwise developers")
set(CPACK_PACKAGE_CONTACT "${SPANWISE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of plane continuous beams by the stiffness method")
set(CPACK_PACKAGE_DESCRIPTION
    "Spanwise analyses plane continuous beams: joints on one straight axis,
supports, materials, cross sections, members, and point, trapezoidal and
joint loads, with optional load cases and the envelopes of their
combinations. It reports the displacements, the member end forces and the
reactions, and the bending moment, shear force, rotation and deflection
along every member, with their extremes.

The package holds the desktop program spanwise, which edits the model as
text and draws the beam with its diagrams, and spanwise-analyse, which runs
the same analysis from the command line and can write the design values as
JSON.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_DEBIAN_PACKAGE_RELEASE "${SPANWISE_DEB_REVISION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SPANWISE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for the Liberation faces by name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
