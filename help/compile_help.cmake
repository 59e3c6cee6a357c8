# Compiles one help file: cmake -DSOURCE=help/en -DSTAGE=DIR -DCODEPAGE=WINDOWS-1252
#   -DPROJECT=kvoHelpEN.hhp -DCHMCMD=chmcmd -DLOG=FILE -P compile_help.cmake
#
# The sources are UTF-8. The help viewer reads the contents, the index, the page titles and its
# search index in the code page of the help file's language (1252 for English, 1250 for
# Hungarian, where "ő" and "ű" live), so every text file is converted to that code page on the
# way into the staging folder, and the pages declare it. iconv refuses a character the code page
# lacks, so a letter that would turn into "?" stops the build instead.
foreach(v SOURCE STAGE CODEPAGE PROJECT CHMCMD LOG)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "compile_help.cmake: ${v} is not set")
  endif()
endforeach()
string(TOLOWER "${CODEPAGE}" charset)

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}")
file(GLOB sources RELATIVE "${SOURCE}" "${SOURCE}/*")
list(APPEND sources ../help.css)
foreach(name ${sources})
  get_filename_component(base "${name}" NAME)
  set(from "${SOURCE}/${name}")
  if(base MATCHES "\\.(html|hhc|hhk|hhp)$")
    file(READ "${from}" text)
    string(REPLACE "charset=utf-8" "charset=${charset}" text "${text}")
    file(WRITE "${STAGE}/${base}.utf8" "${text}")
    execute_process(COMMAND iconv -f UTF-8 -t "${CODEPAGE}" "${STAGE}/${base}.utf8"
                    OUTPUT_FILE "${STAGE}/${base}" ERROR_VARIABLE problem RESULT_VARIABLE failed)
    file(REMOVE "${STAGE}/${base}.utf8")
    if(failed)
      message(FATAL_ERROR "${from}: not convertible to ${CODEPAGE}: ${problem}")
    endif()
  else()
    file(COPY "${from}" DESTINATION "${STAGE}")
  endif()
endforeach()

execute_process(COMMAND "${CHMCMD}" "${PROJECT}" WORKING_DIRECTORY "${STAGE}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE failed)
file(WRITE "${LOG}" "${out}${err}")
if(failed OR "${out}${err}" MATCHES "(^|\n)Error")
  message(FATAL_ERROR "chmcmd failed on ${SOURCE}/${PROJECT}:\n${out}${err}")
endif()
