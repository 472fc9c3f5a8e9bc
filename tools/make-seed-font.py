#!/usr/bin/env python3
"""Writes a small TrueType font for the fuzzers' seed corpus: a box with a square hole, a ring
of quadratic curves with a hole, a triangle, a composite of the ring and a scaled triangle, and
an empty glyph, mapped to the printable ASCII codes. Usage: make-seed-font.py OUT.ttf"""
import struct
import sys


def simple_glyph(contours):
    """contours: lists of (x, y, on_curve)."""
    points = [p for c in contours for p in c]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    out = struct.pack(">hhhhh", len(contours), min(xs), min(ys), max(xs), max(ys))
    end = -1
    for c in contours:
        end += len(c)
        out += struct.pack(">H", end)
    out += struct.pack(">H", 0)  # no instructions
    out += bytes(1 if on else 0 for _, _, on in points)  # long x and y deltas
    last = 0
    for x, _, _ in points:
        out += struct.pack(">h", x - last)
        last = x
    last = 0
    for _, y, _ in points:
        out += struct.pack(">h", y - last)
        last = y
    return out


def composite_glyph(bbox, parts):
    """parts: (glyph, dx, dy, scale or None)."""
    out = struct.pack(">hhhhh", -1, *bbox)
    for i, (glyph, dx, dy, scale) in enumerate(parts):
        flags = 0x0001 | 0x0002 | (0x0020 if i + 1 < len(parts) else 0) | (0x0008 if scale else 0)
        out += struct.pack(">HHhh", flags, glyph, dx, dy)
        if scale:
            out += struct.pack(">h", int(scale * 16384))
    return out


def ring(cx, cy, r, clockwise):
    # Eight points, on and off the curve by turns: four quadratic arcs.
    pts = [(cx + r, cy, 1), (cx + r, cy + r, 0), (cx, cy + r, 1), (cx - r, cy + r, 0),
           (cx - r, cy, 1), (cx - r, cy - r, 0), (cx, cy - r, 1), (cx + r, cy - r, 0)]
    return list(reversed(pts)) if clockwise else pts


def square(x0, y0, x1, y1, clockwise):
    pts = [(x0, y0, 1), (x1, y0, 1), (x1, y1, 1), (x0, y1, 1)]
    return list(reversed(pts)) if clockwise else pts


glyphs = [
    simple_glyph([square(50, 0, 450, 700, True), square(150, 100, 350, 600, False)]),
    simple_glyph([ring(300, 350, 300, True), ring(300, 350, 150, False)]),
    simple_glyph([[(0, 0, 1), (250, 700, 1), (500, 0, 1)]]),
    composite_glyph((0, 0, 900, 700), [(2, 0, 0, None), (3, 600, 0, 0.5)]),
    b"",
]
glyphs = [glyphs[0]] + glyphs  # glyph 0, the missing-character glyph, is the box
advances = [500, 500, 600, 500, 900, 250]


def codes_to_glyph(c):
    if c == 0x20:
        return 5
    return 1 + c % 4


def table_cmap():
    first, last = 0x20, 0x7E
    seg = 2
    ids = [codes_to_glyph(c) for c in range(first, last + 1)]
    body = struct.pack(">HHHH", seg * 2, 4, 1, 0)
    body += struct.pack(">HH", last, 0xFFFF) + struct.pack(">H", 0)
    body += struct.pack(">HH", first, 0xFFFF)
    body += struct.pack(">hh", 0, 1)
    body += struct.pack(">HH", seg * 2, 0)
    body += b"".join(struct.pack(">H", g) for g in ids)
    sub = struct.pack(">HHH", 4, 6 + len(body), 0) + body
    return struct.pack(">HHHHI", 0, 1, 3, 1, 12) + sub


def build():
    glyf, loca = b"", []
    for g in glyphs:
        loca.append(len(glyf))
        glyf += g + b"\0" * (-len(g) % 4)
    loca.append(len(glyf))
    n = len(glyphs)
    tables = {
        b"cmap": table_cmap(),
        b"glyf": glyf,
        b"head": struct.pack(">IIIIHHqqhhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 3, 1000,
                             0, 0, 0, 0, 900, 700, 0, 8, 2, 1, 0),
        b"hhea": struct.pack(">Ihhh Hhhh hhh hhhh hH".replace(" ", ""), 0x10000, 800, -200, 0,
                             900, 0, 0, 900, 1, 0, 0, 0, 0, 0, 0, 0, n),
        b"hmtx": b"".join(struct.pack(">Hh", a, 0) for a in advances),
        b"loca": b"".join(struct.pack(">I", o) for o in loca),
        b"maxp": struct.pack(">IHHHHHHHHHHHHHH", 0x10000, n, 16, 2, 16, 2, 2, 0, 0, 0, 0, 0, 0,
                             2, 1),
        b"name": struct.pack(">HHH", 0, 0, 6),
        b"post": struct.pack(">IIhhIIIII", 0x30000, 0, -100, 50, 0, 0, 0, 0, 0),
    }
    tags = sorted(tables)
    offset = 12 + 16 * len(tags)
    directory, data = struct.pack(">IHHHH", 0x10000, len(tags), 128, 3, 16 * len(tags) - 128), b""
    for tag in tags:
        t = tables[tag]
        padded = t + b"\0" * (-len(t) % 4)
        checksum = sum(struct.unpack(">%dI" % (len(padded) // 4), padded)) & 0xFFFFFFFF
        directory += struct.pack(">4sIII", tag, checksum, offset + len(data), len(t))
        data += padded
    return directory + data


with open(sys.argv[1], "wb") as f:
    f.write(build())
