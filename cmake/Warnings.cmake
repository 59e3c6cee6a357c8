# Compiler settings shared by every target of both toolchains.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)
if(LEXITON_WIN32)
  # Windows XP-era API surface, narrow (ANSI) entry points by default, no min/max macros.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Self-contained binaries: the C++ runtime and winpthread are linked in, so nothing but
  # system DLLs has to travel with a deliverable. The C heap is msvcrt's, one per process.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  if(LEXITON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
  if(LEXITON_FUZZ)
    # The code a fuzz target calls lives in the modules' libraries: they carry libFuzzer's
    # coverage counters too, or the fuzzer only sees its own entry function and mutates blindly.
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
  if(LEXITON_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
  endif()
endif()
