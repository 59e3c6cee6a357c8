# The native instrumented builds, each flag set once: ASan+UBSan (LEXITON_SANITIZE), TSan
# (LEXITON_TSAN) and libFuzzer's coverage (LEXITON_FUZZ, with clang).
if(LEXITON_WIN32)
  return()
endif()
if(LEXITON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(LEXITON_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
if(LEXITON_FUZZ)
  # The code a fuzz target calls lives in the modules' libraries: they carry libFuzzer's
  # coverage counters too, or the fuzzer only sees its own entry function and mutates blindly.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
