#!/usr/bin/env python3
"""Draws the program icon: a desktop broadband modem standing upright.

Writes into assets/icons/ (or the folder given as the only argument):
  tavrolin.ico          32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours
  tavrolin-N.png        N = 16, 24, 32, 48, 64, 128, 256, for the window and the icon theme

The 16 and 32 pixel images are drawn pixel by pixel in the 16-colour Windows palette; the
larger PNGs are drawn from the same shapes, anti-aliased. Only the standard library is used,
and the output is the same on every run.
"""

import pathlib
import struct
import sys
import zlib

# The 16-colour Windows palette, by the letters the pixel drawings use.
PALETTE = [
    ("K", (0, 0, 0)), ("r", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("S", (192, 192, 192)),
    ("G", (128, 128, 128)), ("R", (255, 0, 0)), ("L", (0, 255, 0)), ("Y", (255, 255, 0)),
    ("B", (0, 0, 255)), ("M", (255, 0, 255)), ("C", (0, 255, 255)), ("W", (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}
# "H" is the grey of the modem's shaded side: grey in colour, a dither in black and white.
INDEX["H"] = INDEX["G"]

# Front view with the right side and the top in view; "." is transparent. A dark modem
# with a lit panel of status lights, a badge at the top and vents at the bottom.
MODEM_32 = """
................................
................................
...........KKKKKKKKKKKKK........
..........KSSSSSSSSSSSKK........
.........KKKKKKKKKKKKKHK........
.........KGGGGGGGGGGGKHK........
.........KGGGWWBWWGGGKHK........
.........KGGGGGGGGGGGKHK........
.........KGGKKKKKKKGGKHK........
.........KGGKLLKSSKGGKHK........
.........KGGKLLKKKKGGKHK........
.........KGGKKKKKKKGGKHK........
.........KGGKLLKSSKGGKHK........
.........KGGKLLKKKKGGKHK........
.........KGGKKKKKKKGGKHK........
.........KGGKYYKSSKGGKHK........
.........KGGKYYKKKKGGKHK........
.........KGGKKKKKKKGGKHK........
.........KGGKLLKSSKGGKHK........
.........KGGKLLKKKKGGKHK........
.........KGGKKKKKKKGGKHK........
.........KGGGGGGGGGGGKHK........
.........KGGSSSSSSSGGKHK........
.........KGGGGGGGGGGGKHK........
.........KGGSSSSSSSGGKHK........
.........KGGGGGGGGGGGKK.........
.........KKKKKKKKKKKKK..........
..........KKKKKKKKKKK...........
......KGGGGGGGGGGGGGGGGK........
......KKKKKKKKKKKKKKKKKK........
................................
................................
"""

MODEM_16 = """
......KKKKKKK...
.....KGGGGGKK...
....KKKKKKKHK...
....KGWBWGKHK...
....KGKKKGKHK...
....KGLKSGKHK...
....KGKKKGKHK...
....KGLKSGKHK...
....KGKKKGKHK...
....KGYKSGKHK...
....KGKKKGKHK...
....KGGGGGKHK...
....KGSSSGKK....
....KKKKKKK.....
...KGGGGGGGGK...
...KKKKKKKKKK...
"""


def parse(drawing, size):
    rows = [row for row in drawing.strip().splitlines()]
    assert len(rows) == size and all(len(row) == size for row in rows), "drawing is not square"
    return rows


def palette_rgb(letter):
    return PALETTE[INDEX[letter]][1]


# --- ICO -----------------------------------------------------------------------------------


def dib_rows(values, bits):
    """Bottom-up DIB rows of `bits`-per-pixel values, each row padded to 4 bytes."""
    data = bytearray()
    for row in reversed(values):
        acc, nbits, line = 0, 0, bytearray()
        for v in row:
            acc = (acc << bits) | v
            nbits += bits
            if nbits == 8:
                line.append(acc)
                acc, nbits = 0, 0
        if nbits:
            line.append(acc << (8 - nbits))
        line.extend(b"\0" * (-len(line) % 4))
        data += line
    return bytes(data)


def ico_image(rows, bits):
    """One ICO image: BITMAPINFOHEADER, palette, colour bits and the transparency mask."""
    size = len(rows)
    if bits == 1:
        colours = [(0, 0, 0), (255, 255, 255)]
        values = [[mono_value(rows, x, y) for x in range(size)] for y in range(size)]
    else:
        colours = [rgb for _, rgb in PALETTE]
        values = [[INDEX.get(c, 0) for c in row] for row in rows]
    mask = [[1 if c == "." else 0 for c in row] for row in rows]
    xor = dib_rows(values, bits)
    andmask = dib_rows(mask, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                         len(xor) + len(andmask), 0, 0, len(colours), 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    return header + quads + xor + andmask


def mono_value(rows, x, y):
    """Black (0) or white (1): outlines and markings black, light faces and lights white."""
    c = rows[y][x]
    if c == ".":
        return 0
    if c == "H":
        return (x + y) % 2
    return 1 if c in "WSLY" else 0


def write_ico(path, images):
    """images: (rows, bits) in directory order."""
    blobs = [ico_image(rows, bits) for rows, bits in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (rows, bits), blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size, size, 1 << bits, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    path.write_bytes(out + b"".join(blobs))


# --- PNG -----------------------------------------------------------------------------------


def write_png(path, size, rgba):
    """rgba: size*size tuples of 0..255."""
    raw = bytearray()
    for y in range(size):
        raw.append(0)
        for x in range(size):
            raw += bytes(rgba[y * size + x])

    def chunk(kind, data):
        crc = zlib.crc32(kind + data) & 0xFFFFFFFF
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def pixel_png(rows):
    return [(0, 0, 0, 0) if c == "." else palette_rgb(c) + (255,) for row in rows for c in row]


# --- Anti-aliased drawing for the larger sizes ---------------------------------------------
# Shapes are convex polygons or circles in a 32 x 32 design space, the same space as the
# 32 pixel drawing, so every size shows the same modem.

SUBROWS = 4


def polygon_span(points, y):
    """The x range a convex polygon covers on the horizontal line y, or None."""
    xs = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    return (min(xs), max(xs)) if len(xs) >= 2 else None


def circle_span(circle, y):
    cx, cy, r = circle
    d = r * r - (y - cy) ** 2
    return (cx - d ** 0.5, cx + d ** 0.5) if d > 0 else None


def coverage(size, span_at):
    """Per-pixel coverage (0..1) of a shape given by its span on each horizontal line."""
    scale = size / 32.0
    cover = [0.0] * (size * size)
    for py in range(size):
        for sub in range(SUBROWS):
            y = (py + (sub + 0.5) / SUBROWS) / scale
            span = span_at(y)
            if span is None:
                continue
            x0, x1 = span[0] * scale, span[1] * scale
            for px in range(max(0, int(x0)), min(size, int(x1) + 1)):
                part = min(x1, px + 1) - max(x0, px)
                if part > 0:
                    cover[py * size + px] += part / SUBROWS
    return cover


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def modem_shapes():
    """(kind, geometry, colour function of design-space y) from back to front."""
    outline = (20, 22, 26)
    rect = lambda x0, y0, x1, y1: [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    flat = lambda colour: (lambda y: colour)

    def fade(top, bottom, y0, y1):
        return lambda y: tuple(t + (b - t) * min(1, max(0, (y - y0) / (y1 - y0)))
                               for t, b in zip(top, bottom))

    shapes = [
        # the stand: a neck under the body and a wide foot with a lit top edge
        ("poly", rect(10, 26.5, 22, 28.2), flat(outline)),
        ("poly", [(6.6, 28), (23.4, 28), (24, 28.6), (24, 30), (6, 30), (6, 28.6)], flat(outline)),
        ("poly", rect(7, 28.4, 23, 29), flat((92, 97, 108))),
        # the body: outline, top, shaded side and front
        ("poly", [(9, 4), (11, 2), (24, 2), (24, 25), (22, 27), (9, 27)], flat(outline)),
        ("poly", [(11.4, 2.9), (23.1, 2.9), (22.2, 3.8), (10.5, 3.8)], flat((104, 110, 122))),
        ("poly", [(22.8, 4.5), (23.2, 4.1), (23.2, 24.6), (22.8, 25.0)], flat((40, 43, 50))),
        ("poly", rect(10, 5, 22, 26), fade((84, 90, 101), (56, 60, 68), 5, 26)),
        ("poly", rect(10, 5, 10.6, 26), flat((104, 110, 122))),
        # the badge, the panel of lights and the vents
        ("poly", rect(13.2, 6, 17.8, 7), flat((235, 238, 242))),
        ("circle", (13.2, 6.5, 0.5), flat((235, 238, 242))),
        ("circle", (17.8, 6.5, 0.5), flat((235, 238, 242))),
        ("circle", (15.5, 6.5, 0.3), flat((40, 110, 230))),
        ("poly", rect(12, 8, 19, 21), flat((14, 16, 19))),
    ]
    for top, light in ((9, (50, 225, 80)), (12, (50, 225, 80)), (15, (250, 170, 30)),
                       (18, (50, 225, 80))):
        shapes.append(("circle", (14, top + 1, 0.85), flat(light)))
        shapes.append(("circle", (13.75, top + 0.75, 0.3), flat((235, 255, 235))))
        shapes.append(("poly", rect(16, top + 0.65, 18.3, top + 1.35), flat((120, 126, 138))))
    for y in (22.2, 24.2):
        shapes.append(("poly", rect(12, y, 19, y + 0.6), flat((118, 124, 136))))
    return shapes


def vector_png(size):
    canvas = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    scale = size / 32.0
    for kind, geometry, colour_at in modem_shapes():
        if kind == "poly":
            cover = coverage(size, lambda y, g=geometry: polygon_span(g, y))
        else:
            cover = coverage(size, lambda y, g=geometry: circle_span(g, y))
        for i, a in enumerate(cover):
            if a <= 0:
                continue
            a = min(a, 1.0)
            colour = colour_at((i // size + 0.5) / scale)
            px = canvas[i]
            out_a = a + px[3] * (1 - a)
            for c in range(3):
                px[c] = (colour[c] * a + px[c] * px[3] * (1 - a)) / out_a
            px[3] = out_a
    return [tuple(round(v) for v in px[:3]) + (round(px[3] * 255),) for px in canvas]


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "assets" / "icons")
    out.mkdir(parents=True, exist_ok=True)
    rows32, rows16 = parse(MODEM_32, 32), parse(MODEM_16, 16)
    write_ico(out / "tavrolin.ico", [(rows32, 1), (rows32, 4), (rows16, 4)])
    write_png(out / "tavrolin-16.png", 16, pixel_png(rows16))
    write_png(out / "tavrolin-32.png", 32, pixel_png(rows32))
    for size in (24, 48, 64, 128, 256):
        write_png(out / f"tavrolin-{size}.png", size, vector_png(size))


if __name__ == "__main__":
    main()
