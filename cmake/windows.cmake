# Windows build (32-bit, mingw-w64): Lumistrand.exe, the Windows-side GoogleTest
# executables and, when their owners' files exist, the simulated dxva2.dll and the benchmarks.
# Configure with -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake; optimised (Release) unless
# -DCMAKE_BUILD_TYPE asks for another type.
enable_language(RC)

# Optimised unless another build type is asked for: the tests run the code that ships, and
# warnings that only the optimiser sees fail the build here as well.
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Debug, Release, RelWithDebInfo or MinSizeRel" FORCE)
endif()
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
# Unused functions and data are dropped and the symbols stripped from every optimised binary.
add_compile_options("$<$<NOT:$<CONFIG:Debug,RelWithDebInfo>>:-ffunction-sections;-fdata-sections>")
add_link_options("$<$<NOT:$<CONFIG:Debug,RelWithDebInfo>>:-Wl,--gc-sections;-s>")

set(LUMISTRAND_WARNINGS -Wall -Wextra -Werror)
# Without the static runtime the exe needs libstdc++-6.dll, and Wine ends it with code 53 and no message.
set(LUMISTRAND_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
# DLLs that only some work needs are not linked: platform/optional_api.h loads them on first use.
set(LUMISTRAND_WIN32_LIBS
  user32 gdi32 comdlg32 shell32 ole32 oleaut32 uuid wbemuuid dxva2 advapi32 shlwapi version urlmon wininet)

# Every exe lands in one folder, so the simulated dxva2.dll sits next to Lumistrand.exe
# and the end-to-end tests find the program beside themselves.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

lumistrand_collect(PORTABLE_SOURCES WIN32_SOURCES)
set(LUMISTRAND_ENTRY_SOURCE ${CMAKE_SOURCE_DIR}/app/winmain_win32.cpp)
list(REMOVE_ITEM WIN32_SOURCES ${LUMISTRAND_ENTRY_SOURCE})
set(LUMISTRAND_RESOURCES ${CMAKE_SOURCE_DIR}/res/lumistrand.rc)

# A static archive, not an object library: the linker takes only the members an exe
# reaches, so a test exe does not need every adapter of the program.
add_library(lumistrand_win STATIC ${PORTABLE_SOURCES} ${WIN32_SOURCES})
target_include_directories(lumistrand_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lumistrand_win PUBLIC ${LUMISTRAND_WARNINGS} -municode)
target_link_libraries(lumistrand_win PUBLIC ${LUMISTRAND_WIN32_LIBS})
target_link_options(lumistrand_win PUBLIC ${LUMISTRAND_STATIC_RUNTIME})

# windres must see the manifest and the icon next to the script.
set_source_files_properties(${LUMISTRAND_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/update_dialog.rc;${CMAKE_SOURCE_DIR}/res/lumistrand.manifest;${CMAKE_SOURCE_DIR}/res/lumistrand.ico")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res")

if(EXISTS ${LUMISTRAND_ENTRY_SOURCE})
  add_executable(Lumistrand WIN32 ${LUMISTRAND_ENTRY_SOURCE} ${LUMISTRAND_RESOURCES})
  target_link_libraries(Lumistrand PRIVATE lumistrand_win)
  target_link_options(Lumistrand PRIVATE -municode -mwindows)
else()
  message(STATUS "app/winmain_win32.cpp is missing: Lumistrand.exe is not built")
endif()

# GoogleTest from Debian's source package, built with the cross compiler.
set(LUMISTRAND_GTEST_SOURCE /usr/src/googletest/googletest)
if(NOT EXISTS ${LUMISTRAND_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources missing in ${LUMISTRAND_GTEST_SOURCE}: run scripts/setup.sh")
endif()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF)
add_subdirectory(${LUMISTRAND_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Windows-side tests: window procedures, dialogs, resources, XmlLite, GDI, files.
# They link everything except the entry point, so wWinMain must stay alone in its file.
file(GLOB LUMISTRAND_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp)
add_executable(lumistrand_win32_tests ${LUMISTRAND_WIN32_TESTS} ${LUMISTRAND_RESOURCES}
  ${CMAKE_SOURCE_DIR}/testing/program_state.cpp ${CMAKE_SOURCE_DIR}/testing/wine/reset_system_win32.cpp)
target_link_libraries(lumistrand_win32_tests PRIVATE lumistrand_win gtest_main comctl32)

# End-to-end tests: start the real Lumistrand.exe next to the simulated dxva2.dll. They see
# the program only from outside, so they link the harness and none of the program's code.
file(GLOB LUMISTRAND_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
file(GLOB LUMISTRAND_E2E_HARNESS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/testing/wine/e2e_*_win32.cpp)
add_executable(lumistrand_e2e_tests ${LUMISTRAND_E2E_TESTS} ${LUMISTRAND_E2E_HARNESS}
  ${CMAKE_SOURCE_DIR}/testing/wine/site_standin_win32.cpp)
target_include_directories(lumistrand_e2e_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(lumistrand_e2e_tests PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(lumistrand_e2e_tests PRIVATE ${LUMISTRAND_STATIC_RUNTIME})
target_link_libraries(lumistrand_e2e_tests PRIVATE gtest_main user32 shell32 ws2_32)
if(TARGET Lumistrand)
  add_dependencies(lumistrand_e2e_tests Lumistrand)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/sim_dll.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/bench.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/bench_roundtrip.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/standins.cmake)

if(TARGET dxva2_sim)
  add_dependencies(lumistrand_e2e_tests dxva2_sim)
endif()

# Every Windows test executable (a target named *_tests, whoever's file adds it), one
# "name path" line each, for the host build to register with CTest under Wine.
get_property(LUMISTRAND_TARGETS DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
set(LUMISTRAND_TEST_LIST "")
foreach(target ${LUMISTRAND_TARGETS})
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "EXECUTABLE" AND target MATCHES "_tests$")
    string(REGEX REPLACE "^lumistrand_|_tests$" "" name ${target})
    string(APPEND LUMISTRAND_TEST_LIST "${name} $<TARGET_FILE:${target}>\n")
  endif()
endforeach()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows-tests.txt CONTENT "${LUMISTRAND_TEST_LIST}")
