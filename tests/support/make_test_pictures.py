#!/usr/bin/env python3
"""Writes the test programs' pictures (TestPicture.bmp, TestIcon.ico) as TestTemplateIds.h
describes them. Run it from this folder after changing a picture; the files are committed."""
import struct

RED, GREEN, BLUE, WHITE, BLACK = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0)


def picture():
    rows = []
    for y in range(4):
        row = []
        for x in range(6):
            if y == 0:
                row.append(RED if x < 3 else GREEN)
            elif (x, y) == (5, 3):
                row.append(WHITE)
            else:
                row.append(BLUE)
        rows.append(row)
    return rows


def write_bmp(path, rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    data = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
        data += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    open(path, "wb").write(head + info + data)


def write_ico(path):
    size = 32  # the system's icon size: loaded as it is, not scaled
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]  # (r, g, b, a)
    for y in range(8, 24):
        for x in range(8, 24):
            pixels[y][x] = (0, 0, 0, 255)
    pixels[8][8] = (255, 0, 0, 128)
    xor = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(pixels) for (r, g, b, a) in row)
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)  # rows of 32 bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    open(path, "wb").write(header + entry + image)


if __name__ == "__main__":
    write_bmp("TestPicture.bmp", picture())
    write_ico("TestIcon.ico")
