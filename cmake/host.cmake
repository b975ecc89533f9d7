# Host build: portable code + fakes from testing/, GoogleTest under ASan and UBSan.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

set(LUMISTRAND_WARNINGS -Wall -Wextra -Werror)
set(LUMISTRAND_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

lumistrand_collect(PORTABLE_SOURCES WIN32_SOURCES)
file(GLOB_RECURSE FAKE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/testing/fakes/*.cpp ${CMAKE_SOURCE_DIR}/testing/sim/*.cpp)
list(APPEND FAKE_SOURCES ${CMAKE_SOURCE_DIR}/testing/program_state.cpp)
list(FILTER FAKE_SOURCES EXCLUDE REGEX "_win32\\.cpp$")

add_library(lumistrand_core STATIC ${PORTABLE_SOURCES} ${FAKE_SOURCES})
target_include_directories(lumistrand_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lumistrand_core PUBLIC ${LUMISTRAND_WARNINGS} ${LUMISTRAND_SANITIZE})
target_link_options(lumistrand_core PUBLIC ${LUMISTRAND_SANITIZE})

# One test executable per folder under tests/, so a failure names its subsystem.
file(GLOB TEST_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir ${TEST_DIRS})
  if(NOT IS_DIRECTORY ${dir})
    continue()
  endif()
  get_filename_component(name ${dir} NAME)
  if(name STREQUAL "win32" OR name STREQUAL "e2e")
    continue()
  endif()
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT test_sources)
    continue()
  endif()
  add_executable(test_${name} ${test_sources})
  target_link_libraries(test_${name} PRIVATE lumistrand_core GTest::gtest_main)
  gtest_discover_tests(test_${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60)
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/host_extra.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/host_extra.cmake)
endif()
