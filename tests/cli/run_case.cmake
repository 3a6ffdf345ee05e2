# Runs zorvane-cli for one case of cases.cmake and compares its standard
# output, standard error and exit status with the case's.
#   cmake -DCLI=<zorvane-cli> -DCASE=<name> -DWORK=<folder> -P run_case.cmake
cmake_minimum_required(VERSION 3.25)

# cli_case(<name> [ARGS <argument>...] [IN <text> | IN_FILE <file>]
#          [OUT <text> | OUT_FILE <file> | OUT_MATCH <regex>]
#          [ERR <text> | ERR_MATCH <regex>]
#          [STATUS <exit status>] [FULL_OUTPUT])
# Without IN or IN_FILE standard input is empty; without ERR or ERR_MATCH
# standard error must be empty; STATUS defaults to 0. FULL_OUTPUT sends
# standard output to /dev/full, where every write fails.
function(cli_case name)
  if(NOT name STREQUAL CASE)
    return()
  endif()
  cmake_parse_arguments(PARSE_ARGV 1 arg "FULL_OUTPUT"
    "IN;IN_FILE;OUT;OUT_FILE;OUT_MATCH;ERR;ERR_MATCH;STATUS" "ARGS")
  set(input /dev/null)
  if(DEFINED arg_IN)
    set(input ${WORK}/${name}.in)
    file(WRITE ${input} "${arg_IN}")
  elseif(DEFINED arg_IN_FILE)
    set(input ${CMAKE_CURRENT_LIST_DIR}/${arg_IN_FILE})
  endif()
  set(output_to)
  if(arg_FULL_OUTPUT)
    set(output_to OUTPUT_FILE /dev/full)
  endif()
  execute_process(COMMAND ${CLI} ${arg_ARGS}
    INPUT_FILE ${input} ${output_to}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)

  if(DEFINED arg_OUT_FILE)
    file(READ ${CMAKE_CURRENT_LIST_DIR}/${arg_OUT_FILE} arg_OUT)
  endif()
  if(NOT DEFINED arg_STATUS)
    set(arg_STATUS 0)
  endif()
  set(faults)
  if(NOT status STREQUAL arg_STATUS)
    string(APPEND faults "exit status ${status}, expected ${arg_STATUS}\n")
  endif()
  if(DEFINED arg_OUT AND NOT out STREQUAL arg_OUT)
    string(APPEND faults "standard output:\n[${out}]\nexpected:\n[${arg_OUT}]\n")
  endif()
  if(DEFINED arg_OUT_MATCH AND NOT out MATCHES "${arg_OUT_MATCH}")
    string(APPEND faults "standard output:\n[${out}]\ndoes not match: ${arg_OUT_MATCH}\n")
  endif()
  if(DEFINED arg_ERR_MATCH)
    if(NOT err MATCHES "${arg_ERR_MATCH}")
      string(APPEND faults "standard error:\n[${err}]\ndoes not match: ${arg_ERR_MATCH}\n")
    endif()
  elseif(NOT err STREQUAL "${arg_ERR}")
    string(APPEND faults "standard error:\n[${err}]\nexpected:\n[${arg_ERR}]\n")
  endif()
  if(faults)
    list(JOIN arg_ARGS " " shown)
    message(FATAL_ERROR "zorvane-cli ${shown}\n${faults}")
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/cases.cmake)
