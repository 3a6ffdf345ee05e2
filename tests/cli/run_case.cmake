# Runs zorvane-cli for one case of cases.cmake and compares its exit status,
# standard output and standard error with the case's.
#   cmake -DCLI=<zorvane-cli> -DCASE=<name> -DWORK=<folder> [-DLINE_BREAK=CRLF] -P run_case.cmake
# CLI may be a list: an emulator and its arguments, then the program. With
# LINE_BREAK=CRLF every line written must end in CR LF (a Windows program).
cmake_minimum_required(VERSION 3.25)

# cli_case(<name> [ARGS <argument>...] [IN <text> | IN_FILE <file>]
#          [OUT <text> | OUT_MATCH <regex>] [ERR <text>] [STATUS <exit status>]
#          [FULL_OUTPUT])
# Standard input is empty without IN or IN_FILE; standard output and standard
# error must be empty unless given; STATUS defaults to 0. FULL_OUTPUT sends
# standard output to /dev/full, where every write fails.
function(cli_case name)
  if(NOT name STREQUAL CASE)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "FULL_OUTPUT" "IN;IN_FILE;OUT;OUT_MATCH;ERR;STATUS" "ARGS")
  set(input /dev/null)
  if(DEFINED arg_IN)
    set(input ${WORK}/${name}.in)
    file(WRITE ${input} "${arg_IN}")
  elseif(DEFINED arg_IN_FILE)
    set(input ${CMAKE_CURRENT_LIST_DIR}/${arg_IN_FILE})
  endif()
  set(output ${WORK}/${name}.out)
  if(arg_FULL_OUTPUT)
    set(output /dev/full)
  endif()
  execute_process(COMMAND ${CLI} ${arg_ARGS} INPUT_FILE ${input} OUTPUT_FILE ${output}
    ERROR_FILE ${WORK}/${name}.err RESULT_VARIABLE STATUS)
  set(OUT "")
  set(written ${WORK}/${name}.err)
  if(NOT arg_FULL_OUTPUT)
    file(READ ${output} OUT)
    list(APPEND written ${output})
  endif()
  file(READ ${WORK}/${name}.err ERR)
  # file(READ) takes the CR of each CR LF away, so the line breaks are read
  # from the bytes: two hex digits and a blank for each.
  if(LINE_BREAK STREQUAL "CRLF")
    foreach(file IN LISTS written)
      file(READ ${file} bytes HEX)
      string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
      string(REPLACE "0d 0a " "" bytes "${bytes}")
      if(bytes MATCHES "0a ")
        string(APPEND faults "${file} holds a line break without CR\n")
      endif()
    endforeach()
  endif()

  if(NOT DEFINED arg_STATUS)
    set(arg_STATUS 0)
  endif()
  if(DEFINED arg_OUT_MATCH)
    set(arg_OUT "a text that matches ${arg_OUT_MATCH}")
    if(OUT MATCHES "${arg_OUT_MATCH}")
      set(arg_OUT "${OUT}")
    endif()
  endif()
  foreach(what STATUS OUT ERR)
    if(NOT "${${what}}" STREQUAL "${arg_${what}}")
      string(APPEND faults "${what}:\n[${${what}}]\nexpected:\n[${arg_${what}}]\n")
    endif()
  endforeach()
  if(faults)
    list(JOIN arg_ARGS " " shown)
    message(FATAL_ERROR "zorvane-cli ${shown}\n${faults}")
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/cases.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/function_mode_cases.cmake)
