# What `cmake --install` puts where, and the Debian package CPack makes of it.
include(CMakePackageConfigHelpers)

set(SCANVO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Scanvo)

# Installed programs find libscanvo beside them in the prefix.
set_target_properties(Pagedemo PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

install(TARGETS scanvo EXPORT ScanvoTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
install(FILES src/public/ScanvoFactory.h src/public/ScanvoPrompter.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/scanvo COMPONENT development)
install(TARGETS Pagedemo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
# The batch cleanup tool links the layers it needs statically, and its manual page.
install(TARGETS scanvo-clean RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES src/tools/clean/scanvo-clean.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
# So is the PDF tool.
install(TARGETS scanvo-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES src/tools/pdf/scanvo-pdf.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)

# The Designer plugin goes where Qt looks for plugins of the same prefix; it finds libscanvo from there.
set(SCANVO_DESIGNER_DIR ${QT6_INSTALL_PLUGINS}/designer)
file(RELATIVE_PATH SCANVO_DESIGNER_TO_LIB /prefix/${SCANVO_DESIGNER_DIR} /prefix/${CMAKE_INSTALL_LIBDIR})
set_target_properties(scanvo_designer PROPERTIES INSTALL_RPATH "$ORIGIN/${SCANVO_DESIGNER_TO_LIB}")
install(TARGETS scanvo_designer LIBRARY DESTINATION ${SCANVO_DESIGNER_DIR} COMPONENT runtime)

# find_package(Scanvo) gives the imported target Scanvo::Scanvo.
install(EXPORT ScanvoTargets NAMESPACE Scanvo:: DESTINATION ${SCANVO_CMAKE_DIR} COMPONENT development)
configure_package_config_file(cmake/ScanvoConfig.cmake.in ${CMAKE_BINARY_DIR}/ScanvoConfig.cmake
                              INSTALL_DESTINATION ${SCANVO_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ScanvoConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ScanvoConfig.cmake ${CMAKE_BINARY_DIR}/ScanvoConfigVersion.cmake
        DESTINATION ${SCANVO_CMAKE_DIR} COMPONENT development)

# pkg-config --cflags --libs scanvo; the prefix is found from the file's own place, so the same file
# serves any installation prefix.
file(RELATIVE_PATH SCANVO_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/scanvo.pc.in ${CMAKE_BINARY_DIR}/scanvo.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/scanvo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# ./scanvo.sh package: one Debian package; its dependencies come from the libraries it links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scanvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Scanvo developers <scanvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Document-scanning and page-imaging control for Qt 6 desktops")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Data the PDF export reads at run time: English recognition and the sRGB profile of PDF/A.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tesseract-ocr-eng, icc-profiles-free | colord-data")
# Chinese recognition, SANE's backend for driverless network scanners (eSCL and WSD), Qt's own
# translations, which put the file dialogs and message boxes in the control's language, and Qt's SVG
# icon engine, without which the desktop's icon themes (drawn in SVG) give the toolbars no icons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tesseract-ocr-chi-sim, sane-airscan, qt6-translations-l10n, libqt6svg6")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
