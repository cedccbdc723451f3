"""A small anti-aliased rasteriser and PNG writer (standard library only) for the skin.

Shapes are signed distance functions; a pixel's coverage is clamp(0.5 - d), which gives
one-pixel anti-aliased edges. Colours are (r, g, b, a) with a in 0..1.
"""
import math
import struct
import zlib


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c1, c2, t):
    return tuple(c1[i] + (c2[i] - c1[i]) * t for i in range(4))


def rgb(hexcode, a=1.0):
    h = hexcode.lstrip('#')
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16), a)


class Image:
    def __init__(self, w, h):
        self.w, self.h = w, h
        # Premultiplied float pixels.
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def blend(self, x, y, color, cov):
        if cov <= 0:
            return
        a = color[3] * cov
        p = self.px[y * self.w + x]
        k = 1 - a
        p[0] = color[0] * a + p[0] * k
        p[1] = color[1] * a + p[1] * k
        p[2] = color[2] * a + p[2] * k
        p[3] = a + p[3] * k

    def erase(self, x, y, cov):
        """Cuts coverage out of what is there (destination-out)."""
        p = self.px[y * self.w + x]
        k = 1 - clamp(cov)
        for i in range(4):
            p[i] *= k

    def shape(self, sdf, paint, box=None, grow=1.5):
        """Fills the shape; paint is a colour or a function (x, y) -> colour."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0 = max(0, int(math.floor(x0 - grow)))
        y0 = max(0, int(math.floor(y0 - grow)))
        x1 = min(self.w, int(math.ceil(x1 + grow)))
        y1 = min(self.h, int(math.ceil(y1 + grow)))
        solid = not callable(paint)
        for y in range(y0, y1):
            cy = y + 0.5
            for x in range(x0, x1):
                cx = x + 0.5
                cov = clamp(0.5 - sdf(cx, cy))
                if cov > 0:
                    self.blend(x, y, paint if solid else paint(cx, cy), cov)

    def png(self):
        rows = bytearray()
        for y in range(self.h):
            rows.append(0)
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 1e-6:
                    rows += b'\0\0\0\0'
                    continue
                rows += bytes((int(clamp(r / a, 0, 255) + 0.5), int(clamp(g / a, 0, 255) + 0.5),
                               int(clamp(b / a, 0, 255) + 0.5), int(clamp(a) * 255 + 0.5)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

        header = struct.pack('>IIBBBBB', self.w, self.h, 8, 6, 0, 0, 0)
        return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                chunk(b'IDAT', zlib.compress(bytes(rows), 9)) + chunk(b'IEND', b''))


# Signed distance functions (negative inside).

def round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return f


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(sdf, width):
    return lambda x, y: abs(sdf(x, y) + width / 2) - width / 2


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy or 1e-9

    def f(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / ll)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return f


def polyline(points, width):
    segs = [segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)]
    return lambda x, y: min(s(x, y) for s in segs)


def union(*sdfs):
    return lambda x, y: min(s(x, y) for s in sdfs)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def vgradient(top, bottom, y0, y1):
    return lambda x, y: mix(top, bottom, clamp((y - y0) / max(1e-9, y1 - y0)))


def dgradient(c1, c2, w, h):
    return lambda x, y: mix(c1, c2, clamp((x / w + y / h) / 2))


# A small stroke alphabet on a 4 x 6 grid, for wordmarks.
GLYPHS = {
    'O': [[(2, 0), (3.4, 0.6), (4, 2), (4, 4), (3.4, 5.4), (2, 6), (0.6, 5.4), (0, 4), (0, 2),
           (0.6, 0.6), (2, 0)]],
    'R': [[(0, 6), (0, 0), (2.8, 0), (3.8, 0.8), (3.8, 2.2), (2.8, 3), (0, 3)], [(2, 3), (4, 6)]],
    'V': [[(0, 0), (2, 6), (4, 0)]],
    'I': [[(0, 0), (0, 6)]],
    'Z': [[(0, 0), (4, 0), (0, 6), (4, 6)]],
    'E': [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    'L': [[(0, 0), (0, 6), (4, 6)]],
    'S': [[(4, 0.6), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6),
           (1, 6), (0, 5.4)]],
    'T': [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    'U': [[(0, 0), (0, 4.6), (1, 6), (3, 6), (4, 4.6), (4, 0)]],
    'P': [[(0, 6), (0, 0), (2.8, 0), (3.8, 0.8), (3.8, 2.2), (2.8, 3), (0, 3)]],
    'N': [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    'A': [[(0, 6), (2, 0), (4, 6)], [(0.8, 3.8), (3.2, 3.8)]],
}


def text_sdf(text, x, y, height, width_stroke, spacing=1.6):
    """The wordmark text with its top-left corner at (x, y), glyph height height."""
    s = height / 6.0
    parts = []
    cx = x
    for ch in text:
        if ch == ' ':
            cx += 3 * s
            continue
        for line in GLYPHS[ch]:
            parts.append(polyline([(cx + px * s, y + py * s) for px, py in line], width_stroke))
        cx += ((0 if ch == 'I' else 4) + spacing) * s
    return union(*parts), cx - spacing * s


def text_width(text, height, spacing=1.6):
    return text_sdf(text, 0, 0, height, 1, spacing)[1]
