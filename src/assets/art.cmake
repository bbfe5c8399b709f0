# The pictures of the game, drawn by tools/artgen into the build's bin/ folder
# ("maps/new york/" and "appdata/"). They are made again whenever the
# generator or the drawing code it shares with the board painter changes.
set(QUORBIS_ART_STAMP "${CMAKE_BINARY_DIR}/art.stamp")
set(QUORBIS_MAP_OUT "${QUORBIS_ASSET_DIR}/maps/new york")
set(QUORBIS_ART_OUTPUTS
  "${QUORBIS_MAP_OUT}/center.jpg" "${QUORBIS_MAP_OUT}/lt.jpg" "${QUORBIS_MAP_OUT}/rt.jpg"
  "${QUORBIS_MAP_OUT}/lb.jpg" "${QUORBIS_MAP_OUT}/rb.jpg" "${QUORBIS_MAP_OUT}/mortgage.png")
foreach(i RANGE 0 47)
  list(APPEND QUORBIS_ART_OUTPUTS "${QUORBIS_MAP_OUT}/image/${i}.jpg")
endforeach()
foreach(i RANGE 0 5)
  list(APPEND QUORBIS_ART_OUTPUTS "${QUORBIS_MAP_OUT}/token${i}.png")
endforeach()
foreach(i 0 3 4 5)
  list(APPEND QUORBIS_ART_OUTPUTS "${QUORBIS_MAP_OUT}/class${i}.png")
endforeach()
foreach(i RANGE 1 12)
  list(APPEND QUORBIS_ART_OUTPUTS "${QUORBIS_ASSET_DIR}/appdata/${i}.jpg")
endforeach()
list(APPEND QUORBIS_ART_OUTPUTS "${QUORBIS_ASSET_DIR}/appdata/cover.jpg"
  "${QUORBIS_ASSET_DIR}/appdata/backdrop.jpg" "${QUORBIS_ASSET_DIR}/appdata/credits.jpg")

add_custom_command(
  OUTPUT ${QUORBIS_ART_STAMP} ${QUORBIS_ART_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:quorbis-artgen> "${QUORBIS_ASSET_DIR}"
  COMMAND ${CMAKE_COMMAND} -E touch ${QUORBIS_ART_STAMP}
  DEPENDS quorbis-artgen
  COMMENT "Drawing the game's pictures"
  VERBATIM)
add_custom_target(quorbis_art DEPENDS ${QUORBIS_ART_STAMP})
add_dependencies(quorbis_assets quorbis_art)
