# Writes a C++ source that holds a text file as a character array.
#   -DIN=file to embed  -DOUT=source to write  -DSYMBOL=array name
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "namespace drennomar::host {\n"
  "extern const char ${SYMBOL}[];\n"
  "const char ${SYMBOL}[] = {${body}'\\0'};\n"
  "}  // namespace drennomar::host\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
