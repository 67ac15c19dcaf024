# Writes a C++ source that defines one string_view holding a text file, so that a program can
# read test data without knowing where the source tree is. Called with -DINPUT, -DOUTPUT and
# -DNAME (the qualified name of the variable, declared by the including code).
file(READ ${INPUT} text)
if(text MATCHES "\\)text\"")
  message(FATAL_ERROR "${INPUT} holds the raw string's closing delimiter")
endif()
string(REGEX MATCH "^(.*)::([^:]+)$" _ "${NAME}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; edit that file instead.\n#include <string_view>\n\n"
                     "namespace ${CMAKE_MATCH_1} {\nextern const std::string_view ${CMAKE_MATCH_2};\n"
                     "const std::string_view ${CMAKE_MATCH_2} = R\"text(${text})text\";\n}\n")
