# Renders the effect images a second time into FOLDER with MAKE_EFFECTS and OPTIONS, the build's
# command line, and fails unless they equal the build's images BUILT byte for byte.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER}/work)
execute_process(COMMAND ${MAKE_EFFECTS} ${FOLDER}/effect_images.bin --work ${FOLDER}/work ${OPTIONS}
  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE errors)
if(failed)
  message(FATAL_ERROR "the second render failed (${failed}): ${errors}")
endif()
execute_process(COMMAND cmp ${BUILT} ${FOLDER}/effect_images.bin RESULT_VARIABLE differ OUTPUT_VARIABLE where ERROR_VARIABLE where)
if(differ)
  message(FATAL_ERROR "a second render differs from the build's: ${where}")
endif()
file(REMOVE_RECURSE ${FOLDER})
message(STATUS "the second render is byte-identical to the build's images")
