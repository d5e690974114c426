# lanxing_host_file(var target path): sets var to the file that the host tree makes as `target` at
# `path` (relative to the host tree): a build tool, to be named in a custom command's COMMAND, or
# what such a tool made; and var_DEPENDS to what a custom command's DEPENDS names for it. The host
# tree builds and tests its tools natively; the Windows tree uses its files.
# In the Windows tree every build first asks the host tree to bring the file up to date, so a lone
# Windows build never uses a file older than its sources; the file is the step's byproduct, and
# what depends on it is remade only when the host tree really remade it.
function(lanxing_host_file var target path)
  if(NOT LANXING_WINDOWS)
    set(${var} $<TARGET_FILE:${target}> PARENT_SCOPE)
    set(${var}_DEPENDS ${target} PARENT_SCOPE)
    return()
  endif()
  set(tool ${LANXING_HOST_BUILD}/${path})
  if(NOT TARGET host_${target})
    add_custom_target(host_${target}
      COMMAND ${CMAKE_COMMAND} --build ${LANXING_HOST_BUILD} --target ${target}
      BYPRODUCTS ${tool}
      COMMENT "Bringing the host tree's ${target} up to date"
      USES_TERMINAL VERBATIM)
  endif()
  set(${var} ${tool} PARENT_SCOPE)
  set(${var}_DEPENDS host_${target} ${tool} PARENT_SCOPE)
endfunction()
