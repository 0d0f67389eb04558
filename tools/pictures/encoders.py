"""File writers: 24-bit BMP, ICO with 32-bit BMP entries, and PNG for previews.
Pixels come as rows top to bottom of (r, g, b, a) tuples."""

import struct
import zlib


def _row_padding(row_bytes):
    return (4 - row_bytes % 4) % 4


def bmp_bytes(pixels):
    """An uncompressed bottom-up 24-bit Windows bitmap (BITMAPINFOHEADER)."""
    height, width = len(pixels), len(pixels[0])
    pad = b"\0" * _row_padding(width * 3)
    body = bytearray()
    for row in reversed(pixels):
        for r, g, b, _ in row:
            body += bytes((b, g, r))
        body += pad
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + bytes(body)


def _icon_image(pixels):
    """One icon entry: BITMAPINFOHEADER with doubled height, 32-bit BGRA colour rows bottom-up,
    then the 1-bit AND mask (1 = transparent), rows padded to 32 bits."""
    height, width = len(pixels), len(pixels[0])
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_row_bytes = (width + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """An icon file holding the given pictures (each at most 256 pixels square)."""
    entries = [_icon_image(p) for p in images]
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(header) + 16 * len(entries)
    directory = bytearray()
    for pixels, data in zip(images, entries):
        w, h = len(pixels[0]), len(pixels)
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + bytes(directory) + b"".join(entries)


def png_bytes(pixels, scale=1):
    """An RGBA PNG, each pixel repeated `scale` times in both directions."""
    height, width = len(pixels), len(pixels[0])
    raw = bytearray()
    for row in pixels:
        line = bytearray(b"\0")
        for px in row:
            line += bytes(px) * scale
        raw += bytes(line) * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width * scale, height * scale, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
