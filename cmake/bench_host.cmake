# Host benchmarks over lumistrand_core and the simulator.
add_executable(probe_bench ${CMAKE_SOURCE_DIR}/bench/probe_bench.cpp)
target_link_libraries(probe_bench PRIVATE lumistrand_core)
