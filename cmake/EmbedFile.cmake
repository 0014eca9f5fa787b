# cmake -DIN=FILE -DOUT=SOURCE.cpp -DNAME=FUNCTION -P EmbedFile.cmake: a C++ source whose function
# `std::string_view tarvel::NAME()` gives the file's bytes, for a program that must not read it at
# run time (the command line's translation).
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUT}.new" "#include <string_view>\nnamespace tarvel {\nnamespace {\nconst unsigned char kBytes[] = {${bytes}0};\n}\nstd::string_view ${NAME}()\n{\n    return {reinterpret_cast<const char*>(kBytes), sizeof kBytes - 1};\n}\n}\n")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
