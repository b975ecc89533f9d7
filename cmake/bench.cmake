# Windows benchmarks, run under Wine by bench/run_forwarding_bench.sh (included by windows.cmake).
add_executable(bench_empty WIN32 ${CMAKE_SOURCE_DIR}/bench/empty_main_win32.cpp)
target_link_options(bench_empty PRIVATE -municode -mwindows ${LUMISTRAND_STATIC_RUNTIME})

# Processes are started and awaited by the end-to-end harness, timed by bench_process_win32.cpp.
add_executable(forwarding_bench ${CMAKE_SOURCE_DIR}/bench/forwarding_bench_win32.cpp
  ${CMAKE_SOURCE_DIR}/bench/bench_process_win32.cpp ${LUMISTRAND_E2E_HARNESS})
target_include_directories(forwarding_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(forwarding_bench PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(forwarding_bench PRIVATE -municode ${LUMISTRAND_STATIC_RUNTIME})
target_link_libraries(forwarding_bench PRIVATE psapi user32 shell32)
if(TARGET Lumistrand)
  add_dependencies(forwarding_bench Lumistrand bench_empty)
endif()
