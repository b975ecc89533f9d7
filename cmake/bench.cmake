# Windows benchmarks' helper: the smallest program, the baseline of a process's start and exit
# (included by windows.cmake).
add_executable(bench_empty WIN32 ${CMAKE_SOURCE_DIR}/bench/empty_main_win32.cpp)
target_link_options(bench_empty PRIVATE -municode -mwindows ${LUMISTRAND_STATIC_RUNTIME})
