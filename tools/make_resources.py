#!/usr/bin/env python3
"""Draws Barkmoor's pictures and synthesises its bark, all from scratch.

Run from the repository root:  python3 tools/make_resources.py
Writes res/dog.bmp, res/title.bmp, res/icon.bmp and res/bark.wav, and the icon set:
res/icons/hicolor/<size>/apps/<id>.png and .svg for the desktop, res/barkmoor.ico for Windows.
The output is the same on every run (no clock, fixed random seed).
"""
import math
import os
import random
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir)
RES = os.path.normpath(os.path.join(ROOT, "res"))

WHITE = (255, 255, 255)


# --- Shapes as signed distance functions: negative inside, in scene units.
# Distances give cheap, even anti-aliasing and outlines of any width.

def _svg(f, *desc):
    """Notes what a shape is, so the scalable icon can draw it as itself."""
    f.svg = desc
    return f


def circle(cx, cy, r):
    return _svg(lambda x, y: math.hypot(x - cx, y - cy) - r, "circle", cx, cy, r)


def ellipse(cx, cy, rx, ry, ang=0.0):
    c, s = math.cos(ang), math.sin(ang)

    def f(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        k0 = math.hypot(u / rx, v / ry)
        if k0 < 1e-9:
            return -min(rx, ry)
        k1 = math.hypot(u / (rx * rx), v / (ry * ry))
        return k0 * (k0 - 1.0) / k1
    return _svg(f, "ellipse", cx, cy, rx, ry, ang)


def _seg_dist(x, y, ax, ay, bx, by):
    ex, ey = bx - ax, by - ay
    wx, wy = x - ax, y - ay
    ll = ex * ex + ey * ey
    t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
    return math.hypot(wx - ex * t, wy - ey * t)


def stroke(points, r):
    """A thick polyline with round ends."""
    segs = list(zip(points, points[1:])) or [(points[0], points[0])]

    def f(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - r
    return _svg(f, "stroke", points, r)


def polygon(pts):
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        sign = 1.0
        j = n - 1
        for i in range(n):
            ex, ey = pts[j][0] - pts[i][0], pts[j][1] - pts[i][1]
            wx, wy = x - pts[i][0], y - pts[i][1]
            ll = ex * ex + ey * ey
            t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            c1, c2, c3 = y >= pts[i][1], y < pts[j][1], ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
            j = i
        return sign * math.sqrt(d)
    return _svg(f, "polygon", pts)


def rbox(x0, y0, x1, y1, r):
    """Axis-aligned box with rounded corners."""
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return _svg(f, "rbox", x0, y0, x1, y1, r)


def union(*fs):
    return _svg(lambda x, y: min(f(x, y) for f in fs), "union", fs)


def intersect(*fs):
    return _svg(lambda x, y: max(f(x, y) for f in fs), "traced")


def ring(f, r):
    """Just the rim of a shape, as a line of half-width r."""
    return _svg(lambda x, y: abs(f(x, y)) - r, "traced")


def arc(cx, cy, rx, ry, a0, a1, steps=24):
    """Points along an elliptical arc; angles in degrees, 0 = right, 90 = down."""
    out = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        out.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return out


def bezier(p0, p1, p2, steps=20):
    out = []
    for i in range(steps + 1):
        t = i / steps
        a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return out


# --- Rendering

def render(w, h, layers, scale=1.0, ox=0.0, oy=0.0, bg=WHITE):
    """Paints layers back to front. A layer is (shape, fill, line colour, line width).

    Output pixel (i, j) looks at scene point (ox + (i + .5) / scale, oy + (j + .5) / scale).
    With bg None the ground is clear and each pixel also carries its coverage:
    (r, g, b, a) with the colour premultiplied by a.
    """
    img = []
    for j in range(h):
        y = oy + (j + 0.5) / scale
        for i in range(w):
            x = ox + (i + 0.5) / scale
            r, g, b = bg or (0.0, 0.0, 0.0)
            a = 0.0
            for shape, fill, line, lw in layers:
                d = shape(x, y) * scale  # distance in output pixels
                outer = min(1.0, max(0.0, 0.5 - (d - lw * scale)))
                if outer <= 0.0:
                    continue
                inner = min(1.0, max(0.0, 0.5 - d)) if line else outer
                keep = 1.0 - outer
                edge = outer - inner
                lr, lg, lb = line or fill
                r = r * keep + fill[0] * inner + lr * edge
                g = g * keep + fill[1] * inner + lg * edge
                b = b * keep + fill[2] * inner + lb * edge
                a = a * keep + outer
            img.append((r, g, b) if bg else (r, g, b, a))
    return img


def _dist2(a, b):
    # Weighted so greens, which the eye sees best, match most closely.
    return 3 * (a[0] - b[0]) ** 2 + 4 * (a[1] - b[1]) ** 2 + 2 * (a[2] - b[2]) ** 2


def quantise(img, size, base):
    """Palette = the base colours plus the most common other shades (edge blends)."""
    pix = [tuple(int(round(min(255, max(0, c)))) for c in p) for p in img]
    palette = list(base)
    buckets = {}
    for p in pix:
        if min(_dist2(p, q) for q in base) < 60:
            continue
        key = (p[0] >> 3, p[1] >> 3, p[2] >> 3)
        acc = buckets.setdefault(key, [0, 0, 0, 0])
        acc[0] += p[0]
        acc[1] += p[1]
        acc[2] += p[2]
        acc[3] += 1
    ranked = sorted(buckets.items(), key=lambda kv: (-kv[1][3], kv[0]))
    for _, (r, g, b, n) in ranked[:size - len(palette)]:
        palette.append((round(r / n), round(g / n), round(b / n)))
    cache = {}
    idx = []
    for p in pix:
        if p not in cache:
            cache[p] = min(range(len(palette)), key=lambda k: _dist2(p, palette[k]))
        idx.append(cache[p])
    return palette, idx


def write_bmp(path, w, h, bpp, palette, idx):
    """Uncompressed palette BMP, bottom-up rows padded to 4 bytes."""
    ncol = 1 << bpp
    pal = list(palette) + [(0, 0, 0)] * (ncol - len(palette))
    stride = ((w * bpp + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):
        line = idx[y * w:(y + 1) * w]
        if bpp == 8:
            data = bytes(line)
        elif bpp == 4:
            line = line + [0] * (len(line) % 2)
            data = bytes((line[k] << 4) | line[k + 1] for k in range(0, len(line), 2))
        else:
            raise ValueError(bpp)
        rows.append(data + b"\0" * (stride - len(data)))
    pixels = b"".join(rows)
    offset = 14 + 40 + 4 * ncol
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(pixels), 2835, 2835, ncol, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    with open(path, "wb") as f:
        f.write(head + info + table + pixels)


# --- The dog: seated, side on, facing right, in a coat with pockets.

OUTLINE = (66, 38, 22)
FUR = (186, 120, 60)
FUR_DARK = (146, 88, 42)
TAN = (236, 196, 140)
EAR = (118, 68, 34)
BLACK = (32, 24, 22)
COAT = (56, 112, 188)
COAT_DARK = (30, 62, 118)
POCKET = (44, 92, 160)
GOLD = (240, 196, 60)
GOLD_DARK = (150, 108, 20)
RED = (206, 44, 44)
RED_DARK = (118, 22, 22)
PINK = (236, 118, 128)
SHADOW = (226, 226, 226)

DOG_BASE = [WHITE, OUTLINE, FUR, FUR_DARK, TAN, EAR, BLACK, COAT, COAT_DARK, POCKET,
            GOLD, GOLD_DARK, RED, RED_DARK, PINK, SHADOW]


def dog_layers(lw=1.0, big_eye=1.0):
    """The dog in a 69 x 102 scene. lw: outline width; big_eye enlarges the eye for icons."""
    L = []

    def add(shape, fill, line=None, width=None):
        L.append((shape, fill, line, lw if width is None and line else (width or 0.0)))

    add(ellipse(35, 98.6, 30, 2.8), SHADOW)
    # Tail curls up behind the rump.
    add(stroke(bezier((18, 90), (1, 92), (5, 68)), 2.5), FUR, OUTLINE)
    add(circle(5.2, 68.5, 2.3), TAN)
    # Far front leg, a shade darker so it sits behind.
    add(stroke([(40, 62), (42, 93)], 3.6), FUR_DARK, OUTLINE)
    add(ellipse(45.5, 95.6, 5.6, 3.2), FUR_DARK, OUTLINE)
    torso = ellipse(36, 61, 14, 25, 0.32)
    haunch = ellipse(24, 80, 15.5, 16)
    add(torso, FUR, OUTLINE)
    add(intersect(torso, ellipse(47, 52, 6.5, 15, 0.32)), TAN)
    add(haunch, FUR, OUTLINE)
    add(ellipse(31, 95.4, 10.5, 4.0), FUR, OUTLINE)
    # Near front leg and paw.
    add(stroke([(48.5, 60), (50.5, 92.5)], 4.2), FUR, OUTLINE)
    add(ellipse(54, 95.4, 7.0, 3.8), FUR, OUTLINE)
    for tx in (57.5, 60.0):
        add(stroke([(tx, 93.6), (tx, 96.4)], 0.35), OUTLINE)
    for tx in (36.5, 39.0):
        add(stroke([(tx, 93.6), (tx, 96.4)], 0.35), OUTLINE)
    # The coat wraps the back and rump; its hem runs down from chest to tail.
    coat = intersect(union(torso, haunch),
                     polygon([(14, 38), (46, 38)] + bezier((45.5, 68), (30, 83), (10, 87), 12)
                             + [(0, 87), (0, 38)]))
    add(coat, COAT, COAT_DARK)
    add(stroke([(45.4, 42), (45.2, 68)], 0.45), COAT_DARK)
    # Two pockets with flaps and buttons.
    add(rbox(22, 64, 34, 75, 1.5), POCKET, COAT_DARK, 0.7)
    add(polygon([(21.6, 63.6), (34.4, 63.6), (34.4, 67), (28, 69.2), (21.6, 67)]),
        COAT, COAT_DARK, 0.7)
    add(circle(28, 67.2, 1.0), GOLD, GOLD_DARK, 0.5)
    add(rbox(31, 48, 40, 56, 1.2), POCKET, COAT_DARK, 0.7)
    add(polygon([(30.6, 47.6), (40.4, 47.6), (40.4, 50.4), (35.5, 52.2), (30.6, 50.4)]),
        COAT, COAT_DARK, 0.7)
    add(circle(35.5, 50.4, 0.9), GOLD, GOLD_DARK, 0.5)
    # Collar with a licence tag.
    add(stroke([(28, 40.5), (45.5, 43.5)], 2.3), RED, RED_DARK, 0.8)
    add(circle(44.5, 48.0, 2.7), GOLD, GOLD_DARK, 0.7)
    # Head and muzzle.
    add(circle(38, 25.5, 13), FUR, OUTLINE)
    add(ellipse(52, 31, 11, 7.4), TAN, OUTLINE)
    add(ellipse(50.5, 39, 2.6, 3.4), PINK, OUTLINE, 0.7)
    add(stroke(bezier((61.5, 35.2), (56, 38.6), (47.5, 36.2)), 0.55), OUTLINE)
    add(ellipse(61.8, 27.6, 3.7, 2.9, -0.2), BLACK)
    add(circle(61.0, 26.6, 0.8), WHITE)
    # Eye with a glint, and a brow.
    add(ellipse(45, 21, 2.2 * big_eye, 2.8 * big_eye), BLACK)
    add(circle(45 + 0.8 * big_eye, 20 - 0.8 * big_eye, 0.8 * big_eye), WHITE)
    add(stroke(arc(45, 21, 4, 4.5, 200, 290, 8), 0.5), OUTLINE)
    # Floppy ear hangs from the crown.
    add(ellipse(30.5, 28, 6, 12.5, 0.38), EAR, OUTLINE)
    return L


def make_dog(path):
    img = render(69, 102, dog_layers())
    pal, idx = quantise(img, 256, DOG_BASE)
    write_bmp(path, 69, 102, 8, pal, idx)
    return img


ICON_X, ICON_Y, ICON_SPAN = 22.5, 9.5, 44.0  # the head's square in the dog's scene


def make_icon(path):
    # The head, cropped from the same scene and drawn a little heavier.
    img = render(32, 32, dog_layers(lw=1.4, big_eye=1.25), scale=32 / ICON_SPAN, ox=ICON_X, oy=ICON_Y)
    pal, idx = quantise(img, 256, DOG_BASE)
    write_bmp(path, 32, 32, 8, pal, idx)
    return pal, idx


# --- The icon set for the desktop: the same head at every size, on a clear ground.

APP_ID = "org.example.barkmoor"  # barkmoor.example.org, the maker's web site, reversed
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def icon_style(size):
    """Outline width (scene units) and eye size for a given pixel size.

    The outline stays at least a pixel wide and the eye grows as the icon shrinks, so
    the head still reads at 16 pixels; large sizes get a finer line than a plain scale-up.
    """
    px = size / ICON_SPAN
    if size <= 32:
        return max(1.4, 1.0 / px), 1.25 + (32 - size) / 32
    return 1.4 * (32 / size) ** 0.45, 1.25


def icon_rgba(size):
    lw, eye = icon_style(size)
    img = render(size, size, dog_layers(lw=lw, big_eye=eye), scale=size / ICON_SPAN,
                 ox=ICON_X, oy=ICON_Y, bg=None)
    out = []
    for r, g, b, a in img:
        k = 1.0 / a if a > 0 else 0.0  # back from premultiplied
        out.append(tuple(int(round(min(255.0, max(0.0, v)))) for v in (r * k, g * k, b * k, a * 255)))
    return out


def write_png(path, w, h, rgba):
    """8-bit RGBA PNG, no ancillary chunks (so the bytes depend on the pixels only)."""
    rows = b"".join(b"\0" + bytes(c for p in rgba[y * w:(y + 1) * w] for c in p) for y in range(h))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(data)
    return data


def _n(v):
    t = "%.3f" % v
    t = t.rstrip("0").rstrip(".")
    return "0" if t in ("", "-0") else t


def _pts(points):
    return " ".join(_n(x) + "," + _n(y) for x, y in points)


def _simplify(points, tol):
    """Douglas-Peucker on an open run of points."""
    if len(points) < 3:
        return points
    (ax, ay), (bx, by) = points[0], points[-1]
    far, at = -1.0, 0
    for k in range(1, len(points) - 1):
        d = _seg_dist(points[k][0], points[k][1], ax, ay, bx, by)
        if d > far:
            far, at = d, k
    if far <= tol:
        return [points[0], points[-1]]
    return _simplify(points[:at + 1], tol)[:-1] + _simplify(points[at:], tol)


def trace(shape, grow, box, step=0.1, tol=0.01):
    """Outlines of {shape <= grow} inside box (x0, y0, x1, y1) by marching squares.

    The rim of the grid counts as outside, so every outline closes on itself.
    """
    x0, y0, x1, y1 = box
    nx, ny = int(math.ceil((x1 - x0) / step)), int(math.ceil((y1 - y0) / step))
    v = [[1.0 if i in (0, nx) or j in (0, ny) else shape(x0 + i * step, y0 + j * step) - grow
          for i in range(nx + 1)] for j in range(ny + 1)]

    def cross(a, b):
        # Where the field crosses zero on the grid edge from corner a to corner b.
        (ia, ja), (ib, jb) = a, b
        va, vb = v[ja][ia], v[jb][ib]
        t = va / (va - vb)
        return x0 + (ia + (ib - ia) * t) * step, y0 + (ja + (jb - ja) * t) * step

    links = {}
    for j in range(ny):
        for i in range(nx):
            corners = [(i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)]
            inside = [v[c[1]][c[0]] < 0 for c in corners]
            edges = [(corners[k], corners[(k + 1) % 4]) for k in range(4) if inside[k] != inside[(k + 1) % 4]]
            if not edges:
                continue
            keys = [tuple(sorted(e)) for e in edges]
            if len(keys) == 4:
                # A saddle: the cell's centre decides which corners join.
                centre_in = sum(v[c[1]][c[0]] for c in corners) < 0
                pairs = [(keys[0], keys[1]), (keys[2], keys[3])] if centre_in != inside[1] \
                    else [(keys[3], keys[0]), (keys[1], keys[2])]
            else:
                pairs = [(keys[0], keys[1])]
            for a, b in pairs:
                links.setdefault(a, []).append(b)
                links.setdefault(b, []).append(a)
    loops = []
    seen = set()
    for start in links:
        if start in seen:
            continue
        loop, prev, cur = [], None, start
        while cur not in seen:
            seen.add(cur)
            loop.append(cross(*cur))
            nxt = [k for k in links[cur] if k != prev and k not in seen]
            if not nxt:
                break
            prev, cur = cur, nxt[0]
        far = max(range(len(loop)), key=lambda k: math.dist(loop[0], loop[k]))
        loops.append(_simplify(loop[:far + 1], tol)[:-1] + _simplify(loop[far:] + loop[:1], tol)[:-1])
    return " ".join("M" + " L".join(_n(x) + "," + _n(y) for x, y in lp) + "Z" for lp in loops)


def svg_shape(shape, grow, colour, box):
    """SVG elements covering {shape <= grow} in one colour."""
    kind, *a = shape.svg
    col = "#%02x%02x%02x" % colour
    fat = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (col, _n(2 * grow)) if grow else ""
    if kind == "circle":
        cx, cy, r = a
        return ['<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (_n(cx), _n(cy), _n(r + grow), col)]
    if kind == "ellipse":
        cx, cy, rx, ry, ang = a
        turn = ' transform="rotate(%s %s %s)"' % (_n(math.degrees(ang)), _n(cx), _n(cy)) if ang else ""
        return ['<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s%s/>'
                % (_n(cx), _n(cy), _n(rx), _n(ry), col, fat, turn)]
    if kind == "stroke":
        points, r = a
        return ['<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
                'stroke-linecap="round" stroke-linejoin="round"/>' % (_pts(points), col, _n(2 * (r + grow)))]
    if kind == "polygon":
        return ['<polygon points="%s" fill="%s"%s/>' % (_pts(a[0]), col, fat)]
    if kind == "rbox":
        bx0, by0, bx1, by1, r = a
        return ['<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                % (_n(bx0 - grow), _n(by0 - grow), _n(bx1 - bx0 + 2 * grow), _n(by1 - by0 + 2 * grow),
                   _n(r + grow), col)]
    if kind == "union":
        return [e for f in a[0] for e in svg_shape(f, grow, colour, box)]
    return ['<path d="%s" fill="%s" fill-rule="evenodd"/>' % (trace(shape, grow, box), col)]


def make_svg_icon(path):
    """The head as vector shapes: each layer's outline, then its fill, as in render."""
    lw, eye = icon_style(128)
    view = (ICON_X, ICON_Y, ICON_X + ICON_SPAN, ICON_Y + ICON_SPAN)
    box = (view[0] - 1, view[1] - 1, view[2] + 1, view[3] + 1)
    body = []
    for shape, fill, line, width in dog_layers(lw=lw, big_eye=eye):
        # Leave out what lies wholly outside the square (legs, paws, shadow).
        if min(shape(box[0] + (i + 0.5) * 0.5, box[1] + (j + 0.5) * 0.5)
               for i in range(92) for j in range(92)) > width + 1.0:
            continue
        if line:
            body += svg_shape(shape, width, line, box)
        body += svg_shape(shape, 0.0, fill, box)
    text = ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="128" height="128" '
            'viewBox="%s %s %s %s">\n<title>Barkmoor</title>\n' % (_n(ICON_X), _n(ICON_Y), _n(ICON_SPAN), _n(ICON_SPAN))
            + "\n".join(body) + "\n</svg>\n")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(text)


def write_ico(path, entries):
    """A Windows icon holding several images.

    entries: (size, bpp, payload) where payload is a PNG file (256 pixels) or, for a
    bitmap entry, (palette or None, pixels bottom-up, AND mask bottom-up).
    """
    blobs = []
    for size, bpp, payload in entries:
        if isinstance(payload, bytes):
            blobs.append((size, bpp, 0, payload))
            continue
        palette, xor, mask = payload
        ncol = len(palette) if palette else 0
        head = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bpp, 0, len(xor) + len(mask), 0, 0, ncol, 0)
        table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette or [])
        blobs.append((size, bpp, ncol, head + table + xor + mask))
    offset = 6 + 16 * len(blobs)
    out = struct.pack("<HHH", 0, 1, len(blobs))
    for size, bpp, ncol, blob in blobs:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, ncol % 256, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blob for _, _, _, blob in blobs))


def _and_mask(size, opaque):
    """1-bit AND mask, bottom-up, rows padded to 4 bytes: set where the pixel is clear."""
    stride = ((size + 31) // 32) * 4
    rows = []
    for y in range(size - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(size):
            if not opaque(x, y):
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def make_icon_set(icon_bmp):
    """hicolor PNGs at every size, the SVG, and the Windows .ico."""
    theme = os.path.join(RES, "icons", "hicolor")
    ico = []
    for size in ICON_SIZES:
        folder = os.path.join(theme, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        rgba = icon_rgba(size)
        png = write_png(os.path.join(folder, APP_ID + ".png"), size, size, rgba)
        if size == 256:
            ico.append((size, 32, png))
        elif size in (16, 24, 32, 48, 64):
            xor = b"".join(bytes((b, g, r, a)) for y in range(size - 1, -1, -1)
                           for r, g, b, a in rgba[y * size:(y + 1) * size])
            ico.append((size, 32, (None, xor, _and_mask(size, lambda x, y: rgba[y * size + x][3] > 0))))
        if size == 32:
            # The classic 8-bit window icon, the same picture as res/icon.bmp.
            pal, idx = icon_bmp
            pal = list(pal) + [(0, 0, 0)] * (256 - len(pal))
            xor = b"".join(bytes(idx[y * 32:(y + 1) * 32]) for y in range(31, -1, -1))
            ico.append((32, 8, (pal, xor, _and_mask(32, lambda x, y: True))))
    folder = os.path.join(theme, "scalable", "apps")
    os.makedirs(folder, exist_ok=True)
    make_svg_icon(os.path.join(folder, APP_ID + ".svg"))
    write_ico(os.path.join(RES, "barkmoor.ico"), ico)


# --- The title: a hand-made bold stroke font, only the letters Barkmoor needs.

PEN = 2.6            # half the stroke width
CAP_TOP = 3.0 + PEN  # centre lines of strokes
X_TOP = 12.5 + PEN
BASE = 33.0 - PEN


def glyph(ch, x):
    """Shape and advance for one letter whose left ink edge is at x."""
    p = PEN
    if ch == "B":
        s = x + p
        mid = 17.0
        top = [(s, CAP_TOP), (s + 7.5, CAP_TOP)] + arc(s + 7.5, (CAP_TOP + mid) / 2, 6.0,
                                                       (mid - CAP_TOP) / 2, -90, 90)[1:] + [(s, mid)]
        bot = [(s, mid), (s + 8.5, mid)] + arc(s + 8.5, (mid + BASE) / 2, 6.8,
                                                (BASE - mid) / 2, -90, 90)[1:] + [(s, BASE)]
        return union(stroke([(s, CAP_TOP), (s, BASE)], p), stroke(top, p), stroke(bot, p)), 15.3 + 2 * p
    if ch == "a":
        # Two-storey a: the hook over the bowl keeps it apart from o.
        s = x + p
        mid = (X_TOP + BASE) / 2 + 0.3
        hook = arc(s + 5.6, X_TOP + 4.2, 5.6, 4.2, 205, 360, 14) + [(s + 11.2, BASE)]
        bowl = [(s + 11.2, mid)] + arc(s + 5.0, (mid + BASE) / 2, 5.0, (BASE - mid) / 2,
                                        270, 90, 16) + [(s + 11.2, BASE)]
        return union(stroke(hook, p), stroke(bowl, p)), 11.2 + 2 * p
    if ch == "r":
        s = x + p
        shoulder = arc(s + 8.2, X_TOP + 7.0, 8.2, 7.0, 180, 275, 12)
        return union(stroke([(s, X_TOP), (s, BASE)], p), stroke(shoulder, p)), 8.9 + 2 * p
    if ch == "k":
        s = x + p
        join = (s + 1.5, 24.0)
        return union(stroke([(s, CAP_TOP), (s, BASE)], p),
                     stroke([(s + 10.5, X_TOP), join], p),
                     stroke([(s + 4.5, 22.0), (s + 10.8, BASE)], p)), 10.8 + 2 * p
    if ch == "m":
        s = x + p
        w = 8.6
        a1 = [(s, BASE)] + arc(s + w / 2, X_TOP + 5.0, w / 2, 5.0, 180, 360, 12) + [(s + w, BASE)]
        a2 = arc(s + w * 1.5, X_TOP + 5.0, w / 2, 5.0, 180, 360, 12) + [(s + 2 * w, BASE)]
        return union(stroke([(s, X_TOP), (s, BASE)], p), stroke(a1, p), stroke(a2, p)), 2 * w + 2 * p
    if ch == "o":
        s = x + p
        bowl = ellipse(s + 6.0, (X_TOP + BASE) / 2, 6.0, (BASE - X_TOP) / 2)
        return ring(bowl, p), 12.0 + 2 * p
    raise ValueError(ch)


def paw(cx, cy, k=1.0, tilt=0.25):
    """One big pad under four toes, turned by tilt radians."""
    c, s = math.cos(tilt), math.sin(tilt)

    def at(dx, dy):
        return cx + k * (dx * c - dy * s), cy + k * (dx * s + dy * c)
    pad = union(ellipse(*at(0, 4.2), 6.6 * k, 5.2 * k, tilt),
                ellipse(*at(0, 1.6), 4.2 * k, 3.4 * k, tilt))
    toes = [ellipse(*at(dx, dy), 2.6 * k, 3.3 * k, tilt + a)
            for dx, dy, a in ((-7.6, -2.6, -0.5), (-3.0, -6.6, -0.15),
                              (3.0, -6.6, 0.15), (7.6, -2.6, 0.5))]
    return union(pad, *toes)


GREEN = (28, 150, 48)
GREEN_DARK = (14, 92, 28)
PAW_RED = (212, 30, 36)


def title_layers():
    shapes, x = [], 3.0
    for ch in "Barkmoor":
        shape, adv = glyph(ch, x)
        shapes.append(shape)
        x += adv + 2.6
    word = union(*shapes)
    return [(word, GREEN, None, 0.0), (paw(x + 11.5, 19.5, 1.08), PAW_RED, None, 0.0)], x


def make_title(path):
    layers, _ = title_layers()
    img = render(187, 37, layers)
    # Fixed palette: the inks and their blends with the white paper.
    def mix(a, t):
        return tuple(round(255 + (c - 255) * t) for c in a)
    pal = [WHITE, GREEN, GREEN_DARK, PAW_RED, (0, 0, 0)]
    pal += [mix(GREEN, t) for t in (0.2, 0.4, 0.6, 0.8)]
    pal += [mix(PAW_RED, t) for t in (0.25, 0.5, 0.75)]
    pal += [(192, 192, 192), (128, 128, 128), (64, 160, 72), (120, 200, 128)]
    pal, idx = quantise(img, 16, pal)
    write_bmp(path, 187, 37, 4, pal, idx)
    return img


# --- The bark: a gruff, falling, noisy burst.

RATE = 11000
SAMPLES = 1890


def _resonator(freq, bw):
    """Two-pole band-pass, gain about one at its centre."""
    r = math.exp(-math.pi * bw / RATE)
    a1, a2 = 2 * r * math.cos(2 * math.pi * freq / RATE), -r * r
    g = (1 - r * r) / 2
    y1 = y2 = x1 = x2 = 0.0

    def step(x):
        nonlocal y1, y2, x1, x2
        y = g * (x - x2) + a1 * y1 + a2 * y2
        x2, x1, y2, y1 = x1, x, y1, y
        return y
    return step


def make_bark(path):
    rng = random.Random(1889)
    n = SAMPLES
    out = []
    phase = 0.0
    lows = [_resonator(f, bw) for f, bw in ((620, 180), (1250, 260), (2300, 400))]
    gains = (1.0, 0.7, 0.35)
    prev_x = prev_y = 0.0
    for k in range(n):
        t = k / RATE
        # Pitch drops from a yelp to a growl as the bark runs out.
        f0 = 210 + 330 * math.exp(-t / 0.055)
        phase += f0 / RATE
        phase -= math.floor(phase)
        # Buzzy pulse (saw with a soft corner) plus breath noise.
        src = (1.0 - 2.0 * phase) * 0.8 + (rng.random() * 2 - 1) * 0.55
        src += 0.25 * math.sin(2 * math.pi * phase) ** 3
        y = sum(gn * res(src) for res, gn in zip(lows, gains))
        # Fast attack, quick decay, and a clean tail to silence.
        env = min(1.0, t / 0.008) * math.exp(-max(0.0, t - 0.025) / 0.045)
        env *= min(1.0, (n - 1 - k) / (0.012 * RATE))
        y = math.tanh(2.2 * y) * env
        # Block DC so the unsigned samples centre on 128.
        hp = y - prev_x + 0.985 * prev_y
        prev_x, prev_y = y, hp
        out.append(hp)
    peak = max(abs(v) for v in out) or 1.0
    data = bytes(max(0, min(255, int(round(128 + 118 * v / peak)))) for v in out)
    assert len(data) == SAMPLES
    head = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE",
                       b"fmt ", 16, 1, 1, RATE, RATE, 1, 8, b"data", len(data))
    with open(path, "wb") as f:
        f.write(head + data)


def main():
    os.makedirs(RES, exist_ok=True)
    make_dog(os.path.join(RES, "dog.bmp"))
    make_title(os.path.join(RES, "title.bmp"))
    icon_bmp = make_icon(os.path.join(RES, "icon.bmp"))
    make_bark(os.path.join(RES, "bark.wav"))
    make_icon_set(icon_bmp)


if __name__ == "__main__":
    main()
