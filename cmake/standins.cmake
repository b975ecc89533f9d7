# Stand-ins started beside Lumistrand.exe (included by windows.cmake): the smallest program with
# a window (an older version's window for the end-to-end tests, the working-set baseline for the
# benchmarks), and a Restart Manager that really ends processes under Wine (a test names it in
# WINEDLLOVERRIDES; Wine's own stub ends nothing).
add_executable(window_standin WIN32 ${CMAKE_SOURCE_DIR}/testing/standins/window_program_win32.cpp)
target_compile_options(window_standin PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(window_standin PRIVATE -municode -mwindows ${LUMISTRAND_STATIC_RUNTIME})

add_library(rstrtmgr_standin SHARED ${CMAKE_SOURCE_DIR}/testing/standins/restart_manager_dll_win32.cpp
  ${CMAKE_SOURCE_DIR}/testing/standins/rstrtmgr.def)
set_target_properties(rstrtmgr_standin PROPERTIES OUTPUT_NAME rstrtmgr PREFIX "" IMPORT_PREFIX ""
  IMPORT_SUFFIX ".standin-unused.a")
target_compile_options(rstrtmgr_standin PRIVATE ${LUMISTRAND_WARNINGS} -municode)
target_link_options(rstrtmgr_standin PRIVATE -shared ${LUMISTRAND_STATIC_RUNTIME} -Wl,--kill-at -Wl,--enable-stdcall-fixup)

add_dependencies(lumistrand_e2e_tests window_standin rstrtmgr_standin)
