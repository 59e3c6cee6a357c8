# The Windows side of the host: its artwork and language libraries, Lexiton.exe, the stand-in
# companions it binds until the real ones exist, the stand-ins its tests put in a library's
# place, and the tests that run the real program under wine.

# The artwork: the tray icons of the language libraries and the splash files.
lexiton_host_tool(art_tool host_art)
set(art_dir ${CMAKE_CURRENT_BINARY_DIR}/art)
set(art_files ${art_dir}/active.ico ${art_dir}/paused.ico ${art_dir}/busy.ico
              ${art_dir}/win65K.spl ${art_dir}/win256.spl)
add_custom_command(OUTPUT ${art_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${art_dir}
  COMMAND ${art_tool} ${art_dir}
  DEPENDS ${art_tool} $<TARGET_FILE:${art_tool}>
  COMMENT "Drawing the tray icons and the splash pictures")
add_custom_target(lexiton_host_art DEPENDS ${art_files})

# The splash files lie beside the program.
foreach(splash win65K.spl win256.spl)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/${splash}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${art_dir}/${splash} ${CMAKE_BINARY_DIR}/bin/${splash}
    DEPENDS ${art_dir}/${splash})
  list(APPEND splash_copies ${CMAKE_BINARY_DIR}/bin/${splash})
endforeach()
add_custom_target(lexiton_splash_files ALL DEPENDS ${splash_copies})

# The language resource libraries "uires1038.dll" (Hungarian) and "uires2057.dll" (English):
# resource-only DLLs with the host's strings, dialog templates and tray icons.
foreach(language 1038 2057)
  add_library(uires${language} SHARED res/uires${language}.rc)
  set_target_properties(uires${language} PROPERTIES LINKER_LANGUAGE C)
  # Resources only: no entry point, no runtime.
  target_link_options(uires${language} PRIVATE -nostdlib -Wl,-e,0)
  # The resource ids (lexiton/ui_resources.h) come with lexiton_common.
  target_include_directories(uires${language} PRIVATE $<TARGET_PROPERTY:lexiton_common,INTERFACE_INCLUDE_DIRECTORIES>)
  set_source_files_properties(res/uires${language}.rc PROPERTIES
    OBJECT_DEPENDS "${art_dir}/active.ico;${art_dir}/paused.ico;${art_dir}/busy.ico")
  target_compile_options(uires${language} PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${art_dir}>)
  add_dependencies(uires${language} lexiton_host_art)
endforeach()

# The tray over Windows: the icon, its menu, the dialogs and the AutoRun entry.
add_library(lexiton_host_tray STATIC
  tray/win/tray.cpp
  tray/win/about_box.cpp
  tray/win/autorun_entry.cpp
  tray/win/feedback_option_dialog.cpp
  startup/win/system_profile_functions.cpp)
target_link_libraries(lexiton_host_tray PUBLIC lexiton_host_core lexiton_common comdlg32 shell32 user32 advapi32)

add_executable(Lexiton WIN32
  startup/win/main.cpp
  startup/win/system_host_platform.cpp
  startup/win/host_windows.cpp
  startup/win/splash_window.cpp
  hover/win/hover_controller.cpp
  hover/win/lookup_threads.cpp
  hover/win/system_text_reader.cpp
  tooltip/win/tooltip_surface.cpp
  tooltip/win/display_window.cpp
  tooltip/win/system_local_dictionary.cpp
  shared_memory/win/named_mutex.cpp
  shared_memory/win/shared_memory.cpp
  shared_memory/win/event_subscriber.cpp
  res/lexiton.rc)
target_link_libraries(Lexiton PRIVATE lexiton_host_tray lexiton_host_core lexiton_common comctl32 shell32 gdi32 user32
  advapi32 msvfw32)
# The program's manifest lies beside its resource script.
target_compile_options(Lexiton PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${CMAKE_CURRENT_SOURCE_DIR}/res>)
set_source_files_properties(res/lexiton.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/lexiton.manifest)
add_dependencies(Lexiton uires1038 uires2057 lexiton_splash_files tippaint mtippaint LexitonSt LexitonClt)

# Stand-in companions. The host's tests always run with these (their log shows what the host
# called and unloaded, in order); where no real library of the name is built, Lexiton.exe
# binds a copy under the real name too.
set(standins ${CMAKE_CURRENT_SOURCE_DIR}/tests/standins)
foreach(companion ptrhook textgrab dictcore)
  set(standin_targets standin_${companion})
  if(NOT TARGET ${companion})
    list(APPEND standin_targets ${companion})
  endif()
  foreach(t ${standin_targets})
    add_library(${t} SHARED ${standins}/${companion}_standin.cpp)
    target_link_libraries(${t} PRIVATE lexiton_common)
  endforeach()
  add_dependencies(Lexiton ${companion})
endforeach()
# The speech library lies beside the program too.
if(TARGET voicer)
  add_dependencies(Lexiton voicer)
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # The hook's stdcall entry is bound by its plain name.
  target_link_options(standin_ptrhook PRIVATE -Wl,--kill-at)
endif()

# Stand-ins the tests put in a library's place.
add_library(standin_client SHARED ${standins}/client_standin.cpp)
add_library(standin_client_without_storno SHARED ${standins}/client_standin.cpp)
target_compile_definitions(standin_client_without_storno PRIVATE LEXITON_STANDIN_NO_STORNO)
add_library(standin_empty SHARED ${standins}/empty_standin.cpp)
foreach(t standin_client standin_client_without_storno)
  target_link_libraries(${t} PRIVATE lexiton_common)
endforeach()

# The real Lexiton.exe run under test (tests/host_process.h) and its tray icon as the shell
# shows it (tests/tray_icon_view.h), for the host's tests and for the installer's, which runs
# the installed program.
add_library(lexiton_host_test_process STATIC tests/host_process.cpp tests/tray_icon_view.cpp)
target_include_directories(lexiton_host_test_process PUBLIC tests)
target_link_libraries(lexiton_host_test_process PUBLIC lexiton_host_core lexiton_common advapi32 user32 gdi32)

lexiton_add_test(host_wine_tests WINE_ONLY TIMEOUT 600
  SOURCES tests/host_wine_test.cpp tests/splash_test_images.cpp
  LIBS lexiton_host_test_process lexiton::zlib)
if(TARGET host_wine_tests)
  add_dependencies(host_wine_tests Lexiton ptrhook textgrab standin_ptrhook standin_textgrab standin_dictcore standin_client standin_client_without_storno standin_empty)
  # One running host per wine session: the single-instance mutex and the shared block are
  # system-wide, and the tests point the "AppData" shell folder at a folder of their own.
  # The Hungarian messages run in host_wine_hu_tests, under the code page they need.
  set_tests_properties(host_wine_tests PROPERTIES RESOURCE_LOCK lexiton_host
    ENVIRONMENT "GTEST_FILTER=-HostProgram.Hungarian*")
endif()

# The pointer tracking and the tooltips of the real program with real pointer input (xdotool),
# the real hook, text reader and hover dictionary, over a text window of the test.
lexiton_add_test(host_hover_wine_tests WINE_ONLY TIMEOUT 900
  SOURCES tests/hover_wine_test.cpp tests/hover_desktop.cpp
  LIBS lexiton_host_test_process lexiton_desktop_input)
if(TARGET host_hover_wine_tests)
  add_dependencies(host_hover_wine_tests Lexiton ptrhook textgrab dictcore tippaint mtippaint LexitonSt
    standin_client)
  # One running host per wine session, and one test moving the pointer at a time.
  set_tests_properties(host_hover_wine_tests PROPERTIES RESOURCE_LOCK "lexiton_host;lexiton_x_input")
endif()

# The tray of the real program: its icon as the shell holds it, the menu and every command, the
# dialogs driven through their controls.
lexiton_add_test(tray_wine_tests WINE_ONLY TIMEOUT 400
  SOURCES tests/tray_wine_test.cpp
  LIBS lexiton_host_test_process lexiton_test_files shell32)
if(TARGET tray_wine_tests)
  add_dependencies(tray_wine_tests Lexiton uires1038 uires2057 standin_ptrhook standin_textgrab standin_dictcore
    standin_client)
  set_tests_properties(tray_wine_tests PROPERTIES RESOURCE_LOCK lexiton_host)
endif()

# The Hungarian messages once more in the code page of a Hungarian system: wine takes 1250 from
# the locale's name.
if(TARGET host_wine_tests)
  add_test(NAME host_wine_hu_tests
    COMMAND host_wine_tests --gtest_filter=HostProgram.Hungarian*
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(host_wine_hu_tests PROPERTIES TIMEOUT 120 ENVIRONMENT "LC_ALL=hu_HU.UTF-8"
    RESOURCE_LOCK lexiton_host)
endif()
