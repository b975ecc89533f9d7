# Windows benchmarks, run under Wine beside Lumistrand.exe and the simulated dxva2.dll by
# bench/run_roundtrip_bench.sh and bench/run_soak.sh (included by windows.cmake). They need
# nothing of the program's code: they start it through the end-to-end harness and time it with
# bench_process_win32.cpp.
function(lumistrand_wine_bench name source)
  add_executable(${name} ${source} ${CMAKE_SOURCE_DIR}/bench/bench_process_win32.cpp ${LUMISTRAND_E2E_HARNESS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${LUMISTRAND_WARNINGS} -municode)
  target_link_options(${name} PRIVATE -municode ${LUMISTRAND_STATIC_RUNTIME})
  target_link_libraries(${name} PRIVATE psapi user32 shell32)
  add_dependencies(${name} Lumistrand dxva2_sim bench_empty bench_window_lookup window_standin)
endfunction()

lumistrand_wine_bench(command_roundtrip_bench ${CMAKE_SOURCE_DIR}/bench/command_roundtrip_win32.cpp)
lumistrand_wine_bench(soak_wine_bench ${CMAKE_SOURCE_DIR}/bench/soak_win32.cpp)
lumistrand_wine_bench(vcp_explorer_bench ${CMAKE_SOURCE_DIR}/bench/vcp_explorer_win32.cpp)
