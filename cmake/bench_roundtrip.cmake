# The command round-trip benchmark (Windows build), run under Wine by bench/run_roundtrip_bench.sh.
# Included by windows.cmake.
# It needs nothing of the program's code: it starts Lumistrand.exe beside itself through the
# end-to-end harness and times it with bench_process_win32.cpp.
add_executable(command_roundtrip_bench ${CMAKE_SOURCE_DIR}/bench/command_roundtrip_win32.cpp
  ${CMAKE_SOURCE_DIR}/bench/bench_process_win32.cpp ${LUMISTRAND_E2E_HARNESS})
target_include_directories(command_roundtrip_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(command_roundtrip_bench PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(command_roundtrip_bench PRIVATE -municode ${LUMISTRAND_STATIC_RUNTIME})
target_link_libraries(command_roundtrip_bench PRIVATE user32 shell32)
# Beside Lumistrand.exe and the simulated dxva2.dll.
set_target_properties(command_roundtrip_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(command_roundtrip_bench Lumistrand dxva2_sim)
