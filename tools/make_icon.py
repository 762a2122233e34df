#!/usr/bin/env python3
"""Draws the Varendo icon (a capture ball under a magnifier showing a bar chart) and writes resources/varendo.ico.

Standard library only. Every shape is a signed distance function sampled once
per pixel, which gives clean anti-aliased edges at every size without
supersampling. Small sizes get thicker minimum strokes and a simpler chart so
they stay readable at 16 x 16.

Usage: python3 tools/make_icon.py [output.ico] [--png SIZE PATH]
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
# Sizes up to this one are stored as 32-bit BMP entries (read by every
# Windows version); larger ones as PNG to keep the file small.
LARGEST_BMP = 64


# ----------------------------------------------------------------- geometry

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def sd_circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def sd_segment(x, y, ax, ay, bx, by, r):
    px, py = x - ax, y - ay
    dx, dy = bx - ax, by - ay
    h = clamp01((px * dx + py * dy) / (dx * dx + dy * dy))
    return math.hypot(px - dx * h, py - dy * h) - r


def sd_round_box(x, y, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def hexcol(s):
    return tuple(int(s[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


# ------------------------------------------------------------------ drawing

class Canvas:
    """Premultiplied RGBA float buffer with 'over' compositing."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def layer(self, sdf, color, alpha=1.0, soft=1.0, clip=None):
        """Composite one shape. sdf(x, y) gives the distance in icon units
        (0..1 across the icon); color is an RGB tuple or a function of (x, y).
        soft widens the anti-aliasing ramp (in pixels), for shadows."""
        n = self.size
        inv = 1.0 / n
        for j in range(n):
            y = (j + 0.5) * inv
            row = j * n
            for i in range(n):
                x = (i + 0.5) * inv
                d = sdf(x, y)
                if d * n > soft:
                    continue
                cov = clamp01(0.5 - d * n / soft) * alpha
                if clip is not None:
                    cov *= clamp01(0.5 - clip(x, y) * n)
                if cov <= 0.0:
                    continue
                c = color(x, y) if callable(color) else color
                p = self.px[row + i]
                k = 1.0 - cov
                p[0] = c[0] * cov + p[0] * k
                p[1] = c[1] * cov + p[1] * k
                p[2] = c[2] * cov + p[2] * k
                p[3] = cov + p[3] * k

    def rgba_rows(self):
        """Straight (non-premultiplied) 8-bit RGBA rows, top to bottom."""
        n = self.size
        rows = []
        for j in range(n):
            row = bytearray()
            for i in range(n):
                r, g, b, a = self.px[j * n + i]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((
                    int(round(clamp01(r / a) * 255)),
                    int(round(clamp01(g / a) * 255)),
                    int(round(clamp01(b / a) * 255)),
                    int(round(clamp01(a) * 255)),
                ))
            rows.append(bytes(row))
        return rows


RED_TOP = hexcol("f0503a")
RED_BOTTOM = hexcol("b8231a")
WHITE_TOP = hexcol("ffffff")
WHITE_BOTTOM = hexcol("cfd4dc")
INK = hexcol("1f2230")
GLASS = hexcol("e6f5ff")
RIM_LIGHT = hexcol("a9b4c6")
RIM_DARK = hexcol("4a5366")
HANDLE_LIGHT = hexcol("6b4a35")
HANDLE_DARK = hexcol("3b271b")
BAR_COLORS = (hexcol("2fb36b"), hexcol("f4a91d"), hexcol("3f7fe6"))


def draw(size):
    cv = Canvas(size)
    px = 1.0 / size
    # Strokes never thinner than about a pixel, or they vanish at 16 x 16.
    outline = max(0.028, 1.0 * px)
    band = max(0.055, 1.0 * px)
    small = size < 32
    # Drop shadows only muddy the edges of the small images.
    shadow = 0.0 if small else 0.22

    # Capture ball, upper left. Centred on a pixel centre so that the dark
    # band lands on whole pixel rows at the small sizes.
    bx = by = (round(0.405 * size - 0.5) + 0.5) / size
    br = 0.365
    cv.layer(lambda x, y: sd_circle(x, y, bx + 0.02, by + 0.035, br),
             (0.0, 0.0, 0.0), alpha=shadow, soft=max(1.0, size / 24.0))
    cv.layer(lambda x, y: sd_circle(x, y, bx, by, br), INK)
    inner = br - outline
    cv.layer(lambda x, y: max(sd_circle(x, y, bx, by, inner), y - (by - band / 2)),
             lambda x, y: lerp(RED_TOP, RED_BOTTOM, clamp01((y - (by - br)) / br)))
    cv.layer(lambda x, y: max(sd_circle(x, y, bx, by, inner), (by + band / 2) - y),
             lambda x, y: lerp(WHITE_TOP, WHITE_BOTTOM, clamp01((y - by) / br)))
    if size >= 24:
        # Glossy highlight on the red half.
        cv.layer(lambda x, y: math.hypot((x - (bx - 0.13)) / 1.6, (y - (by - 0.2)) / 1.0) - 0.055,
                 (1.0, 1.0, 1.0), alpha=0.45, soft=max(1.0, size / 40.0),
                 clip=lambda x, y: max(sd_circle(x, y, bx, by, inner), y - (by - band / 2)))
    button = max(0.085, 1.5 * px)
    cv.layer(lambda x, y: sd_circle(x, y, bx, by, button + outline * 1.2), INK)
    cv.layer(lambda x, y: sd_circle(x, y, bx, by, button), WHITE_TOP)
    if size >= 48:
        cv.layer(lambda x, y: abs(sd_circle(x, y, bx, by, button * 0.58)) - outline * 0.3,
                 WHITE_BOTTOM)

    # Magnifier, lower right: the lens "narrows down" onto a bar chart.
    lx, ly, lr = 0.655, 0.655, 0.215
    rim = max(0.045, 1.3 * px)
    hr = max(0.055, 1.5 * px)
    d = 0.7071
    ha = (lx + (lr + rim * 0.5) * d, ly + (lr + rim * 0.5) * d)
    hb = (0.925 - hr * 0.4, 0.925 - hr * 0.4)
    cv.layer(lambda x, y: sd_segment(x, y, ha[0] + 0.015, ha[1] + 0.025, hb[0] + 0.015, hb[1] + 0.025, hr),
             (0.0, 0.0, 0.0), alpha=shadow, soft=max(1.0, size / 24.0))
    cv.layer(lambda x, y: sd_segment(x, y, ha[0], ha[1], hb[0], hb[1], hr),
             lambda x, y: lerp(HANDLE_LIGHT, HANDLE_DARK,
                               clamp01(0.5 + ((x - y) / (hr * 2.0)) * 0.7)))
    cv.layer(lambda x, y: sd_circle(x, y, lx + 0.015, ly + 0.025, lr + rim),
             (0.0, 0.0, 0.0), alpha=shadow, soft=max(1.0, size / 24.0))
    lens = lambda x, y: sd_circle(x, y, lx, ly, lr)
    cv.layer(lens, lambda x, y: lerp(GLASS, hexcol("c4e4fa"), clamp01((y - (ly - lr)) / (2 * lr))),
             alpha=0.96)

    # Bar chart inside the lens, rising left to right.
    if size >= 24:
        heights = (0.15, 0.23, 0.31)
        bars = 3
    else:
        heights = (0.17, 0.31)
        bars = 2
    span = lr * 1.25
    gap = span * (0.16 if bars == 3 else 0.22)
    width = (span - gap * (bars - 1)) / bars
    base = ly + lr * 0.52
    x0 = lx - span / 2
    for k in range(bars):
        left = x0 + k * (width + gap)
        top = base - heights[k] * (lr / 0.215) * 0.9
        color = BAR_COLORS[k if bars == 3 else (0, 2)[k]]
        corner = min(width * 0.3, 0.02)
        cv.layer(lambda x, y, l=left, t=top: sd_round_box(x, y, l, t, l + width, base + corner, corner),
                 lambda x, y, c=color, t=top: lerp(c, tuple(v * 0.78 for v in c), clamp01((y - t) / (base - t))),
                 clip=lens)
    if size >= 32:
        cv.layer(lambda x, y: max(abs(y - base) - max(0.008, 0.5 * px), abs(x - lx) - span * 0.6),
                 RIM_DARK, alpha=0.8, clip=lens)

    # Rim, lit from the upper left, and a glint on the glass.
    cv.layer(lambda x, y: abs(sd_circle(x, y, lx, ly, lr + rim * 0.5)) - rim * 0.5,
             lambda x, y: lerp(RIM_LIGHT, RIM_DARK, clamp01(0.5 + ((x - lx) + (y - ly)) / (4 * lr))))
    if size >= 32:
        def glint(x, y):
            vx, vy = x - lx, y - ly
            ring = abs(math.hypot(vx, vy) - lr * 0.7) - max(0.012, 0.6 * px)
            # Keep only a short arc facing the light (upper left).
            arc = math.cos(math.radians(32)) * math.hypot(vx, vy) + (vx + vy) * 0.7071
            return max(ring, arc)
        cv.layer(glint, (1.0, 1.0, 1.0), alpha=0.8)
    return cv


# ------------------------------------------------------------------ writers

def png_bytes(width, rows):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    prev = bytes(width * 4)
    for row in rows:
        # Filter "Up" (2): smooth artwork compresses noticeably better.
        raw.append(2)
        raw += bytes((row[i] - prev[i]) & 0xFF for i in range(len(row)))
        prev = row
    ihdr = struct.pack(">IIBBBBB", width, len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def bmp_entry_bytes(size, rows):
    # Icon DIB: header height counts the XOR image and the AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):
        for i in range(size):
            r, g, b, a = row[i * 4:i * 4 + 4]
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for i in range(size):
            if row[i * 4 + 3] == 0:
                line[i // 8] |= 0x80 >> (i % 8)
        mask += line
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, entry bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        data += blob
    return out + data


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_path = os.path.join(here, "..", "resources", "varendo.ico")
    png_requests = []
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--png":
            png_requests.append((int(args.pop(0)), args.pop(0)))
        else:
            out_path = a

    images = []
    for size in SIZES:
        rows = draw(size).rgba_rows()
        blob = bmp_entry_bytes(size, rows) if size <= LARGEST_BMP else png_bytes(size, rows)
        images.append((size, blob))
    with open(out_path, "wb") as f:
        f.write(ico_bytes(images))

    for size, path in png_requests:
        with open(path, "wb") as f:
            f.write(png_bytes(size, draw(size).rgba_rows()))


if __name__ == "__main__":
    main(sys.argv[1:])
