# cmake -DIN=version.bin -DOUT=VersionSection.cpp -P version_section.cmake
# Writes a C++ file that puts the block into the program as the section ".vs_version_info",
# loaded (flags "a"), so that every strip keeps it: llvm-strip drops sections that are not loaded.
# The bytes stand in the source itself, so that a compiler cache sees a changed block.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "${IN} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE ",$" "" bytes "${bytes}")
file(WRITE "${OUT}.tmp" "// Made by tools/version_section.cmake from ${IN}; do not edit.
__asm__(\".pushsection .vs_version_info,\\\"a\\\"\\n\"
        \".byte ${bytes}\\n\"
        \".popsection\\n\");
")
file(RENAME "${OUT}.tmp" "${OUT}")
