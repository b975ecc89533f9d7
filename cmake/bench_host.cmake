# Host benchmarks over lumistrand_core and the simulator.
add_executable(probe_bench ${CMAKE_SOURCE_DIR}/bench/probe_bench.cpp)
target_link_libraries(probe_bench PRIVATE lumistrand_core)

# The soak of the running instance's line handling (bench/run_soak.sh runs it with the corpus).
add_executable(soak_bench ${CMAKE_SOURCE_DIR}/bench/soak_host.cpp)
target_link_libraries(soak_bench PRIVATE lumistrand_core)

# The time the hooks' decisions take per event.
add_executable(hook_bench ${CMAKE_SOURCE_DIR}/bench/hook_bench.cpp)
target_link_libraries(hook_bench PRIVATE lumistrand_core)
