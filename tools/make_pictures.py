#!/usr/bin/env python3
"""Draws the pictures of Zantrel Velquist Creator and writes them into assets/.

    python3 tools/make_pictures.py            # remake the files
    python3 tools/make_pictures.py --check    # same, then read them back

Everything is drawn here from code: the shapes, the globe and the bitmap font
of the logo's name. Pillow (Debian's python3-pil) reduces the colours to a
palette and writes the BMP, GIF, PNG and DIB data; only the icon file's
directory and masks are put together here. Nothing random is used beyond a
fixed-seed generator of our own, so every run writes the same bytes.

Files written:
    assets/logo.bmp          128 x 280, 8 bits per pixel, 256-colour palette
    assets/logo_150.bmp      the same drawing at 150 % (192 x 420) and
    assets/logo_200.bmp      200 % (256 x 560), for high-DPI screens
    assets/logo_150.png, logo_200.png
                             the two larger ones, compressed, for the Windows
                             program file (it holds the 100 % one as the
                             bitmap)
    assets/page_icon.gif     32 x 32, GIF89a, colour 0 transparent
    assets/page_icon.ico     the page icon for Windows: 32, 48, 64 pixels, 32 bits with alpha
    assets/app_icon.ico      16, 32 and 48 pixels, each in 8 bits and in 32 bits
    assets/app_icon_N.png    the application icon for the Linux desktop, N = 16, 32, 48, 256
    assets/separator.bmp     1 x 2, 24 bits per pixel; separator_150.bmp (1 x 3)
                             and separator_200.bmp (1 x 4) at the larger scales
"""

import io
import math
import os
import struct
import sys

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")


# ---------------------------------------------------------------------------
# Small helpers
# ---------------------------------------------------------------------------

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(c0, c1, t):
    """Linear mix of two RGB colours (0..255 floats), t in 0..1."""
    t = clamp(t)
    return (c0[0] + (c1[0] - c0[0]) * t,
            c0[1] + (c1[1] - c0[1]) * t,
            c0[2] + (c1[2] - c0[2]) * t)


def scale(c, k):
    return (c[0] * k, c[1] * k, c[2] * k)


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


class Rng:
    """xorshift32: a tiny generator whose output never depends on Python."""

    def __init__(self, seed):
        self.s = seed & 0xFFFFFFFF or 1

    def next(self):
        s = self.s
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        self.s = s
        return s

    def uniform(self, a=0.0, b=1.0):
        return a + (b - a) * (self.next() / 4294967296.0)


def hash3(ix, iy, iz, seed):
    h = (ix * 374761393 + iy * 668265263 + iz * 2147483647 + seed * 144665) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return h / 4294967295.0


def value_noise3(x, y, z, seed):
    ix, iy, iz = math.floor(x), math.floor(y), math.floor(z)
    fx, fy, fz = x - ix, y - iy, z - iz
    ux = fx * fx * (3 - 2 * fx)
    uy = fy * fy * (3 - 2 * fy)
    uz = fz * fz * (3 - 2 * fz)

    def h(dx, dy, dz):
        return hash3(ix + dx, iy + dy, iz + dz, seed)

    x00 = h(0, 0, 0) + (h(1, 0, 0) - h(0, 0, 0)) * ux
    x10 = h(0, 1, 0) + (h(1, 1, 0) - h(0, 1, 0)) * ux
    x01 = h(0, 0, 1) + (h(1, 0, 1) - h(0, 0, 1)) * ux
    x11 = h(0, 1, 1) + (h(1, 1, 1) - h(0, 1, 1)) * ux
    y0 = x00 + (x10 - x00) * uy
    y1 = x01 + (x11 - x01) * uy
    return y0 + (y1 - y0) * uz


def fractal3(x, y, z, seed, octaves=4):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += value_noise3(x, y, z, seed + o * 17) * amp
        norm += amp
        amp *= 0.5
        x, y, z = x * 2.03, y * 2.03, z * 2.03
    return total / norm


# ---------------------------------------------------------------------------
# A supersampled canvas: premultiplied RGBA samples, S x S of them per pixel
# ---------------------------------------------------------------------------

class Canvas:
    """width x height pixels; the drawing calls work in design units, `unit`
    pixels each, so one drawing can be made at several sizes."""

    def __init__(self, width, height, ss, unit=1.0):
        self.w, self.h, self.ss, self.unit = width, height, ss, unit
        n = width * ss * height * ss
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def fill_from_pixels(self, pixels):
        """Starts from an opaque picture given pixel by pixel (RGB tuples)."""
        ss, sw = self.ss, self.w * self.ss
        for y in range(self.h):
            for x in range(self.w):
                c = pixels[y * self.w + x]
                for sy in range(ss):
                    row = (y * ss + sy) * sw + x * ss
                    for sx in range(ss):
                        i = row + sx
                        self.r[i], self.g[i], self.b[i], self.a[i] = c[0], c[1], c[2], 1.0

    def paint(self, box, fn):
        """Calls fn(x, y) at each sample centre inside box (design units).

        fn gives None (nothing there) or (r, g, b, alpha); the colour is laid
        over what is already there.
        """
        ss = self.ss
        sw, sh = self.w * ss, self.h * ss
        per_unit = ss * self.unit
        x0 = max(0, int(math.floor(box[0] * per_unit)))
        y0 = max(0, int(math.floor(box[1] * per_unit)))
        x1 = min(sw, int(math.ceil(box[2] * per_unit)))
        y1 = min(sh, int(math.ceil(box[3] * per_unit)))
        inv = 1.0 / per_unit
        R, G, B, A = self.r, self.g, self.b, self.a
        for sy in range(y0, y1):
            py = (sy + 0.5) * inv
            base = sy * sw
            for sx in range(x0, x1):
                c = fn((sx + 0.5) * inv, py)
                if c is None:
                    continue
                al = c[3]
                if al <= 0.0:
                    continue
                i = base + sx
                k = 1.0 - al
                R[i] = c[0] * al + R[i] * k
                G[i] = c[1] * al + G[i] * k
                B[i] = c[2] * al + B[i] * k
                A[i] = al + A[i] * k

    def resolve(self):
        """Averages the samples: a list of (r, g, b, alpha), r/g/b 0..255."""
        ss = self.ss
        sw = self.w * ss
        n = float(ss * ss)
        out = []
        for y in range(self.h):
            for x in range(self.w):
                r = g = b = a = 0.0
                for sy in range(ss):
                    i = (y * ss + sy) * sw + x * ss
                    for sx in range(ss):
                        r += self.r[i + sx]
                        g += self.g[i + sx]
                        b += self.b[i + sx]
                        a += self.a[i + sx]
                a /= n
                if a > 1e-6:
                    out.append((r / n / a, g / n / a, b / n / a, a))
                else:
                    out.append((0.0, 0.0, 0.0, 0.0))
        return out


# Shape tests, all in pixel units.

def in_round_rect(x0, y0, x1, y1, rad):
    def test(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        if rad <= 0:
            return True
        dx = max(x0 + rad - x, 0.0, x - (x1 - rad))
        dy = max(y0 + rad - y, 0.0, y - (y1 - rad))
        return dx * dx + dy * dy <= rad * rad
    return test


def bezier(p0, p1, p2, p3, steps=48):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        pts.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return pts


def dist_to_polyline(pts, x, y):
    best = 1e9
    for i in range(len(pts) - 1):
        ax, ay = pts[i]
        bx, by = pts[i + 1]
        dx, dy = bx - ax, by - ay
        ll = dx * dx + dy * dy
        t = 0.0 if ll == 0 else clamp(((x - ax) * dx + (y - ay) * dy) / ll)
        px, py = ax + t * dx - x, ay + t * dy - y
        d = px * px + py * py
        if d < best:
            best = d
    return math.sqrt(best)


def polyline_box(pts, pad):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad)


def solid(test, colour, alpha=1.0):
    return lambda x, y: (colour[0], colour[1], colour[2], alpha) if test(x, y) else None


# ---------------------------------------------------------------------------
# The Earth: a coarse land map of our own (longitude, latitude in degrees)
# ---------------------------------------------------------------------------

CONTINENTS = [
    # North and Central America
    [(-166, 68), (-160, 71), (-140, 70), (-128, 70), (-115, 69), (-95, 72), (-85, 70),
     (-80, 64), (-94, 59), (-87, 55), (-80, 52), (-78, 60), (-70, 60), (-64, 58),
     (-56, 52), (-60, 47), (-66, 44), (-70, 42), (-75, 39), (-76, 35), (-81, 31),
     (-80, 26), (-82, 25), (-83, 29), (-89, 30), (-95, 29), (-97, 26), (-97, 21),
     (-94, 18), (-91, 19), (-88, 21), (-87, 16), (-83, 15), (-83, 10), (-79, 9),
     (-77, 8), (-80, 7), (-86, 11), (-92, 14), (-97, 16), (-105, 20), (-106, 23),
     (-112, 29), (-110, 23), (-115, 30), (-117, 33), (-121, 35), (-124, 40),
     (-124, 47), (-128, 51), (-134, 57), (-140, 60), (-148, 61), (-155, 58),
     (-164, 55), (-158, 59), (-165, 62)],
    # South America
    [(-77, 8), (-72, 12), (-63, 11), (-55, 6), (-50, 2), (-50, -1), (-44, -2),
     (-35, -5), (-35, -9), (-39, -14), (-40, -22), (-48, -26), (-53, -33),
     (-58, -35), (-57, -39), (-65, -41), (-66, -46), (-69, -51), (-68, -55),
     (-72, -54), (-75, -48), (-73, -40), (-72, -30), (-71, -18), (-76, -14),
     (-80, -7), (-81, -4), (-80, 0), (-78, 3), (-77, 8)],
    # Greenland
    [(-73, 78), (-60, 82), (-35, 83), (-20, 81), (-18, 76), (-22, 70), (-32, 68),
     (-42, 61), (-48, 61), (-53, 66), (-56, 72), (-67, 76)],
    # Africa
    [(-17, 21), (-13, 28), (-9, 33), (-6, 36), (3, 37), (10, 37), (11, 34),
     (20, 31), (29, 31), (33, 31), (35, 28), (38, 22), (43, 13), (51, 12),
     (48, 5), (41, -2), (40, -10), (41, -15), (35, -24), (33, -28), (27, -34),
     (20, -35), (18, -31), (15, -27), (12, -18), (13, -8), (9, -1), (9, 4),
     (5, 5), (-4, 5), (-8, 4), (-13, 8), (-17, 13), (-17, 21)],
    # Europe and Asia
    [(-9, 37), (-9, 43), (-2, 44), (-4, 48), (2, 50), (5, 53), (8, 54), (8, 57),
     (11, 57), (11, 59), (5, 59), (6, 63), (14, 68), (21, 70), (29, 71), (40, 68),
     (45, 68), (55, 69), (70, 73), (80, 73), (100, 77), (115, 73), (140, 72),
     (160, 70), (180, 68), (180, 64), (170, 60), (160, 55), (140, 53), (135, 44),
     (128, 38), (121, 31), (118, 24), (108, 20), (106, 10), (100, 13), (98, 8),
     (100, 2), (104, 1), (98, 16), (92, 22), (88, 22), (80, 15), (77, 8),
     (73, 18), (72, 22), (66, 25), (57, 25), (56, 27), (50, 29), (48, 30),
     (56, 24), (59, 22), (52, 16), (43, 13), (39, 20), (34, 28), (33, 31),
     (36, 36), (28, 37), (26, 40), (24, 38), (22, 37), (22, 40), (19, 42),
     (13, 45), (16, 41), (12, 38), (8, 44), (3, 43), (-2, 37)],
    # Great Britain
    [(-5, 50), (1, 51), (1, 53), (-2, 56), (-2, 58), (-5, 58), (-6, 56),
     (-3, 54), (-4, 52)],
    # Madagascar
    [(44, -25), (47, -25), (50, -15), (49, -12), (44, -17)],
    # Australia
    [(114, -22), (122, -18), (130, -12), (137, -12), (136, -15), (141, -11),
     (145, -15), (153, -25), (150, -37), (141, -38), (135, -34), (131, -31),
     (115, -34)],
]


class LandMap:
    """The continents rasterised once on a longitude/latitude grid."""

    def __init__(self, per_degree=2):
        self.k = per_degree
        self.cols = 360 * per_degree
        self.rows = 180 * per_degree
        self.cells = bytearray(self.cols * self.rows)
        for poly in CONTINENTS:
            self._fill(poly)

    def _fill(self, poly):
        k = self.k
        n = len(poly)
        for row in range(self.rows):
            lat = 90.0 - (row + 0.5) / k
            xs = []
            for i in range(n):
                (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
                if (y0 > lat) != (y1 > lat):
                    xs.append(x0 + (lat - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for j in range(0, len(xs) - 1, 2):
                c0 = int(math.ceil((xs[j] + 180.0) * k - 0.5))
                c1 = int(math.floor((xs[j + 1] + 180.0) * k - 0.5))
                for c in range(max(c0, 0), min(c1, self.cols - 1) + 1):
                    self.cells[row * self.cols + c] = 1

    def value(self, lon, lat):
        """Land amount 0..1 (bilinear), for smooth coasts when thresholded."""
        k = self.k
        fx = (lon + 180.0) * k - 0.5
        fy = (90.0 - lat) * k - 0.5
        ix, iy = math.floor(fx), math.floor(fy)
        tx, ty = fx - ix, fy - iy
        cols, rows = self.cols, self.rows

        def cell(cx, cy):
            cy = min(max(cy, 0), rows - 1)
            return self.cells[cy * cols + (cx % cols)]
        a = cell(ix, iy) + (cell(ix + 1, iy) - cell(ix, iy)) * tx
        b = cell(ix, iy + 1) + (cell(ix + 1, iy + 1) - cell(ix, iy + 1)) * tx
        return a + (b - a) * ty


LAND = None


def land_map():
    global LAND
    if LAND is None:
        LAND = LandMap()
    return LAND


def ortho_inverse(u, v, lon0, lat0):
    """Unit-disc point (u right, v up) to (lon, lat) in degrees, or None."""
    rho2 = u * u + v * v
    if rho2 > 1.0:
        return None
    rho = math.sqrt(rho2)
    if rho < 1e-9:
        return lon0, lat0
    c = math.asin(min(rho, 1.0))
    sc, cc = math.sin(c), math.cos(c)
    p0 = math.radians(lat0)
    lat = math.asin(clamp(cc * math.sin(p0) + v * sc * math.cos(p0) / rho, -1.0, 1.0))
    lon = lon0 + math.degrees(math.atan2(u * sc, rho * cc * math.cos(p0) - v * sc * math.sin(p0)))
    lon = (lon + 180.0) % 360.0 - 180.0
    return lon, math.degrees(lat)


def grid_distance(lon, lat, step):
    """Angular distance (degrees) to the nearest meridian and parallel."""
    dlat = abs(lat - step * round(lat / step))
    dlon = abs(lon - step * round(lon / step))
    return dlon, dlat


def globe_painter(cx, cy, r, lon0, lat0, style):
    """A shaded globe seen from space, as a paint function.

    style: dict with ocean/land colours, grid step, line width (pixels) and
    line strength, limb glow; all distances in pixels.
    """
    land = land_map()
    light = (-0.55, 0.62, 0.56)
    ln = math.sqrt(sum(c * c for c in light))
    light = tuple(c / ln for c in light)
    half = (light[0], light[1], light[2] + 1.0)
    hn = math.sqrt(sum(c * c for c in half))
    half = tuple(c / hn for c in half)
    step = style.get("grid_step", 30.0)
    lw = style.get("line_width", 0.8)
    lstrength = style.get("line_strength", 0.5)
    outline = style.get("outline")
    outline_w = style.get("outline_width", 1.0)
    eps = 0.35 / r

    def lonlat(u, v):
        return ortho_inverse(u, v, lon0, lat0)

    def fn(x, y):
        dx, dy = x - cx, y - cy
        d = math.sqrt(dx * dx + dy * dy)
        if d > r:
            return None
        if outline is not None and d > r - outline_w:
            return (outline[0], outline[1], outline[2], 1.0)
        u, v = dx / r, -dy / r
        ll = lonlat(u, v)
        if ll is None:
            return None
        lon, lat = ll
        nz = math.sqrt(max(0.0, 1.0 - u * u - v * v))
        diff = max(0.0, u * light[0] + v * light[1] + nz * light[2])
        gloss = max(0.0, u * half[0] + v * half[1] + nz * half[2]) ** 40
        shade = style.get("ambient", 0.18) + style.get("diffuse", 0.95) * diff

        amount = land.value(lon, lat)
        if style.get("coast_noise"):
            p = math.radians(lat)
            q = math.radians(lon)
            px, py, pz = math.cos(p) * math.cos(q), math.cos(p) * math.sin(q), math.sin(p)
            amount += (fractal3(px * 6, py * 6, pz * 6, 7, 3) - 0.5) * style["coast_noise"]
        if amount >= 0.5:
            t = fractal3(lon * 0.05 + 10, lat * 0.05 + 20, 3.0, 11, 3) if style.get("land_texture") else 0.5
            base = mix(style["land_dark"], style["land_light"], 0.3 + 0.7 * t)
            if abs(lat) > 66:
                base = mix(base, (235, 242, 240), 0.75)
            col = scale(base, shade)
            gloss *= 0.15
        else:
            depth = style.get("ocean_depth", 0.0)
            base = mix(style["ocean_light"], style["ocean_dark"], depth)
            col = scale(base, shade)
            gloss *= 0.8
        col = mix(col, (255, 255, 255), gloss)

        if step and lstrength > 0:
            # Screen distance to the grid lines, from the angular distance
            # and a numerical gradient of the mapping.
            l2 = lonlat(min(u + eps, 1.0), v) if u + eps <= 1.0 else None
            l3 = lonlat(u, v + eps) if v + eps <= 1.0 else None
            dlon, dlat = grid_distance(lon, lat, step)
            cover = 0.0
            if l2 and l3:
                glon = math.hypot((l2[0] - lon + 540) % 360 - 180, (l3[0] - lon + 540) % 360 - 180) / (eps * r)
                glat = math.hypot(l2[1] - lat, l3[1] - lat) / (eps * r)
                if glon > 1e-9 and abs(lat) < 89.0:
                    if dlon / glon < lw * 0.5:
                        cover = 1.0
                if glat > 1e-9 and dlat / glat < lw * 0.5:
                    cover = 1.0
            if cover:
                col = mix(col, style["line_colour"], lstrength * (0.35 + 0.65 * shade))

        rim = (1.0 - nz) ** 3
        col = mix(col, style.get("rim_colour", (120, 190, 255)), rim * style.get("rim", 0.5))
        return (col[0], col[1], col[2], 1.0)

    return (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1), fn


# ---------------------------------------------------------------------------
# Bitmap font (5 x 7 cells, variable width) for the logo's name
# ---------------------------------------------------------------------------

FONT = {
    "Z": ["#####",
          "....#",
          "...#.",
          "..#..",
          ".#...",
          "#....",
          "#####"],
    "a": [".....",
          ".....",
          ".###.",
          "....#",
          ".####",
          "#...#",
          ".####"],
    "n": [".....",
          ".....",
          "####.",
          "#...#",
          "#...#",
          "#...#",
          "#...#"],
    "t": [".#..",
          ".#..",
          "####",
          ".#..",
          ".#..",
          ".#..",
          "..##"],
    "r": ["....",
          "....",
          "#.##",
          "##..",
          "#...",
          "#...",
          "#..."],
    "e": [".....",
          ".....",
          ".###.",
          "#...#",
          "#####",
          "#....",
          ".###."],
    "l": ["#",
          "#",
          "#",
          "#",
          "#",
          "#",
          "#"],
}


def text_mask(text, cell, gap):
    """The text's pixels at `cell` pixels a font dot: (width, height, set)."""
    x = 0
    dots = set()
    for n, ch in enumerate(text):
        glyph = FONT[ch]
        gw = len(glyph[0])
        for gy, row in enumerate(glyph):
            for gx, c in enumerate(row):
                if c == "#":
                    for yy in range(cell):
                        for xx in range(cell):
                            dots.add((x + gx * cell + xx, gy * cell + yy))
        x += gw * cell
        if n + 1 < len(text):
            x += gap
    return x, 7 * cell, dots


# ---------------------------------------------------------------------------
# From drawn pixels to Pillow images, and the icon file
# ---------------------------------------------------------------------------

def to_rgb8(c):
    return (int(round(clamp(c[0], 0, 255))), int(round(clamp(c[1], 0, 255))), int(round(clamp(c[2], 0, 255))))


def with_full_palette(img):
    """Pads a palette image's colour table to 256 entries, as the formats ask."""
    pal = img.getpalette()[:768]
    img.putpalette(pal + [0] * (768 - len(pal)))
    return img


def reduced(pixels, size, colours):
    """RGB pixels reduced to a palette of at most `colours` entries: median
    cut refined by a few k-means rounds, no dithering."""
    img = Image.new("RGB", size)
    img.putdata(pixels)
    return img.quantize(colours, method=Image.Quantize.MEDIANCUT, kmeans=3, dither=Image.Dither.NONE)


def transparent_palette_image(rgba, size):
    """A palette image whose colour 0 stands for transparency: the opaque
    pixels are reduced to 255 colours, placed after it."""
    opaque = [a >= 0.5 for (_, _, _, a) in rgba]
    colours = [to_rgb8(p) for p, o in zip(rgba, opaque) if o]
    strip = reduced(colours, (len(colours), 1), 255)
    indices = iter(strip.getdata())
    img = Image.new("P", (size, size))
    img.putdata([next(indices) + 1 if o else 0 for o in opaque])
    img.putpalette([0, 0, 0] + strip.getpalette()[:255 * 3])
    return with_full_palette(img)


def rgba_image(rgba, size):
    """32-bit image with alpha; fully transparent pixels are black, as icons keep them."""
    pixels = []
    for (r, g, b, a) in rgba:
        a8 = int(round(clamp(a) * 255))
        pixels.append(to_rgb8((r, g, b)) + (a8,) if a8 else (0, 0, 0, 0))
    img = Image.new("RGBA", (size, size))
    img.putdata(pixels)
    return img


def encoded(img, fmt, **options):
    out = io.BytesIO()
    img.save(out, fmt, **options)
    return out.getvalue()


def and_mask(size, transparent):
    """An icon's AND mask: bottom-up rows of bits, 1 = transparent, each row
    padded to 4 bytes."""
    row = ((size + 31) // 32) * 4
    out = bytearray()
    for y in range(size - 1, -1, -1):
        line = bytearray(row)
        for x in range(size):
            if transparent[y * size + x]:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line
    return bytes(out)


def icon_image(img, transparent):
    """One image of an icon file: the DIB that Pillow writes with its height
    doubled (the icon format counts the mask in it), then the AND mask.

    Pillow's own icon writer keeps one image per size and writes an empty
    mask, so the icon file itself is assembled here.
    """
    dib = encoded(img, "DIB")
    size = img.width
    bits = struct.unpack("<H", dib[14:16])[0]
    return size, bits, dib[:8] + struct.pack("<i", 2 * size) + dib[12:] + and_mask(size, transparent)


def ico_file(images):
    """images: list of (size, bits per pixel, image bytes)."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, blob in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for _, _, blob in images:
        out += blob
    return bytes(out)


# ---------------------------------------------------------------------------
# The logo: 128 x 280
# ---------------------------------------------------------------------------

LOGO_W, LOGO_H = 128, 280


def draw_logo(zoom=1.0):
    """The logo at `zoom` times its size; positions below are in design units,
    one of them `zoom` pixels."""
    W, H = round(LOGO_W * zoom), round(LOGO_H * zoom)
    gx, gy, gr = 64.0, 150.0, 57.0

    # Sky: near-black with a faint bluish haze around the globe and a dim,
    # soft band of distant stars across the top.
    sky = []
    for y in range(H):
        for x in range(W):
            fx, fy = (x + 0.5) / zoom, (y + 0.5) / zoom
            d = math.hypot(fx - gx, fy - gy)
            # Inside the disc too, for the globe's anti-aliased edge pixels.
            e = max(d - gr, 0.0)
            haze = math.exp(-e / 6.0) * 0.8 + math.exp(-e / 18.0) * 0.07
            band_t = (fx * 0.55 + fy) / 150.0
            band = math.exp(-((band_t - 0.55) / 0.22) ** 2)
            n = fractal3(fx / 22.0, fy / 22.0, 1.5, 5, 4)
            neb = band * smoothstep(0.45, 0.8, n) * 0.4
            c = (1.0, 1.0, 3.0)
            c = mix(c, (26, 22, 50), neb)
            c = mix(c, (50, 120, 230), haze)
            sky.append(c)

    # Stars: varied brightness, a few larger with soft spikes.
    rng = Rng(0x5EED1234)
    stars = []
    tries = 0
    while len(stars) < 150 and tries < 5000:
        tries += 1
        x = rng.uniform(1, LOGO_W - 1)
        y = rng.uniform(1, LOGO_H - 1)
        m = rng.uniform()
        b = 0.25 + 0.75 * m ** 3
        if math.hypot(x - gx, y - gy) < gr + 3:
            continue
        tint = rng.uniform()
        stars.append((x, y, b, tint))
    # A handful of bright stars placed by hand so the sky is balanced.
    stars += [(18.5, 30.5, 1.6, 0.2), (103.5, 62.5, 1.5, 0.7), (38.5, 96.5, 1.15, 0.5),
              (112.5, 240.5, 1.4, 0.3), (22.5, 252.5, 1.1, 0.8), (92.5, 16.5, 1.2, 0.4),
              (70.5, 266.5, 0.9, 0.1)]
    for (sx, sy, b, tint) in stars:
        col = mix((255, 246, 225), (215, 228, 255), tint)
        sigma = 0.45 + 0.35 * min(b, 1.0)
        reach = int(math.ceil((2 if b < 1.0 else 6) * zoom))
        cx, cy = sx * zoom, sy * zoom
        for py in range(int(cy) - reach, int(cy) + reach + 1):
            for px in range(int(cx) - reach, int(cx) + reach + 1):
                if not (0 <= px < W and 0 <= py < H):
                    continue
                ddx, ddy = (px + 0.5 - cx) / zoom, (py + 0.5 - cy) / zoom
                v = math.exp(-(ddx * ddx + ddy * ddy) / (2 * sigma * sigma)) * min(b, 1.0)
                if b >= 1.0:
                    # Thin cross-shaped spikes on the bright ones.
                    spike = 0.0
                    if abs(ddx) < 0.6:
                        spike = max(spike, math.exp(-abs(ddy) / (1.2 * b)))
                    if abs(ddy) < 0.6:
                        spike = max(spike, math.exp(-abs(ddx) / (1.2 * b)))
                    v = max(v, spike * 0.75)
                if v < 0.02:
                    continue
                i = py * W + px
                c = sky[i]
                sky[i] = (c[0] + (col[0] - c[0]) * min(v, 1.0),
                          c[1] + (col[1] - c[1]) * min(v, 1.0),
                          c[2] + (col[2] - c[2]) * min(v, 1.0))

    canvas = Canvas(W, H, max(2, round(4 / zoom)), unit=zoom)
    canvas.fill_from_pixels(sky)

    box, fn = globe_painter(gx, gy, gr, lon0=-38.0, lat0=18.0, style={
        "ocean_light": (40, 112, 215), "ocean_dark": (14, 52, 150), "ocean_depth": 0.25,
        "land_light": (110, 190, 70), "land_dark": (30, 120, 55), "land_texture": True,
        "coast_noise": 0.35,
        "grid_step": 30.0, "line_width": 0.75, "line_strength": 0.42,
        "line_colour": (200, 235, 255),
        "rim_colour": (130, 200, 255), "rim": 0.55,
    })
    canvas.paint(box, fn)

    img = canvas.resolve()
    pix = [(c[0], c[1], c[2]) for c in img]

    # The name across the globe, in yellow, with a dark outline and shadow.
    cell = 3
    tw, th, dots = text_mask("Zantrel", cell, 3)
    ox = (LOGO_W - tw) // 2
    oy = int(gy) - th // 2 - 1
    on = {(x + ox, y + oy) for (x, y) in dots}

    # The lettering is pixel art on the design grid: each design pixel
    # collects its colour layers in order, and every picture pixel takes
    # those of the design pixel under its centre.
    layers = {}

    def put(x, y, c, a=1.0):
        layers.setdefault((x, y), []).append((c, a))

    # Soft dark shadow under and right of the letters.
    shadow = {}
    for (x, y) in on:
        for dx in range(-1, 4):
            for dy in range(-1, 4):
                k = (x + dx, y + dy)
                w = 0.85 if (dx, dy) in ((2, 2), (1, 2), (2, 1), (1, 1)) else 0.45
                shadow[k] = max(shadow.get(k, 0.0), w)
    for (x, y), a in sorted(shadow.items()):
        if (x, y) not in on:
            put(x, y, (0, 0, 10), a * 0.7)
    # Crisp outline.
    edge = set()
    for (x, y) in on:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                k = (x + dx, y + dy)
                if k not in on:
                    edge.add(k)
    for (x, y) in sorted(edge):
        put(x, y, (60, 30, 0))
    # Fill: a warm vertical gradient with a light upper edge on each stroke.
    for (x, y) in sorted(on):
        t = (y - oy) / float(th - 1)
        c = mix((255, 250, 150), (255, 212, 30), smoothstep(0.0, 0.55, t))
        c = mix(c, (235, 150, 10), smoothstep(0.6, 1.0, t))
        if (x, y - 1) not in on:
            c = mix(c, (255, 255, 225), 0.6)
        elif (x, y + 1) not in on:
            c = mix(c, (190, 110, 0), 0.45)
        put(x, y, c)

    for y in range(H):
        for x in range(W):
            for c, a in layers.get((int((x + 0.5) / zoom), int((y + 0.5) / zoom)), ()):
                pix[y * W + x] = mix(pix[y * W + x], c, a)
    return [to_rgb8(c) for c in pix]


def ordered_dither(pixels, width, amount):
    bayer = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
    out = []
    for i, c in enumerate(pixels):
        x, y = i % width, i // width
        d = (bayer[y & 3][x & 3] / 16.0 - 0.47) * amount
        out.append(to_rgb8((c[0] + d, c[1] + d, c[2] + d)))
    return out


def make_logo(zoom=1.0):
    """The logo as a palette image of 256 colours."""
    size = (round(LOGO_W * zoom), round(LOGO_H * zoom))
    pixels = ordered_dither(draw_logo(zoom), size[0], 3.0)
    return with_full_palette(reduced(pixels, size, 256))


def logo_png(img):
    """The palette image as an 8-bit PNG: a third of the BMP's size in the
    Windows program file, decoded by the system's imaging component."""
    return encoded(img, "PNG", optimize=True)


# ---------------------------------------------------------------------------
# Icon parts: monitor, globe, cable
# ---------------------------------------------------------------------------

OUTLINE = (34, 38, 52)


def draw_monitor(cv, x0, y0, w, h, stand, small=False):
    """A flat screen: bezel box (x0, y0, w, h) and its stand below.

    stand: (neck height, base width, base height)
    """
    x1, y1 = x0 + w, y0 + h
    neck_h, base_w, base_h = stand
    cxm = x0 + w / 2.0
    # Stand first, behind the bezel.
    nw = max(2.0, round(w * 0.22))
    nx0 = round(cxm - nw / 2.0)
    if neck_h > 0:
        cv.paint((nx0, y1 - 1, nx0 + nw, y1 + neck_h + 1),
                 solid(in_round_rect(nx0, y1 - 1, nx0 + nw, y1 + neck_h + 0.5, 0), OUTLINE))
        if nw > 2:
            cv.paint((nx0, y1, nx0 + nw, y1 + neck_h),
                     lambda x, y: (120, 124, 138, 1.0) if nx0 + 1 <= x <= nx0 + nw - 1 and y <= y1 + neck_h else None)
    bx0 = round(cxm - base_w / 2.0)
    by0 = y1 + neck_h
    if base_h > 0:
        rad = 0 if small else min(1.5, base_h / 2.0)
        cv.paint((bx0, by0, bx0 + base_w, by0 + base_h),
                 solid(in_round_rect(bx0, by0, bx0 + base_w, by0 + base_h, rad), OUTLINE))
        if base_h >= 3:
            cv.paint((bx0 + 1, by0 + 1, bx0 + base_w - 1, by0 + base_h - 1),
                     lambda x, y: (mix((200, 204, 214), (140, 144, 158), (y - by0) / base_h) + (1.0,))
                     if in_round_rect(bx0 + 1, by0 + 1, bx0 + base_w - 1, by0 + base_h - 1, 0)(x, y) else None)
    # Bezel with outline.
    rad = 0.0 if small else 1.6
    cv.paint((x0, y0, x1, y1), solid(in_round_rect(x0, y0, x1, y1, rad), OUTLINE))
    inner = in_round_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0.0, rad - 1))
    cv.paint((x0 + 1, y0 + 1, x1 - 1, y1 - 1),
             lambda x, y: (mix((236, 238, 244), (168, 172, 186), (y - y0) / h) + (1.0,)) if inner(x, y) else None)
    # Screen.
    b = 1 if small else (2 if w < 16 else 3)
    sx0, sy0, sx1, sy1 = x0 + b, y0 + b, x1 - b, y1 - b - (1 if small else 0 if w < 16 else 1)
    if not small:
        cv.paint((sx0, sy0, sx1, sy1), solid(in_round_rect(sx0, sy0, sx1, sy1, 0), (50, 60, 90)))
        sx0, sy0, sx1, sy1 = sx0 + 1, sy0 + 1, sx1 - 1, sy1 - 1
    sw, sh = sx1 - sx0, sy1 - sy0

    def screen(x, y):
        if not (sx0 <= x <= sx1 and sy0 <= y <= sy1):
            return None
        t = ((x - sx0) / sw + (y - sy0) / sh) * 0.5
        c = mix((110, 190, 255), (20, 70, 170), t)
        # A diagonal glare.
        g = (x - sx0) + (y - sy0) * 0.9
        if 0.35 * sw < g < 0.6 * sw and not small:
            c = mix(c, (255, 255, 255), 0.28)
        return c + (1.0,)
    cv.paint((sx0, sy0, sx1, sy1), screen)
    return (sx0, sy0, sx1, sy1)


def draw_icon_globe(cv, cx, cy, r, detail):
    styles = {
        "ocean_light": (60, 140, 235), "ocean_dark": (20, 60, 165), "ocean_depth": 0.2,
        "land_light": (120, 210, 80), "land_dark": (40, 150, 60),
        "line_colour": (225, 245, 255),
        "rim_colour": (150, 215, 255), "rim": 0.25,
        "outline": (16, 36, 88), "outline_width": 1.3,
        "ambient": 0.3, "diffuse": 0.85,
    }
    lon0, lat0 = -45.0, 15.0
    if detail == "high":
        styles.update(grid_step=30.0, line_width=0.75, line_strength=0.55)
    elif detail == "mid":
        styles.update(grid_step=45.0, line_width=0.8, line_strength=0.55)
    else:
        # Tiny: no grid, softer shading, and the side of the Earth with the
        # biggest single land mass so it still reads as a globe.
        styles.update(grid_step=0, line_strength=0.0, outline_width=1.0, ambient=0.45, diffuse=0.7,
                      land_light=(110, 215, 70), land_dark=(70, 180, 60))
        lon0, lat0 = 15.0, 12.0
    box, fn = globe_painter(cx, cy, r, lon0=lon0, lat0=lat0, style=styles)
    cv.paint(box, fn)


def draw_cable(cv, pts, width, colour=(52, 56, 72), core=(140, 146, 164)):
    if width <= 1.0:
        test = lambda x, y: dist_to_polyline(pts, x, y) <= width / 2.0
        cv.paint(polyline_box(pts, width + 1), solid(test, OUTLINE))
        return
    cv.paint(polyline_box(pts, width + 1),
             lambda x, y: colour + (1.0,) if dist_to_polyline(pts, x, y) <= width / 2.0 else None)
    inner = width / 2.0 - 0.85
    if inner > 0.2:
        cv.paint(polyline_box(pts, width + 1),
                 lambda x, y: core + (1.0,) if dist_to_polyline(pts, x, y) <= inner else None)


# ---------------------------------------------------------------------------
# Page icon: a screen linked by a cable to a globe (32 x 32)
# ---------------------------------------------------------------------------

def draw_page_icon(size=32):
    cv = Canvas(size, size, max(2, round(8 * 32 / size)), unit=size / 32.0)
    # Cable from the stand's base round to the globe's underside, then the
    # globe (upper right) and the screen in front of it (lower left).
    cable = bezier((14.0, 28.5), (27.0, 29.5), (29.0, 25.0), (26.5, 18.5))
    draw_cable(cv, cable, 2.4)
    draw_icon_globe(cv, 22.5, 10.5, 9.5, "mid")
    draw_monitor(cv, 1, 11, 19, 14, stand=(2, 12, 3))
    return cv.resolve()


def make_page_icon():
    """GIF89a, one frame, 256-colour table, colour 0 transparent."""
    return encoded(transparent_palette_image(draw_page_icon(), 32), "GIF", transparency=0, optimize=False)


def make_page_icon_ico():
    """The page icon for the Windows edition, which reads no GIF: 32, 48 and
    64 pixels in 32-bit colour with alpha."""
    images = []
    for size in (32, 48, 64):
        rgba = draw_page_icon(size)
        images.append(icon_image(rgba_image(rgba, size), [a8 == 0 for a8 in alpha8(rgba)]))
    return ico_file(images)


# ---------------------------------------------------------------------------
# Application icon: two computers linked to a globe (16, 32, 48)
# ---------------------------------------------------------------------------

def draw_app_icon(size, pixels=None):
    """The drawing made for `size` pixels (16, 32 or 48), drawn at `pixels`."""
    pixels = pixels or size
    cv = Canvas(pixels, pixels, max(2, round(8 * size / pixels)), unit=pixels / size)
    if size >= 48:
        for side in (17.0, 31.0):
            mid = (24.0 + side) / 2.0
            draw_cable(cv, bezier((24.0, 27.0), (24.0, 35.0), (mid, 35.0), (side, 35.0)), 2.8)
        draw_icon_globe(cv, 24.0, 15.0, 14.0, "high")
        draw_monitor(cv, 0, 28, 17, 13, stand=(3, 11, 3))
        draw_monitor(cv, 31, 28, 17, 13, stand=(3, 11, 3))
    elif size >= 32:
        for side in (12.0, 20.0):
            draw_cable(cv, bezier((16.0, 18.0), (16.0, 24.0), (side, 24.0), (side, 24.0)), 2.0,
                       colour=(62, 66, 84))
        draw_icon_globe(cv, 16.0, 10.0, 10.0, "mid")
        draw_monitor(cv, 0, 19, 12, 9, stand=(2, 8, 2))
        draw_monitor(cv, 20, 19, 12, 9, stand=(2, 8, 2))
    else:
        # 16 x 16: fewer, bolder shapes on the pixel grid.
        cv.paint((5, 9, 11, 12),
                 solid(lambda x, y: (7 <= x <= 9 and y <= 12) or (5 <= x <= 11 and 11 <= y <= 12), OUTLINE))
        draw_icon_globe(cv, 8.0, 5.0, 5.0, "low")
        draw_monitor(cv, 0, 8, 6, 6, stand=(1, 4, 1), small=True)
        draw_monitor(cv, 10, 8, 6, 6, stand=(1, 4, 1), small=True)
    return cv.resolve()


def alpha8(rgba):
    return [int(round(clamp(a) * 255)) for (_, _, _, a) in rgba]


def make_app_icon():
    """16, 32 and 48 pixels, each once with a 256-colour palette and once in
    32-bit colour with alpha."""
    images = []
    for size in (16, 32, 48):
        rgba = draw_app_icon(size)
        images.append(icon_image(transparent_palette_image(rgba, size), [a < 0.5 for (_, _, _, a) in rgba]))
        images.append(icon_image(rgba_image(rgba, size), [a8 == 0 for a8 in alpha8(rgba)]))
    return ico_file(images)


def make_app_icon_png(size):
    """The application icon for the desktop; 256 pixels is the 48-pixel
    drawing made at that size."""
    rgba = draw_app_icon(min(size, 48), size)
    return encoded(rgba_image(rgba, size), "PNG")


# ---------------------------------------------------------------------------
# Separator: one grey pixel over one white pixel
# ---------------------------------------------------------------------------

def make_separator(zoom=1.0):
    """24 bits per pixel BMP, 1 pixel wide: the grey half over the white one."""
    height = round(2 * zoom)
    img = Image.new("RGB", (1, height))
    img.putdata([(172, 168, 153) if (y + 0.5) / zoom < 1.0 else (255, 255, 255) for y in range(height)])
    return encoded(img, "BMP")


# ---------------------------------------------------------------------------
# Self-check: read back what was written
# ---------------------------------------------------------------------------

def check(files):
    def opened(name):
        return Image.open(io.BytesIO(files[name]))

    for suffix, size in (("", (128, 280)), ("_150", (192, 420)), ("_200", (256, 560))):
        img = opened("logo%s.bmp" % suffix)
        assert (img.format, img.mode, img.size) == ("BMP", "P", size), suffix
        assert len(img.getpalette()) == 768, suffix
        if not suffix:
            continue
        png = opened("logo%s.png" % suffix)
        assert (png.format, png.mode, png.size) == ("PNG", "P", size), suffix
        # The compressed logo holds the very pixels of the bitmap.
        assert list(png.convert("RGB").getdata()) == list(img.convert("RGB").getdata()), suffix
    for name, height in (("separator.bmp", 2), ("separator_150.bmp", 3), ("separator_200.bmp", 4)):
        img = opened(name)
        assert (img.format, img.mode, img.size) == ("BMP", "RGB", (1, height)), name
        assert img.getpixel((0, 0)) == (172, 168, 153) and img.getpixel((0, height - 1)) == (255, 255, 255)

    gif = opened("page_icon.gif")
    assert (gif.format, gif.size, gif.info.get("transparency"), gif.n_frames) == ("GIF", (32, 32), 0, 1)
    assert files["page_icon.gif"][10] & 7 == 7, "a 256-colour table"
    assert gif.getpixel((0, 0)) == 0, "a transparent corner"

    def ico_entries(blob):
        count = struct.unpack("<H", blob[4:6])[0]
        return sorted(struct.unpack("<BBBBHHII", blob[6 + 16 * i:22 + 16 * i])[0:6:5] for i in range(count))
    assert ico_entries(files["app_icon.ico"]) == sorted((s, b) for s in (16, 32, 48) for b in (8, 32))
    assert ico_entries(files["page_icon.ico"]) == [(32, 32), (48, 32), (64, 32)]
    for size in (16, 32, 48, 256):
        png = opened("app_icon_%d.png" % size)
        assert (png.format, png.mode, png.size) == ("PNG", "RGBA", (size, size))
        assert png.getpixel((0, size - 1))[3] == 0 or size == 16, "transparent round the drawing"
    print("self-check passed")


def main():
    logos = {"": make_logo(), "_150": make_logo(1.5), "_200": make_logo(2.0)}
    files = {}
    for suffix, logo in logos.items():
        files["logo%s.bmp" % suffix] = encoded(logo, "BMP")
        if suffix:
            files["logo%s.png" % suffix] = logo_png(logo)
    files.update({
        "page_icon.gif": make_page_icon(),
        "page_icon.ico": make_page_icon_ico(),
        "app_icon.ico": make_app_icon(),
        "separator.bmp": make_separator(),
        "separator_150.bmp": make_separator(1.5),
        "separator_200.bmp": make_separator(2.0),
    })
    for size in (16, 32, 48, 256):
        files["app_icon_%d.png" % size] = make_app_icon_png(size)
    os.makedirs(ASSETS, exist_ok=True)
    for name, blob in files.items():
        with open(os.path.join(ASSETS, name), "wb") as f:
            f.write(blob)
        print("wrote assets/%s (%d bytes)" % (name, len(blob)))
    if "--check" in sys.argv[1:]:
        check(files)


if __name__ == "__main__":
    main()
