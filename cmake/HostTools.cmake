# Build-time tools: programs that run while the tree builds (the dictionary compiler, the
# about-text compiler, the logo drawer). They are programs of the native tree, which exports them
# to <native build>/LexitonHostTools.cmake. A cross tree cannot run what it builds, so it imports
# them from there instead of compiling them a second time.
#
#   lexiton_add_host_tool(NAME SOURCES ... [LIBS ...] [INCLUDES ...])
#     Natively: the program NAME, exported with the others. In a cross tree: nothing.
#   lexiton_host_tool(VAR NAME)
#     VAR := the target to name in add_custom_command's COMMAND and DEPENDS: NAME natively,
#     the imported lexiton_host::NAME in a cross tree.
#   lexiton_export_host_tools()
#     Natively, at the end of the top-level list: writes the export file.

set(LEXITON_NATIVE_BIN ${CMAKE_SOURCE_DIR}/build/native/bin CACHE PATH
  "The native build's bin folder: the cross trees take their build-time tools and lexiton-server from it")

set_property(GLOBAL PROPERTY LEXITON_HOST_TOOLS "")

if(LEXITON_WIN32)
  get_filename_component(lexiton_native_build ${LEXITON_NATIVE_BIN} DIRECTORY)
  set(lexiton_host_tools_file ${lexiton_native_build}/LexitonHostTools.cmake)
  if(NOT EXISTS ${lexiton_host_tools_file})
    message(FATAL_ERROR "The build-time tools come from the native tree, and "
      "${lexiton_host_tools_file} does not exist: build the native tree first (make native), "
      "or point LEXITON_NATIVE_BIN at its bin folder")
  endif()
  include(${lexiton_host_tools_file})
endif()

function(lexiton_add_host_tool name)
  if(LEXITON_WIN32)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  target_include_directories(${name} PRIVATE ${T_INCLUDES})
  set_property(GLOBAL APPEND PROPERTY LEXITON_HOST_TOOLS ${name})
endfunction()

function(lexiton_host_tool var name)
  if(LEXITON_WIN32)
    set(${var} lexiton_host::${name} PARENT_SCOPE)
  else()
    set(${var} ${name} PARENT_SCOPE)
  endif()
endfunction()

function(lexiton_export_host_tools)
  if(LEXITON_WIN32)
    return()
  endif()
  get_property(tools GLOBAL PROPERTY LEXITON_HOST_TOOLS)
  export(TARGETS ${tools} NAMESPACE lexiton_host:: FILE ${CMAKE_BINARY_DIR}/LexitonHostTools.cmake)
endfunction()
