# The setter benchmark: a host executable over lumistrand_core and the simulator.
# Include it after the host build's targets exist, or pass it at configure time:
#   cmake -S . -B build/bench -DCMAKE_PROJECT_Lumistrand_INCLUDE=cmake/bench_setters.cmake
add_executable(setter_bench ${CMAKE_SOURCE_DIR}/bench/setter_bench.cpp)
target_link_libraries(setter_bench PRIVATE lumistrand_core)
