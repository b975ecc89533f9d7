# Additions to the host build: the Windows test executables run under Wine as CTest tests,
# so one ctest run reports host and Windows results together, and host benchmarks.
set(LUMISTRAND_WINDOWS_BUILD_DIR "" CACHE PATH
  "Windows build folder (configured with cmake/toolchain-mingw.cmake) whose tests ctest runs under Wine")

if(LUMISTRAND_WINDOWS_BUILD_DIR)
  get_filename_component(windows_build ${LUMISTRAND_WINDOWS_BUILD_DIR} ABSOLUTE BASE_DIR ${CMAKE_BINARY_DIR})
  foreach(suite win32 e2e)
    add_test(NAME ${suite}
      COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh ${windows_build}
              ${windows_build}/bin/lumistrand_${suite}_tests.exe)
    # The suites share one Wine prefix and its wineserver: never run two at once.
    set_tests_properties(${suite} PROPERTIES RESOURCE_LOCK wine TIMEOUT 900)
  endforeach()
endif()

include(${CMAKE_SOURCE_DIR}/cmake/bench_host.cmake OPTIONAL)
