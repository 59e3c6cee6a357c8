# Test helpers shared by every module.
#
#   lexiton_add_test(NAME SOURCES ... [LIBS ...] [TIMEOUT s] [WINE_ONLY] [NATIVE_ONLY] [LABELS ...])
#     A GoogleTest program. Natively it runs directly; in the mingw build ctest runs it through
#     scripts/wine-exec (the cross-compiling emulator). Tests run in the bin folder, beside the
#     DLLs and data files.
#   lexiton_add_fuzzer(NAME SOURCES ... [LIBS ...] [CORPUS dir])
#     A libFuzzer target, built only with -DLEXITON_FUZZ=ON (clang). ctest runs it once over its
#     seed corpus, so the corpus stays valid; long runs are `make fuzz`.
#   lexiton_add_benchmark(NAME SOURCES ... [LIBS ...])
#     A Google Benchmark program (native only), never run by ctest.

set(LEXITON_TEST_TIMEOUT 120 CACHE STRING "Per-test time limit in seconds")

if(LEXITON_WIN32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-exec CACHE FILEPATH "" FORCE)
endif()

function(lexiton_add_test name)
  cmake_parse_arguments(T "WINE_ONLY;NATIVE_ONLY" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_WINE_ONLY AND NOT LEXITON_WIN32)
    return()
  endif()
  if(T_NATIVE_ONLY AND LEXITON_WIN32)
    return()
  endif()
  if(LEXITON_FUZZ)
    return()  # the fuzz build only builds fuzzers
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} lexiton::gtest)
  if(NOT LEXITON_WIN32)
    target_link_libraries(${name} PRIVATE Threads::Threads)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT ${LEXITON_TEST_TIMEOUT})
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

function(lexiton_add_fuzzer name)
  if(NOT LEXITON_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(F_CORPUS)
    add_test(NAME ${name} COMMAND ${name} -runs=0 ${F_CORPUS})
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
  endif()
endfunction()

function(lexiton_add_benchmark name)
  if(LEXITON_WIN32 OR NOT LEXITON_BENCH OR LEXITON_FUZZ)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark Threads::Threads)
endfunction()

# Copies a data file into the bin folder at build time, as part of target TARGET.
function(lexiton_copy_to_bin target file)
  get_filename_component(n ${file} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/${n}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${CMAKE_BINARY_DIR}/bin/${n}
    DEPENDS ${file})
  add_custom_target(${target}_${n}_copy ALL DEPENDS ${CMAKE_BINARY_DIR}/bin/${n})
  add_dependencies(${target} ${target}_${n}_copy)
endfunction()
