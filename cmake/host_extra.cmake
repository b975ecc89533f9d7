# Additions to the host build: the Windows test executables run under Wine as CTest tests,
# so one ctest run reports host and Windows results together; host benchmarks.
set(LUMISTRAND_WINDOWS_BUILD_DIR "" CACHE PATH
  "Windows build folder (configured with cmake/toolchain-mingw.cmake) whose tests ctest runs under Wine")

if(LUMISTRAND_WINDOWS_BUILD_DIR)
  get_filename_component(windows_build ${LUMISTRAND_WINDOWS_BUILD_DIR} ABSOLUTE BASE_DIR ${CMAKE_BINARY_DIR})
  # Written by the Windows build's configure step (cmake/windows.cmake).
  set(test_list ${windows_build}/windows-tests.txt)
  if(NOT EXISTS ${test_list})
    message(FATAL_ERROR "${test_list} is missing: configure the Windows build in ${windows_build} first")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${test_list})
  file(STRINGS ${test_list} windows_tests)
  foreach(line ${windows_tests})
    string(REGEX MATCH "^([^ ]+) (.+)$" matched "${line}")
    add_test(NAME ${CMAKE_MATCH_1} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh ${windows_build} ${CMAKE_MATCH_2})
    # The suites share one Wine prefix and its wineserver: never two at once.
    set_tests_properties(${CMAKE_MATCH_1} PROPERTIES RESOURCE_LOCK wine TIMEOUT 900)
  endforeach()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/bench_host.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/bench_setters.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/fuzz.cmake OPTIONAL)

add_test(NAME layers COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-layers.sh ${CMAKE_SOURCE_DIR})
