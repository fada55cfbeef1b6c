# Script mode: turns INPUT into a C++ source that returns its bytes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <string_view>\nnamespace kgh::resources {\nnamespace { constexpr char kBytes[] = {${body} '\\0'}; }\nstd::string_view ${SYMBOL}() { return {kBytes, ${size}}; }\n}  // namespace kgh::resources\n")
