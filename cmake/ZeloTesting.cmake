# GoogleTest from Debian's sources, built by the same cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# zelo_add_gtest(name SOURCES ... LIBS ...): one test executable, run under Wine by CTest as one
# test. Test programs are console programs with a wide entry.
function(zelo_add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zelo_testing ${ARG_LIBS})
  add_dependencies(${name} zelo_test_helpers)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  # A working folder on the test drive: an unmapped one would reach the programs as a host path.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    WORKING_DIRECTORY ${ZELO_TESTDRIVE}/bin)
endfunction()
