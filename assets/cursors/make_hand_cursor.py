#!/usr/bin/env python3
"""Writes hand.cur, the program's own pointing-hand cursor (32 x 32, two colours, hot spot on the
fingertip), from the drawing below: '#' black, '.' white, anything else transparent."""
import struct
from pathlib import Path

DRAWING = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..##
    #..#..#.##
    #..#..#..#
 ## #..#..#..#
#..##........#
#...#........#
 #..#........#
  #..........#
  #..........#
   #.........#
   #........#
    #.......#
    #......#
     #.....#
     #######
"""
HOT_SPOT = (5, 1)
SIZE = 32


def masks():
    rows = DRAWING.strip("\n").split("\n")
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        line = rows[y] if y < len(rows) else ""
        xor_bits = and_bits = 0
        for x in range(SIZE):
            c = line[x] if x < len(line) else " "
            xor_bits = (xor_bits << 1) | (c == ".")
            and_bits = (and_bits << 1) | (c not in "#.")
        xor_rows.append(xor_bits.to_bytes(4, "big"))
        and_rows.append(and_bits.to_bytes(4, "big"))
    # Bottom row first, as bitmaps are stored.
    return b"".join(reversed(xor_rows)), b"".join(reversed(and_rows))


def main():
    xor_mask, and_mask = masks()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = b"\x00\x00\x00\x00\xff\xff\xff\x00"
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, *HOT_SPOT, len(image), 22)
    (Path(__file__).parent / "hand.cur").write_bytes(directory + image)


if __name__ == "__main__":
    main()
