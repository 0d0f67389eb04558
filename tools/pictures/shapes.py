"""Filled shapes described row by row: each shape answers, for a horizontal line at height y,
the sorted list of x intervals it covers. The canvas samples those intervals on a finer grid,
which gives anti-aliased edges once the grid is averaged down."""

import math


def merge(spans):
    """Sorts intervals and joins the ones that touch or overlap."""
    spans = sorted(s for s in spans if s[1] > s[0])
    out = []
    for a, b in spans:
        if out and a <= out[-1][1]:
            if b > out[-1][1]:
                out[-1] = (out[-1][0], b)
        else:
            out.append((a, b))
    return out


def subtract(spans, holes):
    out = []
    for a, b in spans:
        pieces = [(a, b)]
        for ha, hb in holes:
            next_pieces = []
            for pa, pb in pieces:
                if hb <= pa or ha >= pb:
                    next_pieces.append((pa, pb))
                    continue
                if ha > pa:
                    next_pieces.append((pa, ha))
                if hb < pb:
                    next_pieces.append((hb, pb))
            pieces = next_pieces
        out.extend(pieces)
    return out


def intersect(spans, others):
    out = []
    for a, b in spans:
        for oa, ob in others:
            lo, hi = max(a, oa), min(b, ob)
            if hi > lo:
                out.append((lo, hi))
    return merge(out)


class Shape:
    ymin = 0.0
    ymax = 0.0

    def spans(self, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union([self, other])

    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.x1 = min(x0, x1), max(x0, x1)
        self.ymin, self.ymax = min(y0, y1), max(y0, y1)

    def spans(self, y):
        if self.ymin <= y < self.ymax:
            return [(self.x0, self.x1)]
        return []


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.x0, self.x1, self.ymin, self.ymax = x0, x1, y0, y1
        self.r = max(0.0, min(r, (x1 - x0) / 2, (y1 - y0) / 2))

    def spans(self, y):
        if not (self.ymin <= y < self.ymax):
            return []
        r = self.r
        dy = 0.0
        if y < self.ymin + r:
            dy = self.ymin + r - y
        elif y > self.ymax - r:
            dy = y - (self.ymax - r)
        inset = r - math.sqrt(max(0.0, r * r - dy * dy)) if dy else 0.0
        return [(self.x0 + inset, self.x1 - inset)]


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry=None):
        ry = rx if ry is None else ry
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.ymin, self.ymax = cy - ry, cy + ry

    def spans(self, y):
        t = (y - self.cy) / self.ry
        if abs(t) >= 1:
            return []
        half = self.rx * math.sqrt(1 - t * t)
        return [(self.cx - half, self.cx + half)]


class Polygon(Shape):
    """Any simple or self-overlapping polygon, filled by the non-zero winding rule."""

    def __init__(self, points):
        self.points = list(points)
        ys = [p[1] for p in self.points]
        self.ymin, self.ymax = min(ys), max(ys)
        n = len(self.points)
        self.edges = [(self.points[i], self.points[(i + 1) % n]) for i in range(n)]

    def spans(self, y):
        crossings = []
        for (x0, y0), (x1, y1) in self.edges:
            if y0 == y1:
                continue
            if (y0 <= y < y1) or (y1 <= y < y0):
                x = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                crossings.append((x, 1 if y1 > y0 else -1))
        crossings.sort()
        out, winding, start = [], 0, 0.0
        for x, d in crossings:
            if winding == 0:
                start = x
            winding += d
            if winding == 0:
                out.append((start, x))
        return out


class Union(Shape):
    def __init__(self, shapes):
        self.shapes = [s for s in shapes if s is not None]
        self.ymin = min(s.ymin for s in self.shapes)
        self.ymax = max(s.ymax for s in self.shapes)

    def spans(self, y):
        all_spans = []
        for s in self.shapes:
            if s.ymin <= y <= s.ymax:
                all_spans.extend(s.spans(y))
        return merge(all_spans)


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.ymin, self.ymax = a.ymin, a.ymax

    def spans(self, y):
        return subtract(self.a.spans(y), self.b.spans(y))


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.ymin, self.ymax = max(a.ymin, b.ymin), min(a.ymax, b.ymax)

    def spans(self, y):
        return intersect(self.a.spans(y), self.b.spans(y))


def line(p, q, width, round_caps=True):
    """A thick segment from p to q; round caps make polylines join smoothly."""
    (x0, y0), (x1, y1) = p, q
    length = math.hypot(x1 - x0, y1 - y0) or 1e-9
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    body = Polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    if not round_caps:
        return body
    return Union([body, Ellipse(x0, y0, width / 2), Ellipse(x1, y1, width / 2)])


def polyline(points, width, closed=False):
    pts = list(points)
    if closed:
        pts.append(pts[0])
    return Union([line(pts[i], pts[i + 1], width) for i in range(len(pts) - 1)])


def ring(cx, cy, r_outer, r_inner, ry_outer=None, ry_inner=None):
    return Ellipse(cx, cy, r_outer, ry_outer) - Ellipse(cx, cy, r_inner, ry_inner)


def round_rect_outline(x0, y0, x1, y1, r, width):
    return RoundRect(x0, y0, x1, y1, r) - RoundRect(x0 + width, y0 + width, x1 - width, y1 - width, r - width)


def arc_points(cx, cy, r, a0, a1, steps=None):
    """Points on a circle from angle a0 to a1 (degrees, counter-clockwise on screen, 0 = right)."""
    steps = steps or max(4, int(abs(a1 - a0) / 3))
    out = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        out.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return out


def sector(cx, cy, r_outer, r_inner, a0, a1):
    """A piece of a ring between two angles (a pie slice when r_inner is 0)."""
    outer = arc_points(cx, cy, r_outer, a0, a1)
    inner = arc_points(cx, cy, r_inner, a1, a0) if r_inner > 0 else [(cx, cy)]
    return Polygon(outer + inner)


def arrow(p, q, width, head_length, head_width):
    """A line from p ending in a triangular head at q."""
    (x0, y0), (x1, y1) = p, q
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    bx, by = x1 - ux * head_length, y1 - uy * head_length
    head = Polygon([(x1, y1), (bx - uy * head_width / 2, by + ux * head_width / 2),
                    (bx + uy * head_width / 2, by - ux * head_width / 2)])
    shaft_end = (x1 - ux * head_length * 0.8, y1 - uy * head_length * 0.8)
    return Union([line(p, shaft_end, width), head])
