# GoogleTest from Debian's source package, built inside our tree for each target.
set(VTX_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
if(WIN32)
  # mingw's std::thread needs the posix threading model, which the toolchain selects.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
endif()
add_subdirectory(${VTX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT TARGET GTest::gtest_main)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -w)
endforeach()

include(GoogleTest)
# Each test executable is one CTest entry: discovering cases one by one under Wine
# would start Wine once per case and cost minutes.
function(vtx_add_gtest target)
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
  set_tests_properties(${target} PROPERTIES TIMEOUT 600)
endfunction()
