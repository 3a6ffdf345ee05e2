# Builds the window's help text from the manual page, so that both say the same:
# the part of MAN between the comment lines '.\" help: begin' and '.\" help: end',
# turned from man macros into plain paragraphs, written to OUT as a C++ source
# that defines zorvane::res::kHelpText.
#
#   cmake -DMAN=docs/man/zorvane.1 -DOUT=help_text.cpp -P ManToHelp.cmake
#
# Handles the macros the page uses there: .SH, .TP, .PP, .EX/.EE, .B, .BR and the
# escapes \- \(ha \(*p \(sr \~ \&.
cmake_minimum_required(VERSION 3.25)

file(READ "${MAN}" page)
# Keep list separators and brackets out of the way of CMake's lists.
string(REPLACE ";" "@SEMI@" page "${page}")
string(REPLACE "[" "@LSQ@" page "${page}")
string(REPLACE "]" "@RSQ@" page "${page}")
string(REGEX MATCH "\n\\.\\\\\" help: begin\n(.*)\n\\.\\\\\" help: end\n" found "${page}")
if(NOT found)
  message(FATAL_ERROR "${MAN} has no help: begin/end comments")
endif()
string(REPLACE "\n" ";" lines "${CMAKE_MATCH_1}")

# The words of a macro line; "quoted words" keep their blanks.
function(macro_words line out)
  string(REGEX REPLACE "^\\.[A-Za-z]+ *" "" rest "${line}")
  string(REGEX MATCHALL "\"[^\"]*\"|[^ ]+" words "${rest}")
  set(result)
  foreach(word IN LISTS words)
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" word "${word}")
    list(APPEND result "${word}")
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

set(text "")       # finished paragraphs
set(paragraph "")  # the one being gathered
set(indent "")     # what a paragraph starts with
set(tag_next FALSE)
set(verbatim FALSE)

macro(end_paragraph)
  if(NOT paragraph STREQUAL "")
    string(APPEND text "${indent}${paragraph}\n\n")
  endif()
  set(paragraph "")
endmacro()

foreach(line IN LISTS lines)
  if(verbatim)
    if(line STREQUAL ".EE")
      set(verbatim FALSE)
      string(APPEND text "\n")
    else()
      string(APPEND text "    ${line}\n")
    endif()
    continue()
  endif()
  if(line MATCHES "^\\.\\\\\"")
    continue()
  elseif(line MATCHES "^\\.SH ")
    end_paragraph()
    macro_words("${line}" words)
    list(JOIN words " " heading)
    string(APPEND text "${heading}\n\n")
    set(indent "")
    continue()
  elseif(line STREQUAL ".PP")
    end_paragraph()
    set(indent "")
    continue()
  elseif(line STREQUAL ".TP")
    end_paragraph()
    set(tag_next TRUE)
    continue()
  elseif(line STREQUAL ".EX")
    end_paragraph()
    set(verbatim TRUE)
    continue()
  elseif(line MATCHES "^\\.B ")
    macro_words("${line}" words)
    list(JOIN words " " words)
    set(line "${words}")
  elseif(line MATCHES "^\\.BR ")
    macro_words("${line}" words)
    list(JOIN words "" words)
    set(line "${words}")
  elseif(line MATCHES "^\\.")
    message(FATAL_ERROR "${MAN}: no plain text for the macro in: ${line}")
  endif()
  if(tag_next)
    string(APPEND text "${line}\n")
    set(tag_next FALSE)
    set(indent "    ")
    continue()
  endif()
  if(paragraph STREQUAL "")
    set(paragraph "${line}")
  else()
    string(APPEND paragraph " ${line}")
  endif()
endforeach()
end_paragraph()

string(REPLACE "\\-" "-" text "${text}")
string(REPLACE "\\(ha" "^" text "${text}")
string(REPLACE "\\(*p" "π" text "${text}")
string(REPLACE "\\(sr" "√" text "${text}")
string(REPLACE "\\(.i" "ı" text "${text}")
string(REPLACE "\\(ss" "ß" text "${text}")
string(REPLACE "\\~" " " text "${text}")
string(REPLACE "\\&" "" text "${text}")
string(REPLACE "@SEMI@" ";" text "${text}")
string(REPLACE "@LSQ@" "[" text "${text}")
string(REPLACE "@RSQ@" "]" text "${text}")
string(STRIP "${text}" text)
if(text MATCHES "\\\\")
  message(FATAL_ERROR "${MAN}: an escape is left in the help text")
endif()

get_filename_component(page_name "${MAN}" NAME)
file(WRITE "${OUT}.tmp" "// Made from ${page_name} by ManToHelp.cmake at build time; do not edit.
#include \"resources/help/help_text.h\"

namespace zorvane::res {

const std::string_view kHelpText = R\"zorvane-help(${text}
)zorvane-help\";

}  // namespace zorvane::res
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
