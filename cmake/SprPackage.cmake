# `make package`: a Debian package of the install rules, its dependencies computed from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "spr-designer developers")
set(CPACK_PACKAGE_CONTACT "spr-designer developers <developers@sprdesigner.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "label designer for inkjet marking printers")
# Debian's extended description: lines under 80 characters, none starting with a dot.
set(CPACK_PACKAGE_DESCRIPTION
    "spr-designer composes the print message of an inkjet marking (coding)\n"
    "printer out of text, date and time stamps, counters, linear barcodes, QR\n"
    "codes and monochrome pictures, and saves it as the file the printer reads.\n"
    "The command-line tool sprtool renders, inspects, checks and re-saves\n"
    "designs without a display.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface's Chinese texts and the barcode digits need these fonts; any other CJK font also does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The changelog Debian expects beside the copyright file (changelog.gz: the version has no Debian
# revision, so this is a native package).
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
                   COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_BINARY_DIR}/packaging/changelog >
                           ${PROJECT_BINARY_DIR}/packaging/changelog.gz
                   DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
        RENAME changelog.gz)
include(CPack)
