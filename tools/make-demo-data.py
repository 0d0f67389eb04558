#!/usr/bin/env python3
"""Writes the data files of the demo machine's stored settings, so that each listed setting can
be opened, edited and exported like one the wizard saved.

    make-demo-data.py colour FILE MODE [PATCH:DX:DY ...]
    make-demo-data.py gamma FILE MODE GAMMA [ZONE:HUE:LEVEL ...]

Colour values start from the default patch values of the colour module stand-in for MODE and
move the named patches by DX hue steps and DY strength steps, inside each patch's range. Gamma
values start from that module's zone defaults for MODE. Files are written in the archive form
the wizard reads: class tag, schema, class name, then the values, little-endian.
"""
import math
import struct
import sys

PATCH_COLOURS = [
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x969696,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0x663399, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF,
]
HUE_STEPS, X_REACH, Y_REACH, Y_LOWEST, Y_HIGHEST = 36, 3, 5, 1, 24
GAMMA_BY_MODE = [220, 180, 240, 200, 160, 140, 230, 190]
PRINTER_HUE = [-4, 6, -8, 3, 9, -2]


def rounded(value):
    return int(math.floor(value + 0.5))  # values here are never negative


def fixed(colour):
    r, g, b = colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF
    return r == g == b


def default_patch(mode, colour):
    """(x, y, x range, y range) as the module stand-in gives them; neutral patches are 0."""
    if fixed(colour):
        return 0, 0, (0, 0), (0, 0)
    r, g, b = (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, ((colour >> 16) & 0xFF) / 255.0
    high, low = max(r, g, b), min(r, g, b)
    chroma = high - low
    hue = 0.0
    if chroma > 0.0:
        if high == r:
            hue = 60.0 * math.fmod((g - b) / chroma + 6.0, 6.0)
        elif high == g:
            hue = 60.0 * ((b - r) / chroma + 2.0)
        else:
            hue = 60.0 * ((r - g) / chroma + 4.0)
    x = rounded(hue / 10.0) % HUE_STEPS
    y = min(max(rounded(chroma * 20.0) + mode % 3, Y_LOWEST + 2), Y_HIGHEST - 2)
    return x, y, ((x - X_REACH) % HUE_STEPS, (x + X_REACH) % HUE_STEPS), \
        (max(Y_LOWEST, y - Y_REACH), min(Y_HIGHEST, y + Y_REACH))


def header(class_name):
    name = class_name.encode("ascii")
    return struct.pack("<HHH", 0xFFFF, 1, len(name)) + name


def colour_data(mode, changes):
    points = []
    for colour in PATCH_COLOURS:
        x, y, _, _ = default_patch(mode, colour)
        points.append([x, y])
    for patch, dx, dy in changes:
        if fixed(PATCH_COLOURS[patch]):
            raise SystemExit(f"patch {patch} is a neutral patch and cannot change")
        if abs(dx) > X_REACH:
            raise SystemExit(f"patch {patch}: hue change {dx} is out of range")
        x, y, _, (y_first, y_last) = default_patch(mode, PATCH_COLOURS[patch])
        points[patch] = [(x + dx) % HUE_STEPS, min(max(y + dy, y_first), y_last)]
    return header("CColorData") + b"".join(struct.pack("<ii", x, y) for x, y in points)


def gamma_data(mode, gamma, changes):
    m = mode % len(GAMMA_BY_MODE)
    from_printer = [1 if (m + z) % 5 == 0 else 0 for z in range(6)]
    hue = [PRINTER_HUE[z] if from_printer[z] else (m * 7 + z * 11) % 21 - 10 for z in range(6)]
    level = [(20 + 3 * m + 5 * z) % 51 for z in range(6)]
    for zone, zone_hue, zone_level in changes:
        hue[zone], from_printer[zone], level[zone] = zone_hue, 0, zone_level
    body = struct.pack("<d", gamma)
    for z in range(6):
        body += struct.pack("<iii", hue[z], from_printer[z], level[z])
    return header("CGammaData") + body


def triples(words):
    return [tuple(int(part) for part in word.split(":")) for word in words]


def main(argv):
    if len(argv) >= 4 and argv[1] == "colour":
        data = colour_data(int(argv[3]), triples(argv[4:]))
    elif len(argv) >= 5 and argv[1] == "gamma":
        data = gamma_data(int(argv[3]), float(argv[4]), triples(argv[5:]))
    else:
        raise SystemExit(__doc__)
    with open(argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv)
