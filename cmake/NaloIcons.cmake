# The application icon: one SVG drawn for the project, rendered with rsvg-convert at
# build time to the PNG sizes that desktops and window titles ask for. The same PNGs
# become the window icon (a Qt resource) and the installed hicolor icons.
set(NALO_ICON_SVG ${CMAKE_SOURCE_DIR}/src/app/icons/nalo.svg)
set(NALO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(NALO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

function(nalo_render_app_icons out_var)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs)
  foreach(size IN LISTS NALO_ICON_SIZES)
    set(png ${NALO_ICON_DIR}/nalo-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${NALO_ICON_DIR}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${NALO_ICON_SVG}
      DEPENDS ${NALO_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} application icon"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()
