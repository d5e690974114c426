# lanxing_add_subdirs(): adds every folder below the current one that has a CMakeLists.txt, so each
# area of the program keeps its build and its tests in a folder of its own.
function(lanxing_add_subdirs)
  file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(entry ${entries})
    if(IS_DIRECTORY ${entry} AND EXISTS ${entry}/CMakeLists.txt)
      add_subdirectory(${entry})
    endif()
  endforeach()
endfunction()
