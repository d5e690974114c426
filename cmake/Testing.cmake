# GoogleTest for both trees: Debian's libgtest natively, its sources cross-built for Windows.
if(LANXING_WINDOWS)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(LANXING_GTEST gtest_main)
else()
  find_package(GTest REQUIRED)
  set(LANXING_GTEST GTest::gtest_main)
endif()
include(GoogleTest)

# lanxing_test(name SOURCES... LIBS ... [PROPERTIES ...]): one test program whose cases CTest lists
# one by one; PROPERTIES are added to every case (an ENVIRONMENT, a RESOURCE_LOCK ...). A portable
# suite (under tests/unit) built for Windows runs in the Win32 tier, its cases named after the
# processor ("i686.*", or "x86_64.*" in the 64-bit test build).
function(lanxing_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${LANXING_GTEST})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(LANXING_WINDOWS)
    set(prefix "")
    if(CMAKE_CURRENT_SOURCE_DIR MATCHES "^${PROJECT_SOURCE_DIR}/tests/unit/")
      set(prefix "${CMAKE_SYSTEM_PROCESSOR}.")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_PREFIX "${prefix}"
      PROPERTIES FIXTURES_REQUIRED wine LABELS win32 ${T_PROPERTIES})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit ${T_PROPERTIES})
  endif()
endfunction()
