# Windows benchmarks' baselines (included by windows.cmake): the smallest program, for the cost
# of a process's start and exit, and the smallest that looks for a window, for the cost of the
# window system that every second start loads.
add_executable(bench_empty WIN32 ${CMAKE_SOURCE_DIR}/bench/empty_main_win32.cpp)
add_executable(bench_window_lookup WIN32 ${CMAKE_SOURCE_DIR}/bench/window_lookup_main_win32.cpp)
foreach(baseline bench_empty bench_window_lookup)
  target_link_options(${baseline} PRIVATE -municode -mwindows ${LUMISTRAND_STATIC_RUNTIME})
endforeach()
