# The simulated dxva2.dll: the Monitor Configuration API over the portable monitor model, so
# that Lumistrand.exe runs under Wine against configurable monitors (WINEDLLOVERRIDES=dxva2=n,
# the dll next to the exe). Included by cmake/windows.cmake.
set(LUMISTRAND_SIM_SOURCES
  ${CMAKE_SOURCE_DIR}/testing/sim/sim_model.cpp
  ${CMAKE_SOURCE_DIR}/testing/sim/sim_config.cpp
  ${CMAKE_SOURCE_DIR}/testing/sim/sim_environment.cpp
  ${CMAKE_SOURCE_DIR}/testing/sim/gpu_sim.cpp)

add_library(dxva2_sim SHARED
  ${CMAKE_SOURCE_DIR}/testing/sim/dxva2_dll_win32.cpp
  ${CMAKE_SOURCE_DIR}/testing/sim/dxva2.def
  ${CMAKE_SOURCE_DIR}/platform/clock_win32.cpp
  ${LUMISTRAND_SIM_SOURCES})
# No import library: nothing may link against the simulator instead of the system's libdxva2.a.
set_target_properties(dxva2_sim PROPERTIES OUTPUT_NAME dxva2 PREFIX "" IMPORT_PREFIX "" IMPORT_SUFFIX ".sim-unused.a")
target_include_directories(dxva2_sim PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(dxva2_sim PRIVATE ${LUMISTRAND_WARNINGS} -municode)
# --kill-at: exports without the stdcall "@n" suffix, as the real dll has them.
target_link_options(dxva2_sim PRIVATE -shared -static -static-libgcc -static-libstdc++
  -Wl,--kill-at -Wl,--enable-stdcall-fixup)
target_link_libraries(dxva2_sim PRIVATE user32)

# The DDC adapter round trip: platform/ddc_win32.cpp through the real import of dxva2.dll,
# answered by the simulator under Wine (scripts/wine-test.sh).
file(GLOB LUMISTRAND_SIM_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/platform/win32/*_test.cpp)
add_executable(dxva2_sim_tests ${LUMISTRAND_SIM_WIN32_TESTS}
  ${CMAKE_SOURCE_DIR}/platform/ddc_win32.cpp
  ${CMAKE_SOURCE_DIR}/platform/clock_win32.cpp
  ${LUMISTRAND_SIM_SOURCES})
target_include_directories(dxva2_sim_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(dxva2_sim_tests PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(dxva2_sim_tests PRIVATE ${LUMISTRAND_STATIC_RUNTIME})
target_link_libraries(dxva2_sim_tests PRIVATE gtest_main dxva2 user32)
add_dependencies(dxva2_sim_tests dxva2_sim)

# The simulated GPU vendor libraries nvapi.dll and atiadlxx.dll over the GPU model. They land in
# gpu-sim/, not in bin/: the program finds no graphics driver unless a test or scripts/run.sh
# copies them next to Lumistrand.exe (docs/simulator.md).
foreach(vendor nvapi atiadlxx)
  add_library(${vendor}_sim SHARED ${CMAKE_SOURCE_DIR}/testing/sim/${vendor}_dll_win32.cpp
    ${CMAKE_SOURCE_DIR}/testing/sim/${vendor}.def
    ${CMAKE_SOURCE_DIR}/testing/sim/gpu_dll_win32.cpp
    ${CMAKE_SOURCE_DIR}/platform/clock_win32.cpp
    ${LUMISTRAND_SIM_SOURCES})
  set_target_properties(${vendor}_sim PROPERTIES OUTPUT_NAME ${vendor} PREFIX ""
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/gpu-sim IMPORT_PREFIX "" IMPORT_SUFFIX ".sim-unused.a")
  target_include_directories(${vendor}_sim PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${vendor}_sim PRIVATE ${LUMISTRAND_WARNINGS} -municode)
  target_link_options(${vendor}_sim PRIVATE -shared -static -static-libgcc -static-libstdc++ -Wl,--kill-at)
  add_dependencies(lumistrand_e2e_tests ${vendor}_sim)
endforeach()
