# The libFuzzer targets of fuzz/, built with clang beside the host build (their own project,
# since the host build compiles with g++), and a short run of each registered with CTest so
# that every test run proves they still build and run. Longer runs: scripts/fuzz.sh.
find_program(LUMISTRAND_CLANGXX clang++)
if(NOT LUMISTRAND_CLANGXX)
  message(STATUS "clang++ not found: the fuzz targets are not built")
else()
  include(ExternalProject)
  set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
  ExternalProject_Add(fuzz_targets
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
    BINARY_DIR ${fuzz_build}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${LUMISTRAND_CLANGXX}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(source ${fuzz_sources})
    get_filename_component(name ${source} NAME_WE)
    add_test(NAME fuzz.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh --build-dir ${fuzz_build} --no-build --only ${name} 10)
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
  endforeach()
endif()
