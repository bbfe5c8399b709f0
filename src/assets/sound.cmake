# Sound effects and music: synthesised by tools/soundgen into "appdata/", the
# music then encoded to MP3 with lame. Both steps are deterministic and rerun
# only when the generator changes.
set(QUORBIS_SOUND_EFFECTS
  move arrive jail throw laugh upgrade trust win lost bet bankrupt winner register)
set(QUORBIS_MUSIC backmusic beginmusic)

set(_appdata "${QUORBIS_ASSET_DIR}/appdata")
set(_music_wav_dir "${CMAKE_CURRENT_BINARY_DIR}/music")

set(_effect_files)
foreach(effect IN LISTS QUORBIS_SOUND_EFFECTS)
  list(APPEND _effect_files "${_appdata}/${effect}.wav")
endforeach()
set(_music_wavs)
foreach(piece IN LISTS QUORBIS_MUSIC)
  list(APPEND _music_wavs "${_music_wav_dir}/${piece}.wav")
endforeach()

add_custom_command(
  OUTPUT ${_effect_files} ${_music_wavs}
  COMMAND quorbis-soundgen --effects "${_appdata}" --music "${_music_wav_dir}"
  DEPENDS quorbis-soundgen
  COMMENT "Synthesising sound effects and music"
  VERBATIM)

find_program(LAME_EXECUTABLE lame)
set(_music_files)
if(LAME_EXECUTABLE)
  foreach(piece IN LISTS QUORBIS_MUSIC)
    # VBR around 130 kbit/s; the LAME header carries the encoder delay and
    # padding, so the decoder trims them and the loop stays seamless.
    add_custom_command(
      OUTPUT "${_appdata}/${piece}.mp3"
      COMMAND ${LAME_EXECUTABLE} --quiet --noreplaygain -V 5 "${_music_wav_dir}/${piece}.wav"
              "${_appdata}/${piece}.mp3"
      DEPENDS "${_music_wav_dir}/${piece}.wav"
      COMMENT "Encoding ${piece}.mp3"
      VERBATIM)
    list(APPEND _music_files "${_appdata}/${piece}.mp3")
  endforeach()
else()
  message(WARNING "lame not found (scripts/install-deps.sh installs it): the game will have no music")
endif()

add_custom_target(quorbis_sounds DEPENDS ${_effect_files} ${_music_files})
add_dependencies(quorbis_assets quorbis_sounds)
