# How the Windows trees compile and link: the API level, narrow entry points and static runtimes.
if(NOT LEXITON_WIN32)
  return()
endif()
# Windows 7 API surface, narrow (ANSI) entry points by default, no min/max macros.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Self-contained binaries: the C++ runtime and winpthread are linked in, so nothing but system
# DLLs has to travel with a deliverable. The C heap is msvcrt's, one per process.
add_link_options(-static -static-libgcc -static-libstdc++)
# The x86_64 linker can leave exception table entries for code it discarded, and one such entry
# keeps every C++ exception of the program from reaching its handler: each link is followed by
# the repair that drops them (tools/unwindcheck). The tool comes from the native tree.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  foreach(lang C CXX)
    set(CMAKE_${lang}_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/link-and-repair-unwind
        ${LEXITON_NATIVE_BIN}/lexiton-unwind-check)
  endforeach()
endif()
