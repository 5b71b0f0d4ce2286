#!/usr/bin/env python3
"""Draws the Tolvane icon: a desk telephone with a yen coin, in the 16-colour VGA palette.

Writes data/icons/tolvane-SIZE.xpm (the window icon, compiled in) and the same pictures as PNG
files for the desktop's icon theme, at every size the desktop asks for, so that no size is
scaled from another, and all of them as one Windows icon, data/icons/tolvane.ico; and the web
app's icons, tolvane-192.png, tolvane-512.png and tolvane-maskable-512.png, the last on a
white ground with the picture inside the middle that every mask shape keeps. Shapes are sampled 8x8 per pixel and each pixel takes the colour most of
its samples have, so edges stay crisp in 16 colours. The yen sign is drawn by hand at 16 and 32
pixels and from strokes at the other sizes.
"""
import math
import pathlib
import struct
import zlib
from collections import Counter

PALETTE = {  # XPM key: colour
    ".": "None",
    "k": "#000000",  # black
    "n": "#000080",  # navy
    "b": "#0000FF",  # blue
    "w": "#FFFFFF",  # white
    "s": "#C0C0C0",  # silver
    "y": "#FFFF00",  # yellow
    "o": "#808000",  # olive
    "m": "#800000",  # maroon
}


def in_round_rect(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


# The yen sign, drawn by hand for each size: a Y over two bars.
YEN = {
    16: ["X...X", ".X.X.", "XXXXX", "..X..", "XXXXX", "..X.."],
    32: [
        "XX.......XX",
        ".XX.....XX.",
        "..XX...XX..",
        "...XX.XX...",
        "....XXX....",
        "XXXXXXXXXXX",
        "XXXXXXXXXXX",
        "....XXX....",
        "XXXXXXXXXXX",
        "XXXXXXXXXXX",
        "....XXX....",
        "....XXX....",
    ],
}
COIN_CENTRE, COIN_RADIUS = (0.72, 0.72), 0.27
# The same sign as strokes, in 32nds of the icon (as in tolvane.svg).
YEN_STROKES = [
    ((18.9, 17.6), (23, 22.2)),
    ((27.1, 17.6), (23, 22.2)),
    ((23, 22.2), (23, 28.6)),
    ((19, 23.4), (27, 23.4)),
    ((19, 26.1), (27, 26.1)),
]
YEN_HALF_WIDTH = 1.0 / 32


def near_segment(x, y, a, b, reach):
    (ax, ay), (bx, by) = ((a[0] / 32, a[1] / 32), (b[0] / 32, b[1] / 32))
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= reach


def colour_at(x, y, small, stroked_yen=False):
    """Colour key at (x, y) in the unit square."""
    if stroked_yen and any(near_segment(x, y, a, b, YEN_HALF_WIDTH) for a, b in YEN_STROKES):
        return "m"
    d = math.hypot(x - COIN_CENTRE[0], y - COIN_CENTRE[1])
    if d <= COIN_RADIUS:
        return "o" if d >= COIN_RADIUS - (0.07 if small else 0.05) else "y"
    # Handset: a bar with two ends turned down, resting on the body.
    if in_round_rect(x, y, 0.02, 0.10, 0.98, 0.27, 0.08):
        return "k" if y > 0.22 else "n"
    if in_round_rect(x, y, 0.02, 0.10, 0.24, 0.38, 0.07) or in_round_rect(
        x, y, 0.76, 0.10, 0.98, 0.38, 0.07
    ):
        return "n"
    # Body: a trapezoid, wider at the foot.
    if 0.40 <= y <= 0.88:
        t = (y - 0.40) / 0.48
        half = 0.30 + 0.16 * t
        if abs(x - 0.5) <= half:
            dial = math.hypot(x - 0.34, y - 0.62)
            if dial <= 0.05:
                return "n"
            if dial <= 0.16:
                return "w" if not small else "s"
            return "b" if y < 0.84 else "n"
    return "."


def render(size, inset=0.0, ground="."):
    """The picture, its content scaled into the square `inset` in from each side on `ground`."""
    # Large pictures have edges smooth enough with fewer samples, and take seconds, not minutes.
    samples = 8 if size <= 256 else 3
    small = size <= 16
    stroked = size not in YEN

    def colour(x, y):
        x, y = (x - inset) / (1 - 2 * inset), (y - inset) / (1 - 2 * inset)
        key = colour_at(x, y, small, stroked) if 0 <= x <= 1 and 0 <= y <= 1 else "."
        return ground if key == "." else key

    rows = []
    for py in range(size):
        row = ""
        for px in range(size):
            votes = Counter(
                colour((px + (i + 0.5) / samples) / size, (py + (j + 0.5) / samples) / size)
                for i in range(samples)
                for j in range(samples)
            )
            row += votes.most_common(1)[0][0]
        rows.append(row)
    if stroked:
        return rows
    glyph = YEN[size]
    top = round(COIN_CENTRE[1] * size - len(glyph) / 2)
    left = round(COIN_CENTRE[0] * size - len(glyph[0]) / 2)
    for gy, line in enumerate(glyph):
        row = list(rows[top + gy])
        for gx, mark in enumerate(line):
            if mark == "X":
                row[left + gx] = "m"
        rows[top + gy] = "".join(row)
    return rows


# The hicolor theme's sizes; the window icon carries those a window title or task bar uses at
# scales 1 to 2.
SIZES = (16, 24, 32, 48, 64, 128, 256)
WINDOW_ICON_SIZES = (16, 24, 32, 48, 64)
# What an installed web app asks for.
WEB_APP_SIZES = (192, 512)


def write_xpm(path, size):
    rows = render(size)
    used = sorted({c for row in rows for c in row})
    lines = [
        "/* XPM */",
        f"static const char *tolvane_{size}[] = {{",
        f'"{size} {size} {len(used)} 1",',
    ]
    lines += [f'"{c} c {PALETTE[c]}",' for c in used]
    lines += [f'"{row}",' for row in rows[:-1]] + [f'"{rows[-1]}"', "};"]
    path.write_text("\n".join(lines) + "\n")


def rgba(key):
    colour = PALETTE[key]
    if colour == "None":
        return b"\0\0\0\0"
    return bytes(int(colour[i : i + 2], 16) for i in (1, 3, 5)) + b"\xff"


def png_bytes(size, **picture):
    """The picture as an RGBA PNG, written with the standard library alone."""
    rows = render(size, **picture)
    raw = b"".join(b"\0" + b"".join(rgba(c) for c in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write_png(path, size, **picture):
    path.write_bytes(png_bytes(size, **picture))


def dib_bytes(size):
    """The picture as an icon's device-independent bitmap: 32-bit BGRA rows bottom up, then the
    1-bit transparency mask, each mask row padded to 32 bits."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b""
    mask = b""
    for row in reversed(rows):
        for key in row:
            r, g, b, a = rgba(key)
            pixels += bytes((b, g, r, a))
        bits = "".join("1" if key == "." else "0" for key in row).ljust((size + 31) // 32 * 32, "0")
        mask += int(bits, 2).to_bytes(len(bits) // 8, "big")
    return header + pixels + mask


def write_ico(path, sizes):
    """One Windows icon with every size: bitmaps up to 64 pixels, which every version of Windows
    reads, PNG above, as Windows stores its large icons."""
    images = [(size, dib_bytes(size) if size <= 64 else png_bytes(size)) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, data in images:
        side = size if size < 256 else 0  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    path.write_bytes(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(d for _, d in images))


if __name__ == "__main__":
    out = pathlib.Path(__file__).resolve().parent.parent / "data" / "icons"
    out.mkdir(parents=True, exist_ok=True)
    for size in SIZES:
        if size in WINDOW_ICON_SIZES:
            write_xpm(out / f"tolvane-{size}.xpm", size)
        write_png(out / f"tolvane-{size}.png", size)
    write_ico(out / "tolvane.ico", SIZES)
    for size in WEB_APP_SIZES:
        write_png(out / f"tolvane-{size}.png", size)
    # A mask may keep no more than the circle of 80 % of the side: the picture fits in its middle.
    write_png(out / "tolvane-maskable-512.png", 512, inset=0.2, ground="w")
