# lanxing_host_tool(var target path): sets var to the build tool that the host tree builds as
# `target` at `path` (relative to the host tree), to be named in a custom command's COMMAND, and
# var_DEPENDS to what the command's DEPENDS names for it. The host tree builds and tests such tools natively; the Windows tree runs its copy.
# In the Windows tree every build first asks the host tree to bring the tool up to date, so a lone
# Windows build never runs a tool older than its sources; the tool's file is the step's byproduct,
# and what depends on it is remade only when the host tree really relinked it.
function(lanxing_host_tool var target path)
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
