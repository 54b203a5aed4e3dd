#!/usr/bin/env python3
"""Draws the Vantrix icon and writes res/vantrix.ico (Python 3 standard library only).

    res/make_icon.py                 writes res/vantrix.ico
    res/make_icon.py --check         exits 1 when res/vantrix.ico is not what this script draws
    res/make_icon.py --png DIR       also writes each size as DIR/vantrix-<size>.png, to look at

The picture: a launch caret in amber over a text cursor, on a rounded indigo tile. Each size is
drawn on its own (the small ones with fewer, thicker parts) with analytic anti-aliasing, so the
output depends on nothing but this file: 16, 20, 24, 32 and 48 pixels as 32-bit bitmaps with an
AND mask (every Windows), 256 pixels as PNG (Windows Vista and later).
"""
import math
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 48, 256)
HERE = os.path.dirname(os.path.abspath(__file__))
ICO = os.path.join(HERE, "vantrix.ico")

TILE_TOP = (78, 92, 206)
TILE_BOTTOM = (38, 42, 118)
TILE_EDGE = (26, 28, 80)
CARET_TOP = (255, 210, 92)
CARET_BOTTOM = (255, 164, 36)
CURSOR = (255, 255, 255)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def rounded_box(px, py, x0, y0, x1, y1, r):
    """Signed distance from (px, py) to a rectangle with corners rounded by r (negative inside)."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def segment(px, py, ax, ay, bx, by, half_width):
    """Signed distance to a stroke from a to b with round ends."""
    dx, dy = bx - ax, by - ay
    t = clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy))
    return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width


def coverage(distance, softness=1.0):
    """The part of a pixel inside a shape, from its distance (in pixels) to the shape's edge."""
    return clamp(0.5 - distance / softness)


def over(dst, colour, alpha):
    """Paints colour with alpha over dst (premultiplied RGBA, components 0..1)."""
    r, g, b, a = dst
    k = 1.0 - alpha
    return (colour[0] / 255 * alpha + r * k, colour[1] / 255 * alpha + g * k, colour[2] / 255 * alpha + b * k,
            alpha + a * k)


def geometry(size):
    """The parts of the picture at one size, in pixels."""
    s = float(size)
    small = size <= 20
    pad = 0.0 if size < 32 else round(s * 0.035)
    g = {
        "tile": (pad, pad, s - pad, s - pad, s * (0.19 if small else 0.21)),
        "edge": max(1.0, s / 40),
    }
    if small:
        # A big caret alone: at 16 and 20 pixels a cursor would only blur it.
        g["caret"] = ((0.5 * s, 0.22 * s), (0.19 * s, 0.75 * s), (0.81 * s, 0.75 * s), 0.1 * s)
        g["cursor"] = None
    else:
        g["caret"] = ((0.5 * s, 0.22 * s), (0.245 * s, 0.62 * s), (0.755 * s, 0.62 * s), 0.085 * s)
        g["cursor"] = ((0.34 * s, 0.79 * s), (0.66 * s, 0.79 * s), max(1.0, 0.045 * s))
    g["shadow"] = size >= 32
    return g


def draw(size):
    """The picture as rows of straight (not premultiplied) RGBA bytes, top row first."""
    g = geometry(size)
    x0, y0, x1, y1, radius = g["tile"]
    apex, left, right, caret_half = g["caret"]
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            pixel = (0.0, 0.0, 0.0, 0.0)
            tile = rounded_box(px, py, x0, y0, x1, y1, radius)
            t = clamp((py - y0) / (y1 - y0))
            pixel = over(pixel, TILE_EDGE, coverage(tile))
            pixel = over(pixel, mix(TILE_TOP, TILE_BOTTOM, t), coverage(tile + g["edge"]))
            caret = min(segment(px, py, *apex, *left, caret_half), segment(px, py, *apex, *right, caret_half))
            if g["shadow"]:
                drop = size * 0.025
                shade = min(segment(px, py - drop, *apex, *left, caret_half),
                            segment(px, py - drop, *apex, *right, caret_half))
                pixel = over(pixel, (10, 12, 40), 0.35 * coverage(shade, size * 0.06))
            pixel = over(pixel, mix(CARET_TOP, CARET_BOTTOM, clamp((py - apex[1]) / (left[1] - apex[1]))),
                         coverage(caret))
            if g["cursor"]:
                a, b, half = g["cursor"]
                pixel = over(pixel, CURSOR, 0.92 * coverage(segment(px, py, *a, *b, half)))
            r, gr, bl, al = pixel
            if al <= 0.0:
                row += b"\0\0\0\0"
            else:
                row += bytes(int(round(clamp(c / al) * 255)) for c in (r, gr, bl)) + bytes([int(round(al * 255))])
        rows.append(bytes(row))
    return rows


def bmp_entry(size, rows):
    """A 32-bit icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for i in range(0, len(row), 4):
            r, g, b, a = row[i:i + 4]
            pixels += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x in range(size):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def png(size, rows):
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def ico(images):
    """images: (size, bytes) pairs; 256 is written as 0 in the directory."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset + len(body))
        body += data
    return out + body


def build():
    images, pngs = [], {}
    for size in SIZES:
        rows = draw(size)
        pngs[size] = png(size, rows)
        images.append((size, pngs[size] if size >= 256 else bmp_entry(size, rows)))
    return ico(images), pngs


def entries(data):
    """The images of an .ico file, PNG data decompressed so that zlib versions do not matter."""
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    out = []
    for i in range(count):
        w, h, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        image = data[offset:offset + length]
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            at, idat, header = 8, b"", b""
            while at < len(image):
                n, name = struct.unpack_from(">I4s", image, at)
                if name == b"IHDR":
                    header = image[at + 8:at + 8 + n]
                elif name == b"IDAT":
                    idat += image[at + 8:at + 8 + n]
                at += n + 12
            image = header + zlib.decompress(idat)
        out.append((w, h, bits, image))
    return kind, out


def main(argv):
    data, pngs = build()
    if "--check" in argv:
        with open(ICO, "rb") as f:
            committed = f.read()
        if entries(committed) != entries(data):
            print("res/vantrix.ico is not what res/make_icon.py draws; run res/make_icon.py", file=sys.stderr)
            return 1
        return 0
    if "--png" in argv:
        folder = argv[argv.index("--png") + 1]
        os.makedirs(folder, exist_ok=True)
        for size, image in pngs.items():
            with open(os.path.join(folder, "vantrix-%d.png" % size), "wb") as f:
                f.write(image)
    with open(ICO, "wb") as f:
        f.write(data)
    print("%s: %s pixels, %d bytes" % (ICO, ", ".join(map(str, SIZES)), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
