# Build helpers shared by every module: warnings, the portable core library
# of a module, unit tests, Wine tests, benchmarks and binary table checks.

set(VESK_ROOT ${CMAKE_SOURCE_DIR})

if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
  set(VESK_I686 ON)
else()
  set(VESK_I686 OFF)
endif()

# Windows test programs run under Wine through this wrapper, so plain ctest
# runs them. It picks up the display and prefix that testing/bench.sh set up.
if(WIN32 AND VESK_WINE_TESTS)
  set(VESK_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
  configure_file(${VESK_ROOT}/cmake/wine-run.sh.in ${VESK_WINE_RUN}
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
                 @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VESK_WINE_RUN})
endif()

# Unit tests are built by every preset (so the i686 build proves they
# compile) but registered only where they can run.
if(NOT WIN32 OR VESK_WINE_TESTS)
  set(VESK_RUN_UNIT_TESTS ON)
else()
  set(VESK_RUN_UNIT_TESTS OFF)
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(vesk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# vesk_core_library(<name> <dir>): a static library of every .cpp in <dir>.
# Sources include each other from the repository root ("plugin/core/x.h").
function(vesk_core_library name dir)
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT srcs)  # a module whose core has no sources yet
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${VESK_ROOT} ${CMAKE_BINARY_DIR}/generated)
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${VESK_ROOT} ${CMAKE_BINARY_DIR}/generated)
  vesk_warnings(${name})
endfunction()

# vesk_add_gtest(<name> SOURCES ... LIBS ...)
function(vesk_add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest_main)
  target_include_directories(${name} PRIVATE ${VESK_ROOT} ${CMAKE_BINARY_DIR}/generated)
  target_compile_definitions(${name} PRIVATE VESK_SOURCE_DIR="${VESK_ROOT}")
  vesk_warnings(${name})
  if(VESK_RUN_UNIT_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_TIMEOUT)
      set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    endif()
    if(ARG_LABELS)
      set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
  endif()
endfunction()

# vesk_add_wine_test(<name> SCRIPT <file.py> [TIMEOUT s] [RESOURCE_LOCK names...])
# A Python test that drives real Windows binaries under Wine. It reads
# VESK_BUILD (this build tree), VESK_SOURCE and VESK_WINE (the wrapper).
function(vesk_add_wine_test name)
  cmake_parse_arguments(ARG "" "SCRIPT;TIMEOUT" "RESOURCE_LOCK;DEPENDS_ON" ${ARGN})
  if(NOT (WIN32 AND VESK_WINE_TESTS))
    return()
  endif()
  add_test(NAME ${name} COMMAND /usr/bin/python3 -u ${ARG_SCRIPT})
  set(timeout 300)
  if(ARG_TIMEOUT)
    set(timeout ${ARG_TIMEOUT})
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${timeout}
    LABELS wine
    ENVIRONMENT "VESK_BUILD=${CMAKE_BINARY_DIR};VESK_SOURCE=${VESK_ROOT};VESK_WINE=${VESK_WINE_RUN};PYTHONPATH=${VESK_ROOT}/testing/pylib;ANTENNA_HOST=${ANTENNA_HOST}")
  if(ARG_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_RESOURCE_LOCK}")
  endif()
endfunction()

# vesk_add_benchmark(<name> SOURCES ... LIBS ...): native builds only;
# benchmarks print figures and are never part of the test run.
function(vesk_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${VESK_ROOT} ${CMAKE_BINARY_DIR}/generated)
  vesk_warnings(${name})
endfunction()

# vesk_check_pe_tables(<target> [EXPORTS names...] [IMPORTS dll:name ...]
#                      [ONLY_EXPORTS]): the i686 release build cannot run
# here, so its import and export tables are checked with objdump.
function(vesk_check_pe_tables target)
  cmake_parse_arguments(ARG "ONLY_EXPORTS" "" "EXPORTS;IMPORTS" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  # Every binary whose tables are checked is a deliverable, and each of
  # those carries a version resource.
  set(args --objdump ${VESK_MINGW_TRIPLE}-objdump --machine ${CMAKE_SYSTEM_PROCESSOR} --version-info)
  foreach(e ${ARG_EXPORTS})
    list(APPEND args --export ${e})
  endforeach()
  foreach(i ${ARG_IMPORTS})
    list(APPEND args --import ${i})
  endforeach()
  if(ARG_ONLY_EXPORTS)
    list(APPEND args --only-exports)
  endif()
  add_test(NAME pe_tables_${target}
           COMMAND /usr/bin/python3 ${VESK_ROOT}/testing/check_pe_tables.py ${args} $<TARGET_FILE:${target}>)
endfunction()

# vesk_version_info(<target> "<description>"): embeds a version resource
# (file and product version from the project version) in a Windows binary.
function(vesk_version_info target description)
  if(NOT WIN32)
    return()
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(VESK_RC_FILETYPE VFT_DLL)
    set(VESK_RC_FILENAME ${target}.dll)
  else()
    set(VESK_RC_FILETYPE VFT_APP)
    set(VESK_RC_FILENAME ${target}.exe)
  endif()
  set(VESK_RC_DESCRIPTION "${description}")
  set(VESK_RC_NAME ${target})
  set(rc ${CMAKE_BINARY_DIR}/generated/version/${target}.rc)
  configure_file(${VESK_ROOT}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
