# cmake -DINPUT=<file.res> -DOUTPUT=<file.cpp> -P TavrelEmbedResources.cmake
# Writes a C++ source that holds the binary resource file as the module's exported resource
# section, the bytes platform/posix serves through FindResourceA and the calls after it.
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "TavrelEmbedResources: INPUT and OUTPUT are required")
endif()
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(name ${INPUT} NAME)
set(text "// Generated from ${name}: the module's resources in the binary resource format.\n")
string(APPEND text "#include <cstddef>\n\n")
string(APPEND text "extern \"C\" {\n")
string(APPEND text "__attribute__((visibility(\"default\"), aligned(8))) extern const unsigned char TavrelResourceSection[${size}];\n")
string(APPEND text "__attribute__((visibility(\"default\"))) extern const std::size_t TavrelResourceSectionSize;\n")
string(APPEND text "const unsigned char TavrelResourceSection[${size}] = {\n${bytes}};\n")
string(APPEND text "const std::size_t TavrelResourceSectionSize = ${size};\n")
string(APPEND text "}\n")
file(WRITE ${OUTPUT} "${text}")
