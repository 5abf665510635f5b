# Turns a UTF-8 text file into a C++ source holding its bytes:
#   cmake -DIN=file.txt -DOUT=file.cpp -DNAMESPACE=ns -DNAME=kText -P EmbedText.cmake
# The source defines `extern const std::string_view NAMESPACE::NAME`.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE ${OUT} "// Generated from ${NAME}'s text file at build time; do not edit.\n#include <string_view>\n"
                  "namespace ${NAMESPACE} {\nnamespace {\nconstexpr char bytes[] = {${bytes} 0};\n}\n"
                  "extern const std::string_view ${NAME};\nconst std::string_view ${NAME}(bytes, ${size});\n}\n")
