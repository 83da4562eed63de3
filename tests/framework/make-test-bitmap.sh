#!/bin/sh
# Writes a 4 x 2 pixel, 24-bit bitmap: the framework tests load it as a resource.
set -eu
{
  # File header: "BM", file size 78, reserved, pixel data at 54.
  printf 'BM\116\000\000\000\000\000\000\000\066\000\000\000'
  # Info header: size 40, width 4, height 2, 1 plane, 24 bits, no compression, 24 bytes of pixels.
  printf '\050\000\000\000\004\000\000\000\002\000\000\000\001\000\030\000'
  printf '\000\000\000\000\030\000\000\000\023\013\000\000\023\013\000\000\000\000\000\000\000\000\000\000'
  # Two rows of four pixels (blue, green, red, white), 12 bytes each: no padding needed.
  printf '\377\000\000\000\377\000\000\000\377\377\377\377'
  printf '\377\000\000\000\377\000\000\000\377\377\377\377'
} > "$1"
