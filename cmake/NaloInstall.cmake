# Where an installed Nalo puts its pieces, by the GNU directory conventions, and the
# pieces built only for installing: the manual pages from their scdoc sources, the
# AppStream file with its screenshot addresses and the Debian copyright file.
include(GNUInstallDirs)
include(NaloIcons)

set(NALO_HOMEPAGE_URL "https://nalo.example.org" CACHE STRING
    "The project's home page, named in the AppStream file and the package")
set(NALO_SCREENSHOT_BASE_URL "${NALO_HOMEPAGE_URL}/screenshots" CACHE STRING
    "Where the pictures of docs/screenshots are published, for the AppStream file")

set(NALO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/nalo)
set(NALO_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
set(NALO_MAN_DIR ${CMAKE_BINARY_DIR}/man)

# Manual pages: scdoc source beside the program's code, gzipped as Debian keeps them.
# Hyphenation is off (.nh) so that an option such as --replace-with-spaces is never
# broken across lines.
find_program(SCDOC scdoc REQUIRED)
set(_man_pages)
function(nalo_man_page source)
  get_filename_component(_name ${source} NAME_WLE)
  set(_page ${NALO_MAN_DIR}/${_name}.gz)
  add_custom_command(OUTPUT ${_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NALO_MAN_DIR}
    COMMAND sh -c "\"$0\" < \"$1\" | sed -e '/^[.]TH /a .nh' | gzip -9n > \"$2\""
            ${SCDOC} ${CMAKE_SOURCE_DIR}/${source} ${_page}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    COMMENT "Building the manual page ${_name}"
    VERBATIM)
  install(FILES ${_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(_man_pages ${_man_pages} ${_page} PARENT_SCOPE)
endfunction()

nalo_man_page(src/cli/nalo-cli.1.scd)
install(TARGETS nalo-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES src/cli/nalo-cli.bash DESTINATION ${NALO_COMPLETION_DIR} RENAME nalo-cli)

if(NALO_GUI)
  set(NALO_APP_ID org.nalo.Nalo)
  nalo_man_page(src/app/nalo.1.scd)
  install(TARGETS nalo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES data/${NALO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(data/${NALO_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/data/${NALO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/data/${NALO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${NALO_ICON_SVG} DESTINATION ${_icons}/scalable/apps RENAME ${NALO_APP_ID}.svg)
  foreach(_size IN LISTS NALO_ICON_SIZES)
    install(FILES ${NALO_ICON_DIR}/nalo-${_size}.png
            DESTINATION ${_icons}/${_size}x${_size}/apps RENAME ${NALO_APP_ID}.png)
  endforeach()
endif()
add_custom_target(man_pages ALL DEPENDS ${_man_pages})

# The licence as the body of a Debian copyright paragraph: every line indented by
# one space, an empty line written as " .".
file(READ ${CMAKE_SOURCE_DIR}/LICENSE _license)
string(FIND "${_license}" "Permission is hereby granted" _body_start)
string(SUBSTRING "${_license}" ${_body_start} -1 _body)
string(STRIP "${_body}" _body)
string(REPLACE "\n\n" "\n.\n" _body "${_body}")
string(REPLACE "\n" "\n " NALO_LICENSE_BODY " ${_body}")
configure_file(data/copyright.in ${CMAKE_BINARY_DIR}/data/copyright @ONLY)

# The release history in the Debian changelog format, gzipped as the package wants it.
set(_changelog ${CMAKE_BINARY_DIR}/data/changelog.gz)
add_custom_command(OUTPUT ${_changelog}
  COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/data/changelog ${_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${_changelog})
install(FILES ${CMAKE_BINARY_DIR}/data/copyright ${_changelog} README.md DESTINATION ${NALO_DOC_DIR})
