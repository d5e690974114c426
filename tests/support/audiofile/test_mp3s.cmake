# audiofile_test_mp3s(target): makes the audio-file player's test mp3s with sox and lame in this
# build folder's mp3/ before `target` is built, and tells its sources where (AUDIOFILE_MP3_DIR).
function(audiofile_test_mp3s target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/mp3)
  set(script ${PROJECT_SOURCE_DIR}/tests/support/audiofile/make_mp3s.sh)
  add_custom_command(OUTPUT ${dir}/jingle.mp3 ${dir}/silence-then-noise.mp3
    COMMAND ${script} ${dir} DEPENDS ${script} COMMENT "Encoding the audio-file player's test mp3s")
  add_custom_target(${target}_mp3s DEPENDS ${dir}/jingle.mp3)
  add_dependencies(${target} ${target}_mp3s)
  target_compile_definitions(${target} PRIVATE AUDIOFILE_MP3_DIR="${dir}")
endfunction()
