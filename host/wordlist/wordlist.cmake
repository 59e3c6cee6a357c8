# The user's word list ("lexidic.db"): the store over SQLite, its exports, the search and sort of
# its window and the writer thread are portable (lexiton_wordlist, tested natively); the
# command-line exporter lexiton-wordlist is a native program; the word-list window is Win32
# (lexiton_wordlist_win, tested under wine). Included from the host's CMakeLists.txt.
if(LEXITON_WIN32)
  set(wordlist_platform wordlist/database_file_win.cpp)
else()
  set(wordlist_platform wordlist/database_file_posix.cpp)
endif()
add_library(lexiton_wordlist STATIC
  wordlist/sqlite_handles.cpp
  wordlist/word_text.cpp
  wordlist/word_list_store.cpp
  wordlist/word_list.cpp
  wordlist/word_export.cpp
  wordlist/word_selection.cpp
  wordlist/lookup_texts.cpp
  ${wordlist_platform})
target_include_directories(lexiton_wordlist PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(lexiton_wordlist PUBLIC lexiton_common lexiton::sqlite3)
if(NOT LEXITON_WIN32)
  target_link_libraries(lexiton_wordlist PUBLIC Threads::Threads)
endif()

foreach(input export lookup_texts)
  lexiton_add_fuzzer(fuzz_wordlist_${input} SOURCES fuzz/fuzz_wordlist_${input}.cpp LIBS lexiton_wordlist
    CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/wordlist_${input})
endforeach()

if(NOT LEXITON_WIN32 AND NOT LEXITON_FUZZ)
  add_executable(lexiton-wordlist tools/lexiton_wordlist.cpp)
  target_link_libraries(lexiton-wordlist PRIVATE lexiton_wordlist)
endif()

lexiton_add_test(wordlist_tests NATIVE_ONLY
  SOURCES tests/word_list_store_test.cpp tests/word_list_test.cpp tests/word_export_test.cpp
          tests/word_text_test.cpp tests/word_selection_test.cpp tests/lookup_texts_test.cpp
          tests/word_list_samples.cpp
  LIBS lexiton_wordlist lexiton_test_files lexiton::sqlite3)
if(TARGET wordlist_tests)
  # The exports are read back by Python's csv module; the exporter's own tests run the program.
  add_dependencies(wordlist_tests lexiton-wordlist)
endif()

lexiton_add_benchmark(wordlist_bench SOURCES bench/wordlist_bench.cpp tests/word_list_samples.cpp
  LIBS lexiton_wordlist lexiton_test_files)

if(LEXITON_WIN32 AND NOT LEXITON_FUZZ)
  add_library(lexiton_wordlist_win STATIC
    wordlist/win/language_texts.cpp
    wordlist/win/export_dialog.cpp
    wordlist/win/word_list_window.cpp)
  target_link_libraries(lexiton_wordlist_win PUBLIC lexiton_wordlist lexiton_common comctl32 comdlg32 user32 gdi32)

  lexiton_add_test(wordlist_window_wine_tests WINE_ONLY TIMEOUT 300
    SOURCES tests/wordlist_window_wine_test.cpp tests/word_list_samples.cpp
    LIBS lexiton_wordlist_win lexiton_test_files)
  if(TARGET wordlist_window_wine_tests)
    add_dependencies(wordlist_window_wine_tests uires1038 uires2057)
  endif()

  # The window's export, alone and in the real program, against the native command-line
  # exporter's, on the same file.
  add_test(NAME wordlist_export_e2e
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/wordlist_export_e2e.sh ${LEXITON_NATIVE_BIN} ${CMAKE_BINARY_DIR}/bin
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # It also runs the real program over the test's text window (host_wordlist_wine_tests).
  set_tests_properties(wordlist_export_e2e PROPERTIES TIMEOUT 400 RESOURCE_LOCK "lexiton_host;lexiton_x_input")
endif()
