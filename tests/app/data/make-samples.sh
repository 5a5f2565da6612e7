#!/usr/bin/env bash
# Made the committed Windows samples in this folder with the mingw tools (Debian 12:
# binutils-mingw-w64-x86-64, gcc-mingw-w64-x86-64, GCC 12, binutils 2.40). Neither the build nor
# the tests run this; run it again only to change a sample, then commit what it writes.
#   version.bin    the program's version block as windres compiled program-version.rc: the build's
#                  own block (src/app/version.cmake) must equal it byte for byte
#   *.exe          small Windows programs for the version reader's tests, one per *.rc here
#   tiny64.exe     the smallest Windows program holding version.bin (a fuzz seed)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
gcc=x86_64-w64-mingw32-gcc
windres=(x86_64-w64-mingw32-windres "--preprocessor=$gcc" --preprocessor-arg=-E --preprocessor-arg=-xc
         --preprocessor-arg=-DRC_INVOKED)

"${windres[@]}" -O res -o "$tmp/version.res" "$here/program-version.rc"
python3 "$here/res_version.py" "$tmp/version.res" "$here/version.bin"

# Stripped (the reader needs the headers and the resources, not the symbols) and without a link
# time, so that the same tools make the same bytes.
"$gcc" -c -O0 -o "$tmp/program.o" "$here/program.c"
"$gcc" -s -Wl,--no-insert-timestamp -o "$here/plain.exe" "$tmp/program.o"
for name in noversion otherlang flags os0 truncated; do
  "${windres[@]}" -O coff -o "$tmp/$name.res.o" "$here/$name.rc"
  "$gcc" -s -Wl,--no-insert-timestamp -o "$here/$name.exe" "$tmp/program.o" "$tmp/$name.res.o"
done

printf 'void _start(void) { for (;;) {} }\nint WinMainCRTStartup(void) { return 0; }\n' >"$tmp/start.c"
"${windres[@]}" -O coff -o "$tmp/res64.o" "$here/program-version.rc"
"$gcc" -Os -s -nostdlib -o "$here/tiny64.exe" "$tmp/start.c" "$tmp/res64.o" \
  -Wl,-e,WinMainCRTStartup -Wl,--no-insert-timestamp
