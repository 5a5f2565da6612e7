#!/usr/bin/env python3
# Cuts the one RT_VERSION resource out of a Windows .res file: res_version.py IN.res OUT.bin
import struct, sys

def fail(why):
    sys.exit("res_version: %s: %s" % (sys.argv[1], why))

data = open(sys.argv[1], "rb").read()
blocks, pos = [], 0
while pos < len(data):
    if pos + 8 > len(data):
        fail("truncated resource header at %d" % pos)
    size, header = struct.unpack_from("<II", data, pos)
    if header < 16 or pos + header + size > len(data):
        fail("resource at %d runs past the end" % pos)
    kind = struct.unpack_from("<HH", data, pos + 8)
    if kind[0] == 0xFFFF and kind[1] == 16:  # RT_VERSION, by number
        blocks.append(data[pos + header:pos + header + size])
    pos = (pos + header + size + 3) & ~3
if len(blocks) != 1:
    fail("%d version resources, expected one" % len(blocks))
block = blocks[0]
if len(block) < 6 or struct.unpack_from("<H", block)[0] > len(block):
    fail("the version block is shorter than it says")
open(sys.argv[2], "wb").write(block)
