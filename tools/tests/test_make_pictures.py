"""Checks of the picture tool: the file formats Windows reads, the anti-aliased drawing, and that
the committed pictures are what the script makes."""

import contextlib
import importlib.util
import io
import os
import struct
import sys
import tempfile
import unittest
import zlib

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)

from pictures.canvas import Canvas  # noqa: E402
from pictures.encoders import bmp_bytes, ico_bytes, png_bytes  # noqa: E402
from pictures.shapes import Ellipse, Polygon, Rect, RoundRect, arrow, line, merge, sector, subtract  # noqa: E402

_spec = importlib.util.spec_from_file_location("make_pictures", os.path.join(TOOLS, "make-pictures.py"))
make_pictures = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(make_pictures)

RED, GREEN, BLUE, CLEAR = (255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (0, 0, 0, 0)


def read_bmp(data):
    """Width, height and rows top to bottom of (r, g, b) from a 24-bit bottom-up bitmap."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert (magic, file_size, size, planes, bits, compression) == (b"BM", len(data), 40, 1, 24, 0)
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        rows.append([tuple(reversed(data[start + 3 * x:start + 3 * x + 3])) for x in range(width)])
    return width, height, rows


class EncoderTest(unittest.TestCase):
    def test_bmp_is_bottom_up_bgr_with_padded_rows(self):
        pixels = [[RED, GREEN, BLUE], [BLUE, RED, GREEN]]
        data = bmp_bytes(pixels)
        self.assertEqual(len(data), 54 + 2 * 12)  # 3 pixels = 9 bytes, padded to 12
        self.assertEqual(struct.unpack_from("<i", data, 22)[0], 2)  # positive height: bottom-up
        self.assertEqual(data[54:57], bytes((255, 0, 0)))  # first stored pixel: bottom-left, blue
        self.assertEqual(data[63:66], b"\0\0\0")  # the padding
        self.assertEqual(read_bmp(data)[2], [[p[:3] for p in row] for row in pixels])

    def test_ico_entries_carry_alpha_and_and_mask(self):
        small = [[RED if (x + y) % 2 else CLEAR for x in range(16)] for y in range(16)]
        large = [[BLUE] * 32 for _ in range(32)]
        data = ico_bytes([small, large])
        self.assertEqual(struct.unpack_from("<HHH", data, 0), (0, 1, 2))
        end = 6 + 2 * 16
        for n, size in enumerate((16, 32)):
            w, h, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
            self.assertEqual((w, h, planes, bits, offset), (size, size, 1, 32, end))
            header = struct.unpack_from("<IiiHHI", data, offset)
            self.assertEqual(header, (40, size, 2 * size, 1, 32, 0))  # height counts both masks
            mask_bytes = size * 4  # rows of 1 bit padded to 32 bits
            self.assertEqual(length, 40 + size * size * 4 + mask_bytes)
            end = offset + length
        self.assertEqual(end, len(data))
        first = struct.unpack_from("<I", data, 6 + 12)[0]
        colour = data[first + 40:first + 40 + 16 * 16 * 4]
        mask = data[first + 40 + len(colour):first + 40 + len(colour) + 64]
        # Bottom row (y = 15) is stored first: x = 0 is red and opaque, x = 1 clear.
        self.assertEqual(colour[0:8], bytes((0, 0, 255, 255, 0, 0, 0, 0)))
        self.assertEqual(mask[0], 0b01010101)

    def test_png_decodes_to_the_scaled_pixels(self):
        data = png_bytes([[RED, CLEAR]], scale=2)
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        pos, chunks = 8, {}
        while pos < len(data):
            length, kind = struct.unpack_from(">I4s", data, pos)
            body = data[pos + 8:pos + 8 + length]
            crc = struct.unpack_from(">I", data, pos + 8 + length)[0]
            self.assertEqual(crc, zlib.crc32(kind + body) & 0xFFFFFFFF)
            chunks[kind] = body
            pos += 12 + length
        self.assertEqual(struct.unpack_from(">II", chunks[b"IHDR"]), (4, 2))
        row = b"\0" + bytes(RED) * 2 + bytes(CLEAR) * 2
        self.assertEqual(zlib.decompress(chunks[b"IDAT"]), row * 2)


class DrawingTest(unittest.TestCase):
    def coverage(self, shape, size=8):
        c = Canvas(size, size, None, ss=4)
        c.fill(shape, (255, 255, 255))
        return [[px[3] / 255.0 for px in row] for row in c.pixels()]

    def test_pixel_aligned_rectangle_is_sharp_and_half_pixel_edge_is_half_covered(self):
        cover = self.coverage(Rect(2, 2, 4.5, 4))
        self.assertEqual([round(v, 2) for v in cover[2][:6]], [0, 0, 1, 1, 0.5, 0])
        self.assertEqual(cover[1][2], 0)
        self.assertEqual(cover[4][2], 0)

    def test_areas_of_circle_line_and_polygon(self):
        self.assertAlmostEqual(sum(map(sum, self.coverage(Ellipse(4, 4, 3)))), 3.14159 * 9, delta=0.4)
        self.assertAlmostEqual(sum(map(sum, self.coverage(line((1, 4), (7, 4), 2, False)))), 12, delta=0.2)
        corners = [(0.3, 0.1), (7.9, 0.6), (1.2, 7.7)]
        area = abs(sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(corners, corners[1:] + corners[:1]))) / 2
        self.assertAlmostEqual(sum(map(sum, self.coverage(Polygon(corners)))), area, delta=0.3)

    def test_difference_leaves_a_hole_and_overlaps_are_not_painted_twice(self):
        ring = self.coverage(Rect(0, 0, 8, 8) - Rect(2, 2, 6, 6))
        self.assertEqual((ring[0][0], ring[4][4]), (1.0, 0.0))
        c = Canvas(4, 1, (0, 0, 0), ss=2)
        c.fill(Rect(0, 0, 3, 1) | Rect(1, 0, 4, 1), (200, 200, 200), 0.5)
        self.assertEqual({px[0] for px in c.pixels()[0]}, {100})

    def test_painting_over_transparency_keeps_the_colour(self):
        c = Canvas(2, 1, None, ss=2)
        c.fill(Rect(0, 0, 1, 1), (10, 20, 30), 0.5)
        self.assertEqual(c.pixels()[0], [(10, 20, 30, 128), (0, 0, 0, 0)])


class GeometryTest(unittest.TestCase):
    def test_span_merge_and_subtract(self):
        self.assertEqual(merge([(5, 6), (0, 2), (1, 3), (4, 4)]), [(0, 3), (5, 6)])
        self.assertEqual(subtract([(0, 10)], [(2, 3), (5, 12)]), [(0, 2), (3, 5)])

    def test_angles_run_counter_clockwise_from_the_right(self):
        right = sector(4, 4, 4, 0, -20, 20)
        up = sector(4, 4, 4, 0, 70, 110)
        self.assertTrue(right.spans(4.1)[0][1] > 7.5 and right.spans(4.1)[0][0] >= 3.9)
        self.assertTrue(up.ymin < 0.5 and up.ymax <= 4.01)

    def test_round_rect_cuts_its_corners_and_arrow_ends_at_its_tip(self):
        box = RoundRect(0, 0, 10, 10, 4)
        self.assertGreater(box.spans(0.2)[0][0], 2)
        self.assertEqual(box.spans(5), [(0, 10)])
        head = arrow((0, 5), (10, 5), 1, 3, 4)
        self.assertAlmostEqual(max(b for a, b in head.spans(5)), 10, delta=0.05)


class PictureMeaningTest(unittest.TestCase):
    """What the pictures must show, whatever their drawing."""

    def test_gamma_curves_run_from_lightest_to_darkest(self):
        """Each higher gamma prints the mid-grey darker and bends the curve further down."""
        patch_levels, curve_rows = [], []
        for gamma in make_pictures.GAMMAS:
            pixels = make_pictures.gamma_curve(120, 90, gamma).pixels()
            patch_levels.append(pixels[18][34][0])
            column = [row[80] for row in pixels]
            distance = [sum(abs(a - b) for a, b in zip(px, make_pictures.ACCENT)) for px in column]
            curve_rows.append(distance.index(min(distance)))
        self.assertEqual(patch_levels, sorted(patch_levels, reverse=True))
        self.assertEqual(len(set(patch_levels)), len(patch_levels))
        self.assertEqual(curve_rows, sorted(curve_rows))
        self.assertEqual(len(set(curve_rows)), len(curve_rows))

    def test_zone_picture_stands_out_at_its_own_hue(self):
        import colorsys
        import math
        for zone, (hue, _) in make_pictures.ZONES.items():
            pixels = make_pictures.zone_wheel(80, 80, zone).pixels()

            def saturation_at(angle):
                x = int(40 + 30 * math.cos(math.radians(angle)))
                y = int(40 - 30 * math.sin(math.radians(angle)))
                r, g, b, _ = pixels[y][x]
                return colorsys.rgb_to_hsv(r / 255, g / 255, b / 255)

            h, s, _ = saturation_at(hue)
            self.assertLess(min(abs(h * 360 - hue), 360 - abs(h * 360 - hue)), 20, zone)
            self.assertGreater(s, 0.6, zone)
            self.assertLess(saturation_at(hue + 180)[1], 0.45, zone)

    def test_icon_is_a_shape_on_transparency(self):
        for size in make_pictures.ICON_SIZES:
            pixels = make_pictures.icon(size).pixels()
            self.assertEqual(pixels[0][0][3], 0)
            self.assertEqual(pixels[size // 2][size // 2][3], 255)


class CommittedPicturesTest(unittest.TestCase):
    def test_every_picture_is_committed_at_its_sizes(self):
        folder = os.path.join(make_pictures.ROOT, make_pictures.PICTURE_DIR)
        committed = set(os.listdir(folder))
        made = set()
        for pid, name, w, h, _ in make_pictures.picture_list():
            sizes = []
            for scaled_id, filename, sw, sh in make_pictures.scaled_files(pid, name, w, h):
                with open(os.path.join(folder, filename), "rb") as f:
                    self.assertEqual(read_bmp(f.read())[:2], (sw, sh), filename)
                sizes.append((sw, sh))
                made.add(filename)
            # The larger drawings keep the shape of the first within a pixel.
            for sw, sh in sizes[1:]:
                self.assertLessEqual(abs(sw * h - sh * w), max(w, h), name)
        self.assertEqual(committed - made, set(), "pictures no longer made")

    def test_script_reproduces_committed_bytes(self):
        # Two quick ones, at their three sizes; the whole set takes minutes.
        ids = [pid for pid, name, _, _, _ in make_pictures.picture_list() if name in ("task_colour_balance", "gamma_scale")]
        self.assertEqual(len(ids), 2)
        with tempfile.TemporaryDirectory() as out:
            with contextlib.redirect_stdout(io.StringIO()):
                make_pictures.main(["--root", out] + [a for i in ids for a in ("--only", str(i))])
            made = sorted(os.listdir(os.path.join(out, make_pictures.PICTURE_DIR)))
            self.assertEqual([n[:4] for n in made], sorted(str(i + step) for i in ids for _, step in make_pictures.SCALES))
            for name in made:
                with open(os.path.join(out, make_pictures.PICTURE_DIR, name), "rb") as f:
                    fresh = f.read()
                with open(os.path.join(make_pictures.ROOT, make_pictures.PICTURE_DIR, name), "rb") as f:
                    self.assertEqual(fresh, f.read(), name + " differs: run tools/make-pictures.py")

    def test_icon_holds_every_size(self):
        with open(os.path.join(make_pictures.ROOT, make_pictures.ICON_PATH), "rb") as f:
            data = f.read()
        count = struct.unpack_from("<H", data, 4)[0]
        sizes = [struct.unpack_from("<BBBBHH", data, 6 + 16 * n)[:2] + struct.unpack_from("<BBBBHH", data, 6 + 16 * n)[5:]
                 for n in range(count)]
        self.assertEqual(sizes, [(n, n, 32) for n in make_pictures.ICON_SIZES])


if __name__ == "__main__":
    unittest.main()
