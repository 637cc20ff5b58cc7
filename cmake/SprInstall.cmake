# Install rules: the two programs, and what a desktop needs to list, start and associate the designer.
# Every file carries the one application id, SPR_APP_ID.
include(GNUInstallDirs)

set(SPR_MIME_TYPE application/x-spr-design)
set(SPR_DATA ${PROJECT_SOURCE_DIR}/data)
set(SPR_GENERATED ${PROJECT_BINARY_DIR}/data)

install(TARGETS spr-designer sprtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${SPR_DATA}/${SPR_APP_ID}.desktop.in ${SPR_GENERATED}/${SPR_APP_ID}.desktop @ONLY)
configure_file(${SPR_DATA}/${SPR_APP_ID}.mime.xml.in ${SPR_GENERATED}/${SPR_APP_ID}.xml @ONLY)
configure_file(${SPR_DATA}/${SPR_APP_ID}.metainfo.xml.in ${SPR_GENERATED}/${SPR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${SPR_GENERATED}/${SPR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SPR_GENERATED}/${SPR_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${SPR_GENERATED}/${SPR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(SPR_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${SPR_DATA}/icons/${SPR_APP_ID}.svg DESTINATION ${SPR_ICONS}/scalable/apps)
foreach(size 48 256)
    install(FILES ${SPR_DATA}/icons/${SPR_APP_ID}-${size}.png DESTINATION ${SPR_ICONS}/${size}x${size}/apps
            RENAME ${SPR_APP_ID}.png)
endforeach()

# Man pages are installed compressed, as Debian wants them; every docs/man/*.1 there is.
find_program(GZIP_PROGRAM gzip REQUIRED)
file(GLOB SPR_MAN_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.1)
set(SPR_MAN_GZ "")
foreach(page ${SPR_MAN_PAGES})
    get_filename_component(name ${page} NAME)
    set(gz ${PROJECT_BINARY_DIR}/man/${name}.gz)
    add_custom_command(OUTPUT ${gz}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND ${GZIP_PROGRAM} -9nc ${page} > ${gz}
                       DEPENDS ${page} VERBATIM)
    list(APPEND SPR_MAN_GZ ${gz})
endforeach()
add_custom_target(man-pages ALL DEPENDS ${SPR_MAN_GZ})
install(FILES ${SPR_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence in Debian's form, where a package keeps it.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
