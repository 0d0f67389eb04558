#!/usr/bin/env python3
"""Makes the pictures of the dialog library and the application icon.

Every picture is drawn here and written as a 24-bit BMP into external/dialogs_enu/pictures/, at
the size its frame has on a 96-dpi screen and again at 150 % and 200 % (ids 100 and 200 above
it), so that the wizard shows it sharp and undistorted at every screen resolution; the icon goes
to src/launch/Tavrel.ico. To change a picture, edit its function below and run the script again;
the output is the same bytes on every run.

    tools/make-pictures.py                  write the pictures and the icon
    tools/make-pictures.py --preview DIR    also write PNG copies at 2x and a contact sheet
"""

import argparse
import colorsys
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pictures.canvas import Canvas, drawn_at, mix, vertical_gradient, horizontal_gradient  # noqa: E402
from pictures.encoders import bmp_bytes, ico_bytes, png_bytes  # noqa: E402
from pictures.shapes import (Ellipse, Polygon, Rect, RoundRect, arc_points, arrow,  # noqa: E402
                             line, polyline, round_rect_outline, sector)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURE_DIR = os.path.join("external", "dialogs_enu", "pictures")
ICON_PATH = os.path.join("src", "launch", "Tavrel.ico")

# One palette for every picture.
INK = (62, 72, 90)            # outlines and axes
INK_SOFT = (150, 158, 172)    # guides, thin lines
BACKGROUND = (246, 247, 250)  # light ground that sits on a grey dialog
CARD = (255, 255, 255)
ACCENT = (40, 112, 200)       # arrows, curves
ACCENT_LIGHT = (196, 218, 244)
BODY = (228, 232, 238)        # printer casing
BODY_SHADE = (204, 210, 220)
BODY_DARK = (120, 130, 146)
CYAN = (0, 166, 224)
MAGENTA = (224, 38, 134)
YELLOW = (255, 208, 0)
KEY = (46, 50, 60)
GREY_MID = (160, 164, 172)

# The six hue zones of the gamma page: hue angle on the colour circle and a drawing colour.
ZONES = {
    "blue": (240, (44, 78, 214)),
    "cyan": (180, (0, 158, 204)),
    "green": (120, (46, 176, 74)),
    "magenta": (300, (196, 42, 128)),
    "red": (0, (226, 46, 40)),
    "yellow": (60, (250, 206, 20)),
}
ZONE_ORDER = ["blue", "cyan", "green", "magenta", "red", "yellow"]
GAMMAS = [1.4, 1.6, 1.8, 2.0, 2.2, 2.4]


def hue_colour(degrees, strength=1.0, value=0.94):
    """The colour of a hue angle, from grey (strength 0) to full (strength 1)."""
    r, g, b = colorsys.hsv_to_rgb((degrees % 360) / 360.0, 0.88, value)
    full = (r * 255, g * 255, b * 255)
    return mix(GREY_MID, full, strength)


def outlined(canvas, shape_outer, shape_inner, outline, fill):
    canvas.fill(shape_outer, outline)
    canvas.fill(shape_inner, fill)


def soft_shadow(canvas, cx, cy, rx, ry, strength=0.10):
    for i in range(6):
        k = 1 - i / 6
        canvas.fill(Ellipse(cx, cy, rx * (0.55 + 0.45 * k), ry * (0.55 + 0.45 * k)), (60, 70, 90), strength / 3)


def document(canvas, x0, y0, x1, y1, fold=7):
    """A sheet of paper with a folded top-right corner."""
    outer = Polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    inner = Polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)])
    outlined(canvas, outer, inner, INK, CARD)
    canvas.fill(Polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), BODY_SHADE)
    canvas.fill(polyline([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], 1.0), INK)


# ---------------------------------------------------------------- the side picture

def side_printer(w, h):
    c = Canvas(w, h, BACKGROUND)
    c.fill(Rect(0, 0, w, h), vertical_gradient(0, h, (222, 233, 247), (249, 250, 252)))
    # Calm round shapes in the background.
    c.fill(Ellipse(140, 40, 58), (255, 255, 255), 0.35)
    c.fill(Ellipse(20, 120, 44), (255, 255, 255), 0.25)

    # The printer.
    soft_shadow(c, 82, 266, 74, 9, 0.16)
    outlined(c, RoundRect(10, 156, 154, 262, 12), RoundRect(11.3, 157.3, 152.7, 260.7, 10.7), INK, BODY)
    c.fill(RoundRect(11.3, 157.3, 152.7, 182, 10.7), (240, 243, 247))     # top cover, lit
    c.fill(Rect(11.3, 181, 152.7, 182.2), BODY_SHADE)
    c.fill(RoundRect(26, 160, 138, 171, 4), (84, 94, 112))                  # paper slot
    # The printed page coming out of the top of the printer.
    px0, px1, py0 = 36, 128, 34
    c.fill(Rect(px0 + 3, py0 + 4, px1 + 3, 166), (60, 70, 90), 0.10)
    outlined(c, Rect(px0, py0, px1, 167), Rect(px0 + 1, py0 + 1, px1 - 1, 167), INK, CARD)
    # A colour photo on the page: sky, sun and hills.
    ix0, iy0, ix1, iy1 = px0 + 8, py0 + 8, px1 - 8, py0 + 66
    photo = Rect(ix0, iy0, ix1, iy1)
    c.fill(photo, vertical_gradient(iy0, iy1, (92, 170, 236), (200, 230, 250)))
    c.fill(Ellipse(ix1 - 20, iy0 + 17, 9), YELLOW)
    c.fill(Polygon([(ix0, iy1 - 22), (ix0 + 22, iy1 - 36), (ix0 + 46, iy1 - 16), (ix0 + 46, iy1), (ix0, iy1)]), (40, 150, 120))
    c.fill(Polygon([(ix0 + 24, iy1 - 14), (ix0 + 50, iy1 - 30), (ix1, iy1 - 12), (ix1, iy1), (ix0 + 24, iy1)]), (92, 186, 80))
    c.fill(Polygon([(ix0, iy1 - 8), (ix0 + 40, iy1 - 14), (ix1, iy1 - 6), (ix1, iy1), (ix0, iy1)]), (220, 96, 70))
    # Colour bars under the photo, then grey lines standing for text.
    bars = [ZONES[z][1] for z in ("red", "yellow", "green", "cyan", "blue", "magenta")]
    bw = (ix1 - ix0) / len(bars)
    for i, colour in enumerate(bars):
        c.fill(Rect(ix0 + i * bw, iy1 + 7, ix0 + (i + 1) * bw, iy1 + 17), colour)
    for i, length in enumerate((1.0, 0.85, 0.95, 0.6)):
        y = iy1 + 25 + i * 7
        c.fill(RoundRect(ix0, y, ix0 + (ix1 - ix0) * length, y + 3, 1.5), (200, 205, 214))

    # The front lip of the slot hides the bottom of the page.
    c.fill(RoundRect(22, 166, 142, 173, 3), INK)
    c.fill(RoundRect(23, 167, 141, 172, 2.4), (224, 229, 236))
    # Control panel: a small screen, two buttons and the power light.
    outlined(c, RoundRect(102, 192, 142, 214, 4), RoundRect(103.2, 193.2, 140.8, 212.8, 3), INK, (54, 64, 82))
    c.fill(RoundRect(106, 196, 137, 209, 2), vertical_gradient(196, 209, (120, 190, 250), (60, 130, 210)))
    for i, colour in enumerate((BODY_SHADE, BODY_SHADE, (70, 186, 96))):
        outlined(c, Ellipse(108 + i * 13, 225, 4.4), Ellipse(108 + i * 13, 225, 3.4), INK, colour)
    # Front: a stripe of the four inks, and the paper cassette.
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW, KEY)):
        c.fill(RoundRect(24 + i * 17.5, 200, 38 + i * 17.5, 205, 2.5), colour)
    outlined(c, RoundRect(20, 230, 144, 252, 5), RoundRect(21.2, 231.2, 142.8, 250.8, 4), BODY_DARK, (236, 239, 244))
    c.fill(RoundRect(66, 238, 98, 243, 2.5), BODY_DARK)
    c.fill(RoundRect(20, 259, 36, 266, 2), INK)
    c.fill(RoundRect(128, 259, 144, 266, 2), INK)

    # Swatches resting below.
    swatches = [CYAN, MAGENTA, YELLOW, KEY]
    for i, colour in enumerate(swatches):
        x = 22 + i * 32
        c.fill(RoundRect(x + 1.5, 283.5, x + 25.5, 305.5, 5), (60, 70, 90), 0.12)
        outlined(c, RoundRect(x, 282, x + 24, 304, 5), RoundRect(x + 1, 283, x + 23, 303, 4), INK, colour)
    return c


# ---------------------------------------------------------------- colour input dialog

def hue_strength(w, h):
    c = Canvas(w, h, BACKGROUND)
    cx, cy = w / 2, h / 2
    rings, r0, r1 = 6, 9.0, 56.0
    c.fill(Ellipse(cx, cy, r1 + 2.2), (255, 255, 255))
    c.fill(Ellipse(cx, cy, r1 + 2.2) - Ellipse(cx, cy, r1 + 1.2), INK_SOFT)
    for k in range(rings):
        ra = r0 + (r1 - r0) * k / rings
        rb = r0 + (r1 - r0) * (k + 1) / rings
        gap = math.degrees(0.35 / ((ra + rb) / 2))
        for i in range(36):
            hue = i * 10
            colour = hue_colour(hue, (k + 1) / rings)
            c.fill(sector(cx, cy, rb - 0.35, ra + 0.35, hue - 5 + gap, hue + 5 - gap), colour)
    c.fill(Ellipse(cx, cy, r0 - 0.6), GREY_MID)
    return c


# ---------------------------------------------------------------- first page: the three tasks

def task_colour_balance(w, h):
    c = Canvas(w, h, BACKGROUND)
    c.fill(RoundRect(11, 7, 87, 59, 6), (60, 70, 90), 0.10)
    outlined(c, RoundRect(9, 5, 85, 57, 6), RoundRect(10, 6, 84, 56, 5), INK, CARD)
    cols, rows = 5, 3
    size, gap = 12, 2.5
    x0 = 9 + (76 - (cols * size + (cols - 1) * gap)) / 2
    y0 = 5 + (52 - (rows * size + (rows - 1) * gap)) / 2
    for r in range(rows):
        for col in range(cols):
            hue = (350, 40, 130, 195, 265)[col] + (r - 1) * 12
            light = [0.45, 0.0, -0.25][r]
            base = hue_colour(hue, 0.85)
            colour = mix(base, (255, 255, 255), light) if light > 0 else mix(base, (30, 34, 44), -light)
            x, y = x0 + col * (size + gap), y0 + r * (size + gap)
            c.fill(RoundRect(x, y, x + size, y + size, 2.5), colour)
    x, y = x0 + 2 * (size + gap), y0 + (size + gap)
    c.fill(round_rect_outline(x - 2.5, y - 2.5, x + size + 2.5, y + size + 2.5, 4.5, 1.8), ACCENT)
    return c


def task_exchange_files(w, h):
    c = Canvas(w, h, BACKGROUND)

    def setting_file(x0, colours):
        c.fill(Rect(x0 + 2, 10, x0 + 30, 58), (60, 70, 90), 0.10)
        document(c, x0, 8, x0 + 28, 56)
        for i, colour in enumerate(colours):
            c.fill(RoundRect(x0 + 5 + i * 6.5, 18, x0 + 10 + i * 6.5, 23, 1), colour)
        for i, length in enumerate((1.0, 0.7, 0.9, 0.55)):
            y = 29 + i * 6
            c.fill(RoundRect(x0 + 5, y, x0 + 5 + 18 * length, y + 2.4, 1.2), (196, 202, 212))

    setting_file(8, [CYAN, MAGENTA, YELLOW])
    setting_file(60, [ZONES["red"][1], ZONES["green"][1], ZONES["blue"][1]])
    c.fill(arrow((40, 24), (56, 24), 2.6, 6, 7.5), ACCENT)
    c.fill(arrow((56, 40), (40, 40), 2.6, 6, 7.5), ACCENT)
    return c


def printed_tone(gamma, t):
    """The grey that input level t (0 dark .. 1 light) prints as with this gamma, shown on a
    screen whose own gamma is 2.2."""
    v = 255 * (t ** gamma) ** (1 / 2.2)
    return (v, v, v)


def gamma_plot(c, x0, y0, x1, y1, gamma, line_width, ramps=0):
    """Axes from (x0, y1) with the curve out = in ^ gamma and the area under it shaded."""
    def point(t):
        return (x0 + (x1 - x0) * t, y1 - (y1 - y0) * t ** gamma)

    curve = [point(i / 48) for i in range(49)]
    c.fill(Polygon(curve + [(x1, y1), (x0, y1)]), vertical_gradient(y0, y1, ACCENT_LIGHT, mix(ACCENT_LIGHT, CARD, 0.6)))
    # Dashed diagonal: where the curve would lie at gamma 1.
    steps = 14
    for i in range(0, steps, 2):
        a, b = i / steps, (i + 1) / steps
        c.fill(line((x0 + (x1 - x0) * a, y1 - (y1 - y0) * a), (x0 + (x1 - x0) * b, y1 - (y1 - y0) * b), 0.9), INK_SOFT)
    c.fill(polyline(curve, line_width), ACCENT)
    if ramps:
        c.fill(Rect(x0, y1 + 2, x1, y1 + 2 + ramps), horizontal_gradient(x0, x1, (40, 40, 44), (250, 250, 250)))
        c.fill(Rect(x0 - 2 - ramps, y0, x0 - 2, y1), vertical_gradient(y0, y1, (250, 250, 250), (40, 40, 44)))
    c.fill(line((x0, y0 - 3), (x0, y1), 1.3, False) | line((x0, y1), (x1 + 3, y1), 1.3, False), INK)


def task_gamma(w, h):
    c = Canvas(w, h, BACKGROUND)
    c.fill(RoundRect(11, 7, 87, 59, 6), (60, 70, 90), 0.10)
    outlined(c, RoundRect(9, 5, 85, 57, 6), RoundRect(10, 6, 84, 56, 5), INK, CARD)
    gamma_plot(c, 25, 12, 77, 45, 2.2, 2.2, ramps=4)
    return c


# ---------------------------------------------------------------- gamma page

def gamma_scale(w, h):
    """A grey ramp from light to dark with ticks below it, filling a low, wide frame."""
    c = Canvas(w, h, BACKGROUND)
    x0, x1 = 6, w - 6
    top, bottom = 1.5, round(h * 0.58) + 0.5
    c.fill(RoundRect(x0 + 1, top + 1, x1 + 1, bottom + 1, 3), (60, 70, 90), 0.12)
    outlined(c, RoundRect(x0, top, x1, bottom, 3), RoundRect(x0 + 1, top + 1, x1 - 1, bottom - 1, 2),
             INK, horizontal_gradient(x0, x1, (252, 252, 252), (34, 36, 42)))
    tick_top = bottom + 2
    for i in range(11):
        x = round(x0 + 5 + (x1 - x0 - 10) * i / 10) + 0.5
        long_tick = i in (0, 5, 10)
        end = h - 1 if long_tick else tick_top + (h - 1 - tick_top) * 0.55
        c.fill(line((x, tick_top), (x, end), 1.0), INK if long_tick else BODY_DARK)
    return c


def zone_wheel(w, h, zone):
    """The hue circle in pale colours with the zone's part standing out in full colour."""
    hue, colour = ZONES[zone]
    c = Canvas(w, h, BACKGROUND)
    cx, cy = w / 2, h / 2
    for i in range(36):
        a = i * 10
        c.fill(sector(cx, cy, 31, 17, a - 5.2, a + 5.2), mix(hue_colour(a), (255, 255, 255), 0.62))
    soft = sector(cx + 1.2, cy + 1.5, 37, 13, hue - 30, hue + 30)
    c.fill(soft, (60, 70, 90), 0.15)
    c.fill(sector(cx, cy, 37, 13, hue - 30, hue + 30), INK)
    inner = sector(cx, cy, 35.8, 14.2, hue - 28.3, hue + 28.3)
    c.fill(inner, lambda x, y: hue_colour(hue + math.degrees(
        (math.atan2(cy - y, x - cx) - math.radians(hue) + math.pi) % (2 * math.pi) - math.pi) * 0.6, 1.0))
    c.fill(Ellipse(cx, cy, 9.5), INK)
    c.fill(Ellipse(cx, cy, 8.5), colour)
    return c


def zone_adjusted(w, h, zone):
    """The zone's part of the circle close up: strength grows from grey at the tip to full colour
    at the rim, the hue turns towards its neighbours at the sides, and the arrow shows the turn."""
    hue, _ = ZONES[zone]
    c = Canvas(w, h, BACKGROUND)
    ax, ay, radius, half = w / 2, h - 8, 52, 38

    def wedge_colour(x, y):
        d = math.hypot(x - ax, y - ay) / radius
        off = math.degrees(math.atan2(x - ax, ay - y))
        return hue_colour(hue - off * 1.1, min(1.0, d * 1.1))

    outline = Polygon(arc_points(ax, ay, radius + 1.2, 90 + half + 1.5, 90 - half - 1.5) + [(ax, ay + 1.6)])
    c.fill(Polygon(arc_points(ax + 1.2, ay + 1.5, radius + 1.2, 90 + half + 1.5, 90 - half - 1.5) + [(ax + 1.2, ay + 3)]),
           (60, 70, 90), 0.14)
    c.fill(outline, INK)
    c.fill(Polygon(arc_points(ax, ay, radius, 90 + half, 90 - half) + [(ax, ay)]), wedge_colour)
    # Double-headed arrow along the rim.
    r = radius + 6
    span = half - 6
    c.fill(polyline(arc_points(ax, ay, r, 90 - span + 4, 90 + span - 4), 1.8), ACCENT)
    for side in (-1, 1):
        tip_angle = math.radians(90 + side * (span + 3))
        base_angle = math.radians(90 + side * (span - 6))
        tip = (ax + r * math.cos(tip_angle), ay - r * math.sin(tip_angle))
        b1 = (ax + (r - 4) * math.cos(base_angle), ay - (r - 4) * math.sin(base_angle))
        b2 = (ax + (r + 4) * math.cos(base_angle), ay - (r + 4) * math.sin(base_angle))
        c.fill(Polygon([tip, b1, b2]), ACCENT)
    return c


def gamma_curve(w, h, gamma):
    c = Canvas(w, h, BACKGROUND)
    c.fill(RoundRect(5, 5, w - 3, h - 3, 7), (60, 70, 90), 0.10)
    outlined(c, RoundRect(3, 3, w - 5, h - 5, 7), RoundRect(4, 4, w - 6, h - 6, 6), INK_SOFT, CARD)
    x0, y0, x1, y1 = 20, 12, w - 16, h - 18
    for t in (0.25, 0.5, 0.75):
        c.fill(Rect(x0 + (x1 - x0) * t - 0.4, y0, x0 + (x1 - x0) * t + 0.4, y1), (228, 232, 238))
        c.fill(Rect(x0, y1 - (y1 - y0) * t - 0.4, x1, y1 - (y1 - y0) * t + 0.4), (228, 232, 238))
    gamma_plot(c, x0, y0, x1, y1, gamma, 2.4, ramps=4)
    # The mid-grey of the input, and how dark it prints with this gamma.
    mx, my = x0 + (x1 - x0) * 0.5, y1 - (y1 - y0) * 0.5 ** gamma
    grey = printed_tone(gamma, 0.5)
    c.fill(Ellipse(mx, my, 3.6), INK)
    c.fill(Ellipse(mx, my, 2.5), grey)
    outlined(c, RoundRect(x0 + 5, y0 - 2, x0 + 21, y0 + 14, 3), RoundRect(x0 + 6, y0 - 1, x0 + 20, y0 + 13, 2), INK, grey)
    return c


# ---------------------------------------------------------------- application icon

def icon(size):
    c = Canvas(size, size, None, ss=8)
    if size <= 16:
        _icon_small(c)
    else:
        _icon_large(c, size / 48.0)
    return c


def _icon_small(c):
    outlined(c, Rect(3.5, 0.5, 12.5, 8), Rect(4.5, 1.5, 11.5, 8), INK, CARD)
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW)):
        c.fill(Rect(5 + i * 2, 2.5, 7 + i * 2, 6), colour)
    outlined(c, RoundRect(0.5, 6, 15.5, 13, 1.8), RoundRect(1.5, 7, 14.5, 12, 1), INK, BODY_SHADE)
    c.fill(Rect(1.5, 7, 14.5, 8.5), (244, 246, 249))
    c.fill(Rect(12, 9, 14, 10.5), (60, 180, 90))
    outlined(c, Rect(3.5, 10.5, 12.5, 15.5), Rect(4.5, 11.5, 11.5, 14.5), INK, CARD)


def _icon_large(c, s):
    def R(x0, y0, x1, y1, r=0):
        return RoundRect(x0 * s, y0 * s, x1 * s, y1 * s, r * s)

    o = max(1.0, 1.5 * s)
    outlined(c, R(11, 2, 37, 24), RoundRect(11 * s + o, 2 * s + o, 37 * s - o, 24 * s, 0), INK, CARD)
    for dx, dy, colour in ((-3.4, -1.7, CYAN), (3.4, -1.7, MAGENTA), (0, 4.1, YELLOW)):
        c.fill(Ellipse((24 + dx) * s, (12 + dy) * s, 4.8 * s), colour, 0.85)
    outlined(c, R(2, 19, 46, 39, 5), RoundRect(2 * s + o, 19 * s + o, 46 * s - o, 39 * s - o, 5 * s - o), INK, BODY_SHADE)
    c.fill(RoundRect(2 * s + o, 19 * s + o, 46 * s - o, 26 * s, 5 * s - o), (244, 246, 249))
    c.fill(R(36, 29, 42, 32, 1), (60, 180, 90))
    c.fill(R(9, 31, 39, 34, 1.5), (84, 94, 112))
    outlined(c, R(11, 32, 37, 46), RoundRect(11 * s + o, 32 * s + o, 37 * s - o, 46 * s - o, 0), INK, CARD)
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW)):
        c.fill(R(15 + i * 6.5, 37, 20 + i * 6.5, 41, 0.8), colour)


# ---------------------------------------------------------------- the list and the writer

# The icon's sizes: title bar and list (16), large icon (32), Explorer (48), each at 150 and
# 200 % too where the screen has more pixels per inch.
ICON_SIZES = (16, 24, 32, 48, 64)

# The sizes at which a picture is drawn besides 100 %, and the id step of each.
SCALES = [(1.0, 0), (1.5, 100), (2.0, 200)]


def picture_list():
    """(id, name, width, height, draw): the size is the frame's on a 96-dpi screen; draw(width,
    height) makes the picture, possibly from a drawing of another size fitted into that one."""
    def fitted(draw, w, h):
        return lambda _w, _h: draw(w, h)

    items = [
        (1500, "side_printer", 164, 314, side_printer),
        (1501, "hue_strength", 66, 65, fitted(hue_strength, 120, 120)),
        (1502, "task_colour_balance", 96, 64, task_colour_balance),
        (1503, "task_exchange_files", 96, 64, task_exchange_files),
        (1504, "gamma_scale", 189, 23, gamma_scale),
    ]
    for i, zone in enumerate(ZONE_ORDER):
        items.append((1505 + i, "zone_%s" % zone, 75, 81, fitted(lambda w, h, z=zone: zone_wheel(w, h, z), 80, 80)))
    for i, zone in enumerate(ZONE_ORDER):
        items.append((1511 + i, "zone_%s_adjusted" % zone, 75, 81,
                      fitted(lambda w, h, z=zone: zone_adjusted(w, h, z), 80, 80)))
    for i, gamma in enumerate(GAMMAS):
        name = "gamma_curve_%d" % round(gamma * 10)
        items.append((1517 + i, name, 147, 91, lambda w, h, g=gamma: gamma_curve(w, h, g)))
    items.append((1523, "task_gamma", 96, 64, task_gamma))
    return items


def scaled_files(pid, name, w, h):
    """(id, file name, width, height) of a picture at each of its scales."""
    files = []
    for scale, step in SCALES:
        suffix = "" if step == 0 else "_%d" % round(scale * 100)
        files.append((pid + step, "%d_%s%s.bmp" % (pid + step, name, suffix), int(w * scale + 0.5), int(h * scale + 0.5)))
    return files


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def contact_sheet(images, scale=2, max_width=1100, gap=8, ground=(212, 208, 200)):
    """All pictures laid out in rows on a dialog-grey ground, for judging them together."""
    places, x, y, row_h, width = [], gap, gap, 0, 0
    for pixels in images:
        w, h = len(pixels[0]) * scale, len(pixels) * scale
        if x + w + gap > max_width and x > gap:
            x, y, row_h = gap, y + row_h + gap, 0
        places.append((x, y))
        x += w + gap
        row_h = max(row_h, h)
        width = max(width, x)
    height = y + row_h + gap
    sheet = [[ground + (255,)] * width for _ in range(height)]
    for (ox, oy), pixels in zip(places, images):
        for y, row in enumerate(pixels):
            for x, px in enumerate(row):
                a = px[3] / 255.0
                blended = tuple(int(round(px[i] * a + ground[i] * (1 - a))) for i in range(3)) + (255,)
                for dy in range(scale):
                    line = sheet[oy + y * scale + dy]
                    for dx in range(scale):
                        line[ox + x * scale + dx] = blended
    return sheet


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write PNG previews at 2x and a contact sheet here")
    parser.add_argument("--only", type=int, action="append", help="make only this picture id (repeatable)")
    parser.add_argument("--root", default=ROOT, help="write below this folder instead of the source tree")
    args = parser.parse_args(argv)

    print("%-5s %-9s %s" % ("id", "size", "file"))
    previews = []
    for pid, name, w, h, draw in picture_list():
        if args.only and pid not in args.only:
            continue
        for scaled_id, filename, sw, sh in scaled_files(pid, name, w, h):
            with drawn_at(sw, sh):
                pixels = draw(w, h).pixels()
            assert len(pixels) == sh and len(pixels[0]) == sw
            path = os.path.join(PICTURE_DIR, filename)
            write(os.path.join(args.root, path), bmp_bytes(pixels))
            print("%-5d %-9s %s" % (scaled_id, "%dx%d" % (sw, sh), path))
            previews.append((filename[:-4], pixels))

    if not args.only:
        icons = [icon(size).pixels() for size in ICON_SIZES]
        write(os.path.join(args.root, ICON_PATH), ico_bytes(icons))
        print("%-5d %-9s %s" % (107, "/".join(str(s) for s in ICON_SIZES), ICON_PATH))
        for size, pixels in zip(ICON_SIZES, icons):
            previews.append(("107_icon_%d" % size, pixels))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, pixels in previews:
            write(os.path.join(args.preview, name + ".png"), png_bytes(pixels, 2))
        write(os.path.join(args.preview, "contact_sheet.png"), png_bytes(contact_sheet([p for _, p in previews]), 1))
    return 0


if __name__ == "__main__":
    sys.exit(main())
