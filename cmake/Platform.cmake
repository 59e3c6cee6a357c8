# How the Windows trees compile and link: the API level, narrow entry points and static runtimes.
if(NOT LEXITON_WIN32)
  return()
endif()
# Windows 7 API surface, narrow (ANSI) entry points by default, no min/max macros.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# Self-contained binaries: the C++ runtime and winpthread are linked in, so nothing but system
# DLLs has to travel with a deliverable. The C heap is msvcrt's, one per process.
add_link_options(-static -static-libgcc -static-libstdc++)
