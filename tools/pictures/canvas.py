"""A supersampled RGBA canvas: shapes are sampled on a grid `ss` times finer than the picture
and averaged down, so every edge comes out anti-aliased. Colours are 0..255 floats kept
premultiplied by alpha (0..1), which makes averaging and painting over transparency exact.

A drawing is made in its own units. Inside `drawn_at(width, height)` every canvas comes out at
that size instead, the drawing scaled evenly to fit and centred on the background; this is how
one drawing gives the same picture for 100, 150 and 200 % screens."""

import contextlib
import math

_target = None  # (width, height) of the pictures made inside drawn_at, else None


@contextlib.contextmanager
def drawn_at(width, height):
    global _target
    previous, _target = _target, (width, height)
    try:
        yield
    finally:
        _target = previous


class Canvas:
    def __init__(self, width, height, background=None, ss=4):
        out_w, out_h = _target if _target else (width, height)
        # Picture pixels per drawing unit, and where the drawing's origin lands.
        self.scale = min(out_w / width, out_h / height)
        self.ox = (out_w - width * self.scale) / 2
        self.oy = (out_h - height * self.scale) / 2
        self.width, self.height, self.ss = out_w, out_h, ss
        self.W, self.H = out_w * ss, out_h * ss
        r, g, b = background if background else (0.0, 0.0, 0.0)
        a = 1.0 if background else 0.0
        self.rows = [[[r] * self.W, [g] * self.W, [b] * self.W, [a] * self.W] for _ in range(self.H)]

    def fill(self, shape, colour, alpha=1.0):
        """Paints `shape` with a colour (r, g, b) or a function (x, y) -> (r, g, b) of picture
        coordinates, at the given opacity."""
        ss, k = self.ss, self.scale
        j0 = max(0, int(math.floor((shape.ymin * k + self.oy) * ss)))
        j1 = min(self.H, int(math.ceil((shape.ymax * k + self.oy) * ss)) + 1)
        by_point = callable(colour)
        for j in range(j0, j1):
            y = ((j + 0.5) / ss - self.oy) / k
            spans = shape.spans(y)
            if not spans:
                continue
            row = self.rows[j]
            for xa, xb in spans:
                i0 = max(0, int(math.ceil((xa * k + self.ox) * ss - 0.5)))
                i1 = min(self.W, int(math.ceil((xb * k + self.ox) * ss - 0.5)))  # half-open: shapes that abut share no sample
                if i1 <= i0:
                    continue
                if by_point:
                    self._fill_by_point(row, i0, i1, y, colour, alpha)
                else:
                    self._fill_solid(row, i0, i1, colour, alpha)

    @staticmethod
    def _fill_solid(row, i0, i1, colour, alpha):
        n = i1 - i0
        if alpha >= 1.0:
            for channel, value in zip(row, (colour[0], colour[1], colour[2], 1.0)):
                channel[i0:i1] = [value] * n
            return
        keep = 1.0 - alpha
        for channel, value in zip(row, (colour[0] * alpha, colour[1] * alpha, colour[2] * alpha, alpha)):
            channel[i0:i1] = [v * keep + value for v in channel[i0:i1]]

    def _fill_by_point(self, row, i0, i1, y, colour, alpha):
        ss, k, ox = self.ss, self.scale, self.ox
        r, g, b, a = row
        keep = 1.0 - alpha
        for i in range(i0, i1):
            cr, cg, cb = colour(((i + 0.5) / ss - ox) / k, y)
            r[i] = r[i] * keep + cr * alpha
            g[i] = g[i] * keep + cg * alpha
            b[i] = b[i] * keep + cb * alpha
            a[i] = a[i] * keep + alpha

    def pixels(self):
        """The picture at its own size: rows top to bottom of (r, g, b, a) tuples, 0..255 ints,
        colours no longer premultiplied."""
        ss = self.ss
        area = ss * ss
        out = []
        for y in range(self.height):
            block = self.rows[y * ss:(y + 1) * ss]
            line = []
            for x in range(self.width):
                sums = [0.0, 0.0, 0.0, 0.0]
                for sub in block:
                    for c in range(4):
                        sums[c] += sum(sub[c][x * ss:(x + 1) * ss])
                a = sums[3] / area
                if a <= 1e-6:
                    line.append((0, 0, 0, 0))
                    continue
                colour = tuple(_byte(sums[c] / area / a) for c in range(3))
                line.append(colour + (_byte(a * 255),))
            out.append(line)
        return out


def _byte(v):
    return max(0, min(255, int(math.floor(v + 0.5))))


def mix(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vertical_gradient(y0, y1, c0, c1):
    return lambda x, y: mix(c0, c1, (y - y0) / (y1 - y0))


def horizontal_gradient(x0, x1, c0, c1):
    return lambda x, y: mix(c0, c1, (x - x0) / (x1 - x0))


def radial_gradient(cx, cy, r, c0, c1):
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)
