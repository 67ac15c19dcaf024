# Runs the developer tool on a golden file and compares its output line by line.
#
# A golden file starts with "#" lines (comments), then "args:" with the tool's
# options, then "input:" lines (one verb request each, without the prefix), then
# the expected output lines. Called with -DTOOL, -DGOLDEN and -DLEXICON.
file(STRINGS ${GOLDEN} lines ENCODING UTF-8)
set(args "")
set(input "")
set(expected "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#")
    continue()
  elseif(line MATCHES "^args:(.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^input: (.*)$")
    string(APPEND input "${CMAKE_MATCH_1}\n")
  else()
    string(APPEND expected "${line}\n")
  endif()
endforeach()
get_filename_component(name ${GOLDEN} NAME_WE)
set(input_file ${CMAKE_CURRENT_BINARY_DIR}/golden-${name}.in)
file(WRITE ${input_file} "${input}")
execute_process(COMMAND ${TOOL} --lexicon ${LEXICON} ${args}
                INPUT_FILE ${input_file} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the tool failed (${status})")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/golden-${name}.actual "${actual}")
  message(FATAL_ERROR "output differs from ${GOLDEN}; actual output in golden-${name}.actual")
endif()
message(STATUS "golden ${name}: every line as expected")
