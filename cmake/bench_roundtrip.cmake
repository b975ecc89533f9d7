# The command round-trip benchmark (Windows build), run under Wine by bench/run_roundtrip_bench.sh.
# Included by windows.cmake.
# It needs nothing of the program's code: it starts Lumistrand.exe beside itself.
add_executable(command_roundtrip_bench ${CMAKE_SOURCE_DIR}/bench/command_roundtrip_win32.cpp)
target_compile_options(command_roundtrip_bench PRIVATE -Wall -Wextra -Werror -municode)
target_link_options(command_roundtrip_bench PRIVATE -municode -static -static-libgcc -static-libstdc++)
# Beside Lumistrand.exe and the simulated dxva2.dll.
set_target_properties(command_roundtrip_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(command_roundtrip_bench Lumistrand dxva2_sim)
