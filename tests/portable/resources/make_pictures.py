#!/usr/bin/env python3
"""Writes the small test pictures the test resource script names (run it after editing).

Each picture exercises one way a DIB is stored: 24 bits bottom-up with row padding, 8 bits
top-down with a short colour table, 4 and 1 bits with pixels packed across bytes, and an
icon of two sizes with an AND mask. The pixel values are repeated in ResourceApiTest.cpp.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def info_header(width, height, bits, colors_used=0, image_size=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 2835, 2835, colors_used, 0)


def pad(row):
    return row + b'\0' * (-len(row) % 4)


def pack_indices(indices, bits):
    value, count, out = 0, 0, bytearray()
    for index in indices:
        value = (value << bits) | index
        count += bits
        if count == 8:
            out.append(value)
            value, count = 0, 0
    if count:
        out.append(value << (8 - count))
    return bytes(out)


def palette(colors):
    return b''.join(struct.pack('<BBBB', c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in colors)


def write_bmp(name, header_and_bits):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + len(header_and_bits), 0, 0, 14 + bits_offset(header_and_bits)))
        f.write(header_and_bits)


def bits_offset(dib):
    bits = struct.unpack_from("<H", dib, 14)[0]
    used = struct.unpack_from("<I", dib, 32)[0]
    colors = (used or (1 << bits)) if bits <= 8 else 0
    return 40 + 4 * colors


# 24 bits, 3 x 2, bottom-up (rows of 9 bytes padded to 12). Top row first here.
PICTURE24 = [[0xFF0000, 0x00FF00, 0x0000FF],
             [0x123456, 0xFFFFFF, 0x000000]]


def picture24():
    rows = b''
    for row in reversed(PICTURE24):
        rows += pad(b''.join(struct.pack('<BBB', c & 0xFF, (c >> 8) & 0xFF, c >> 16) for c in row))
    return info_header(3, 2, 24, 0, len(rows)) + rows


# 8 bits, 5 x 3, bottom-up, four colours in the table.
PALETTE8 = [0x000000, 0xC08040, 0x10E0F0, 0xFFFFFF]
PICTURE8 = [[0, 1, 2, 3, 1],
            [3, 2, 1, 0, 2],
            [1, 1, 3, 3, 0]]


def picture8():
    rows = b''.join(pad(bytes(row)) for row in reversed(PICTURE8))
    return info_header(5, 3, 8, len(PALETTE8), len(rows)) + palette(PALETTE8) + rows


# 4 bits, 4 x 2, bottom-up, a full table of sixteen greys.
PALETTE4 = [0x111111 * i for i in range(16)]
PICTURE4 = [[0, 5, 10, 15],
            [15, 10, 5, 1]]


def picture4():
    rows = b''.join(pad(pack_indices(row, 4)) for row in reversed(PICTURE4))
    return info_header(4, 2, 4, 0, len(rows)) + palette(PALETTE4) + rows


# 1 bit, 9 x 2, bottom-up: the ninth pixel of a row lies in its second byte.
PALETTE1 = [0x203040, 0xF0E0D0]
PICTURE1 = [[1, 0, 1, 1, 0, 0, 1, 1, 1],
            [0, 1, 0, 0, 1, 1, 0, 0, 0]]


def picture1():
    rows = b''.join(pad(pack_indices(row, 1)) for row in reversed(PICTURE1))
    return info_header(9, 2, 1, 0, len(rows)) + palette(PALETTE1) + rows


# Icon images: 24 bits, colour RGB(7x, 7y, size); transparent where x + y < 4.
def icon_image(size):
    xor = b''
    mask = b''
    for y in reversed(range(size)):
        xor += pad(b''.join(struct.pack('<BBB', size, 7 * y, 7 * x) for x in range(size)))
        mask += pad(pack_indices([1 if x + y < 4 else 0 for x in range(size)], 1))
    return info_header(size, 2 * size, 24, 0, len(xor) + len(mask)) + xor + mask


def write_icon(name, sizes):
    images = [icon_image(s) for s in sizes]
    offset = 6 + 16 * len(images)
    data = struct.pack('<HHH', 0, 1, len(images))
    for size, image in zip(sizes, images):
        data += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    write_bmp('picture24.bmp', picture24())
    write_bmp('picture8.bmp', picture8())
    write_bmp('picture4.bmp', picture4())
    write_bmp('picture1.bmp', picture1())
    write_icon('sizes.ico', [16, 32])
