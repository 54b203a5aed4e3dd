# The Windows side: the Win32 layer, vantrix.exe, the platform tests and the end-to-end tools.
enable_language(RC)

add_library(vtx_win32 STATIC ${VTX_WIN32_SOURCES})
target_link_libraries(vtx_win32 PUBLIC vtx_core)
target_compile_definitions(vtx_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# comdlg32 is loaded at the first file or colour chooser rather than at start-up: under Wine it
# and what it pulls in add about 1 MB of private memory to every session, most of which never
# open one (bench/program_bench.sh). Its functions come from a delay-load import library.
find_program(VTX_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)
set(VTX_COMDLG32_DELAY ${CMAKE_BINARY_DIR}/libcomdlg32_delay.a)
# Made in the build folder by a relative name: dlltool names the library's symbols after it.
add_custom_command(OUTPUT ${VTX_COMDLG32_DELAY}
  COMMAND ${VTX_DLLTOOL} --input-def ${CMAKE_SOURCE_DIR}/cmake/comdlg32.def --dllname comdlg32.dll
          --output-delaylib libcomdlg32_delay.a
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/comdlg32.def VERBATIM)
add_custom_target(vtx_comdlg32_delay DEPENDS ${VTX_COMDLG32_DELAY})
add_dependencies(vtx_win32 vtx_comdlg32_delay)
target_link_libraries(vtx_win32 PUBLIC
  comctl32 shell32 shlwapi ole32 uuid advapi32 gdi32 user32 version ${VTX_COMDLG32_DELAY} delayimp msimg32
  wtsapi32)

add_executable(vantrix WIN32 src/shell/win32/main.cpp res/vantrix.rc)
target_link_libraries(vantrix PRIVATE vtx_win32)
set_target_properties(vantrix PROPERTIES OUTPUT_NAME vantrix)

# The resources take the version and names from generated/vantrix_version.h (cmake/version.cmake),
# and the manifest from a copy of res/vantrix.manifest whose own assemblyIdentity carries project()'s
# version. windres looks for the files an .rc names in its -I folders before the .rc file's own.
file(READ ${CMAKE_SOURCE_DIR}/res/vantrix.manifest VTX_MANIFEST)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/vantrix.manifest)
string(FIND "${VTX_MANIFEST}" "<assemblyIdentity" VTX_AT)
if(VTX_AT LESS 0)
  message(FATAL_ERROR "res/vantrix.manifest has no <assemblyIdentity>")
endif()
string(SUBSTRING "${VTX_MANIFEST}" 0 ${VTX_AT} VTX_BEFORE)
string(SUBSTRING "${VTX_MANIFEST}" ${VTX_AT} -1 VTX_REST)
string(FIND "${VTX_REST}" ">" VTX_END)
math(EXPR VTX_END "${VTX_END} + 1")
string(SUBSTRING "${VTX_REST}" 0 ${VTX_END} VTX_IDENTITY)
string(SUBSTRING "${VTX_REST}" ${VTX_END} -1 VTX_AFTER)
string(REGEX REPLACE " version=\"[^\"]*\"" " version=\"${VTX_VERSION}\"" VTX_IDENTITY "${VTX_IDENTITY}")
if(NOT VTX_IDENTITY MATCHES " version=\"${VTX_VERSION}\"")
  message(FATAL_ERROR "res/vantrix.manifest: the first <assemblyIdentity> needs a version=\"...\" attribute")
endif()
file(CONFIGURE OUTPUT ${VTX_GENERATED_DIR}/vantrix.manifest CONTENT "${VTX_BEFORE}${VTX_IDENTITY}${VTX_AFTER}" @ONLY)
target_include_directories(vantrix PRIVATE ${VTX_GENERATED_DIR})
set_source_files_properties(res/vantrix.rc PROPERTIES OBJECT_DEPENDS
  "${VTX_GENERATED_DIR}/vantrix_version.h;${VTX_GENERATED_DIR}/vantrix.manifest;${CMAKE_SOURCE_DIR}/res/vantrix.ico")

file(GLOB VTX_WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
if(VTX_WIN32_TESTS)
  add_executable(vtx_win32_tests ${VTX_WIN32_TESTS})
  target_link_libraries(vtx_win32_tests PRIVATE vtx_win32 vtx_test_support GTest::gtest_main)
  vtx_add_gtest(vtx_win32_tests)
endif()

# End-to-end: a driver that talks to the running program and a probe that records how it was started.
add_executable(vtx_driver tests/e2e/driver.cpp)
target_link_libraries(vtx_driver PRIVATE user32 gdi32 shell32 ole32 uuid)
add_executable(vtx_probe WIN32 tests/e2e/probe.cpp)
target_link_libraries(vtx_probe PRIVATE user32)

file(GLOB VTX_E2E_TESTS CONFIGURE_DEPENDS tests/e2e/test_*.sh)
foreach(t IN LISTS VTX_E2E_TESTS)
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME e2e.${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run_one.sh ${t}
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e.${name} PROPERTIES TIMEOUT 480 LABELS e2e RESOURCE_LOCK wine-desktop
    ENVIRONMENT "VTX_BUILD=${CMAKE_BINARY_DIR};VTX_SOURCE=${CMAKE_SOURCE_DIR}")
endforeach()

# The installed-programs scan over a generated Start menu (bench/scan_bench.sh, not run by CI).
add_executable(vtx_scan_bench bench/wine/scan_bench.cpp)
target_link_libraries(vtx_scan_bench PRIVATE vtx_win32)
target_include_directories(vtx_scan_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e)

# Start-up's load, sort and refill of a generated catalogue with the real services (not run by CI).
add_executable(vtx_load_bench bench/wine/load_bench.cpp)
target_include_directories(vtx_load_bench PRIVATE bench ${CMAKE_SOURCE_DIR}/tests/e2e)
target_link_libraries(vtx_load_bench PRIVATE vtx_win32)

# The whole program beside a bare tray program (bench/program_bench.sh, not run by CI).
add_executable(vtx_bare_tray WIN32 bench/wine/bare_tray.cpp)
target_link_libraries(vtx_bare_tray PRIVATE user32 gdi32 shell32)
add_executable(vtx_program_driver bench/wine/program_driver.cpp)
target_link_libraries(vtx_program_driver PRIVATE user32 gdi32 shell32 psapi)
target_include_directories(vtx_program_driver PRIVATE ${CMAKE_SOURCE_DIR}/tests/e2e)
