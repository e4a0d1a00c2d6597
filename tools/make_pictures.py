#!/usr/bin/env python3
"""Builds Tintspot's bitmaps, cursors and icon from their text sources.

    python3 tools/make_pictures.py <resources/pictures dir> <out dir>

Writes glyphs.bmp, skin.bmp, link.cur, pick.cur, select.cur, toler.cur and
tintspot.ico into <out dir>. The sources are plain text so that every picture
can be reviewed and diffed; the output is byte-for-byte reproducible (no
timestamps, fixed field values, fixed palette order).

Standard library only, so the build needs nothing beyond Python itself.
"""

import os
import shlex
import struct
import sys


class SourceError(Exception):
    """A fault in a picture source, reported with file and line."""


def fail(path, line_no, message):
    raise SourceError(f"{path}:{line_no}: {message}")


def source_lines(path):
    """Yields (line number, text) for the lines that are not blank or comments."""
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, start=1):
            text = raw.rstrip("\r\n").rstrip()
            if not text or text.lstrip().startswith(";"):
                continue
            yield number, text


def hex_colour(path, line_no, words):
    try:
        r, g, b = (int(w, 16) for w in words)
    except ValueError:
        fail(path, line_no, "colour components must be hex bytes")
    if not all(0 <= c <= 255 for c in (r, g, b)):
        fail(path, line_no, "colour component out of range")
    return (r, g, b)


def to_int(path, line_no, word):
    try:
        return int(word)
    except ValueError:
        fail(path, line_no, f"expected a number, got {word!r}")


# --------------------------------------------------------------------------
# Fonts

class Glyph:
    def __init__(self, rows, cell):
        self.rows = rows      # list of strings, "#" ink
        self.cell = cell      # (x, y) in glyphs.bmp, or None for skin-only

    def ink(self):
        for y, row in enumerate(self.rows):
            for x, ch in enumerate(row):
                if ch == "#":
                    yield x, y


def glyph_name(path, line_no, word):
    if word == "space":
        return " "
    if len(word) != 1:
        fail(path, line_no, f"glyph name must be one character or 'space': {word!r}")
    return word


def read_font(path, width, height, with_cells):
    """Reads "glyph <char> [x y]" blocks of <height> rows of <width> pixels.

    Returns (options, glyphs); options holds any "bitmap w h" line."""
    options = {}
    glyphs = {}
    lines = list(source_lines(path))
    i = 0
    while i < len(lines):
        line_no, text = lines[i]
        words = text.split()
        if words[0] == "bitmap" and len(words) == 3:
            options["bitmap"] = (to_int(path, line_no, words[1]), to_int(path, line_no, words[2]))
            i += 1
            continue
        if words[0] != "glyph":
            fail(path, line_no, f"expected 'glyph', got {text!r}")
        if with_cells and len(words) != 4:
            fail(path, line_no, "expected 'glyph <char> <x> <y>'")
        if not with_cells and len(words) != 2:
            fail(path, line_no, "expected 'glyph <char>'")
        name = glyph_name(path, line_no, words[1])
        if name in glyphs:
            fail(path, line_no, f"glyph {words[1]!r} defined twice")
        cell = None
        if with_cells:
            cell = (to_int(path, line_no, words[2]), to_int(path, line_no, words[3]))
        rows = []
        for k in range(height):
            if i + 1 + k >= len(lines):
                fail(path, line_no, f"glyph {words[1]!r} needs {height} rows")
            row_no, row = lines[i + 1 + k]
            if len(row) != width or set(row) - {"#", "."}:
                fail(path, row_no, f"glyph row must be {width} of '#' and '.': {row!r}")
            rows.append(row)
        glyphs[name] = Glyph(rows, cell)
        i += 1 + height
    return options, glyphs


# --------------------------------------------------------------------------
# File formats

def bmp_bytes(width, height, bpp, palette, pixels):
    """A bottom-up BMP with a BITMAPINFOHEADER. pixels[y][x] are palette indices."""
    row_bytes = ((width * bpp + 31) // 32) * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        data += pack_row(pixels[y], bpp, row_bytes)
    colours = len(palette)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(palette_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, len(data),
                       2835, 2835, colours, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette_bytes + bytes(data)


def pack_row(indices, bpp, row_bytes):
    out = bytearray(row_bytes)
    if bpp == 8:
        out[:len(indices)] = bytes(indices)
        return out
    per_byte = 8 // bpp
    for x, value in enumerate(indices):
        if value >> bpp:
            raise ValueError("palette index does not fit the bit depth")
        shift = 8 - bpp * (x % per_byte + 1)   # leftmost pixel in the high bits
        out[x // per_byte] |= value << shift
    return out


def icon_image(size, bpp, palette, xor_rows, and_rows):
    """The DIB inside an .ico/.cur entry: header, palette, XOR then AND mask."""
    xor_bytes = ((size * bpp + 31) // 32) * 4
    and_bytes = ((size + 31) // 32) * 4
    data = bytearray()
    for y in range(size - 1, -1, -1):
        data += pack_row(xor_rows[y], bpp, xor_bytes)
    for y in range(size - 1, -1, -1):
        data += pack_row(and_rows[y], 1, and_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(data),
                       0, 0, 0, 0)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return info + palette_bytes + bytes(data)


def icon_file(kind, size, colour_count, field1, field2, image):
    """ICONDIR + one ICONDIRENTRY + image. For cursors field1/field2 are the
    hot spot; for icons they are planes and bit count."""
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, colour_count, 0,
                        field1, field2, len(image), 6 + 16)
    return directory + entry + image


# --------------------------------------------------------------------------
# glyphs.bmp

def make_glyphs(src_dir):
    path = os.path.join(src_dir, "glyphs.txt")
    options, glyphs = read_font(path, 5, 6, with_cells=True)
    if "bitmap" not in options:
        raise SourceError(f"{path}: missing 'bitmap <width> <height>'")
    width, height = options["bitmap"]
    ground, ink = 1, 0
    pixels = [[ground] * width for _ in range(height)]
    taken = {}
    for name, glyph in glyphs.items():
        cx, cy = glyph.cell
        if cx < 0 or cy < 0 or cx + 5 > width or cy + 6 > height:
            raise SourceError(f"{path}: glyph {name!r} cell lies outside the bitmap")
        for y in range(6):
            for x in range(5):
                other = taken.setdefault((cx + x, cy + y), name)
                if other != name:
                    raise SourceError(f"{path}: glyphs {other!r} and {name!r} overlap")
        for x, y in glyph.ink():
            pixels[cy + y][cx + x] = ink
    palette = [(0, 0, 0), (255, 255, 255)]
    return bmp_bytes(width, height, 1, palette, pixels), glyphs


# --------------------------------------------------------------------------
# skin.bmp

class Skin:
    def __init__(self, path):
        self.path = path
        self.width = self.height = None
        self.colours = {}        # name -> palette index
        self.palette = []
        self.pages = {}          # name -> x offset
        self.page_width = None
        self.keepclear = []      # absolute inclusive rectangles
        self.shapes = {}
        self.pixels = None

    def colour(self, line_no, name):
        if name not in self.colours:
            fail(self.path, line_no, f"unknown colour {name!r}")
        return self.colours[name]

    def page(self, line_no, name):
        if name not in self.pages:
            fail(self.path, line_no, f"unknown page {name!r}")
        return self.pages[name]

    def put(self, line_no, page, x, y, index, in_strip=False):
        """Sets a page-relative pixel, refusing anything off the page or in a
        band the program keeps for its sprites."""
        if not (0 <= x < self.page_width and 0 <= y < self.height):
            fail(self.path, line_no, f"pixel ({x},{y}) lies off the page")
        ax = self.pages[page] + x
        if not in_strip:
            for x0, y0, x1, y1 in self.keepclear:
                if x0 <= ax <= x1 and y0 <= y <= y1:
                    fail(self.path, line_no, f"pixel ({x},{y}) lies in a band kept clear")
        self.pixels[y][ax] = index


def text_ink(glyphs, text, scale=1):
    """Ink pixels of text set from (0,0) with a 5 px advance."""
    for i, ch in enumerate(text):
        glyph = glyphs[ch]
        for x, y in glyph.ink():
            for sy in range(scale):
                for sx in range(scale):
                    yield (i * 5 + x) * scale + sx, y * scale + sy


def check_text(skin, line_no, glyphs, text):
    for ch in text:
        if ch not in glyphs:
            fail(skin.path, line_no, f"no glyph for {ch!r}")


def make_skin(src_dir, font):
    path = os.path.join(src_dir, "skin.txt")
    _, extra = read_font(os.path.join(src_dir, "skin_glyphs.txt"), 5, 6, with_cells=False)
    glyphs = dict(font)
    for name, glyph in extra.items():
        if name in glyphs:
            raise SourceError(f"skin_glyphs.txt: {name!r} is already in glyphs.txt")
        glyphs[name] = glyph

    skin = Skin(path)
    lines = list(source_lines(path))
    i = 0
    while i < len(lines):
        line_no, text = lines[i]
        i += 1
        try:
            words = shlex.split(text)
        except ValueError as e:
            fail(path, line_no, str(e))
        cmd, args = words[0], words[1:]

        def n(k):
            return to_int(path, line_no, args[k])

        def want(count):
            if len(args) != count:
                fail(path, line_no, f"'{cmd}' takes {count} arguments")

        if cmd == "size":
            want(2)
            skin.width, skin.height = n(0), n(1)
        elif cmd == "colour":
            want(4)
            if args[0] in skin.colours:
                fail(path, line_no, f"colour {args[0]!r} defined twice")
            rgb = hex_colour(path, line_no, args[1:])
            if rgb in skin.palette:
                fail(path, line_no, "two palette entries with the same value")
            skin.colours[args[0]] = len(skin.palette)
            skin.palette.append(rgb)
        elif cmd == "ground":
            want(1)
            if skin.width is None:
                fail(path, line_no, "'size' must come first")
            index = skin.colour(line_no, args[0])
            skin.pixels = [[index] * skin.width for _ in range(skin.height)]
        elif cmd == "page":
            want(2)
            skin.pages[args[0]] = n(1)
            # Pages are laid side by side and share one width.
            skin.page_width = skin.width // 2
        elif cmd == "keepclear":
            want(5)
            off = skin.page(line_no, args[0])
            skin.keepclear.append((off + n(1), n(2), off + n(3), n(4)))
        elif cmd == "shape":
            want(1)
            keys, rows = {".": None}, []
            while True:
                if i >= len(lines):
                    fail(path, line_no, "shape without 'end'")
                row_no, row = lines[i]
                i += 1
                if row == "end":
                    break
                if row.startswith("key "):
                    parts = row.split()
                    if len(parts) != 3 or len(parts[1]) != 1:
                        fail(path, row_no, "expected 'key <char> <colour>'")
                    keys[parts[1]] = skin.colour(row_no, parts[2])
                    continue
                for ch in row:
                    if ch not in keys:
                        fail(path, row_no, f"no key for {ch!r}")
                rows.append(row)
            skin.shapes[args[0]] = [[keys[ch] for ch in row] for row in rows]
        elif cmd == "picture":
            want(4)
            if args[3] not in skin.shapes:
                fail(path, line_no, f"unknown shape {args[3]!r}")
            skin.page(line_no, args[0])
            for y, row in enumerate(skin.shapes[args[3]]):
                for x, index in enumerate(row):
                    if index is not None:
                        skin.put(line_no, args[0], n(1) + x, n(2) + y, index)
        elif cmd == "text":
            scale = 1
            if len(args) == 7 and args[5] == "scale":
                scale = n(6)
                args = args[:5]
            want(5)
            skin.page(line_no, args[0])
            ink = skin.colour(line_no, args[3])
            check_text(skin, line_no, glyphs, args[4])
            for x, y in text_ink(glyphs, args[4], scale):
                skin.put(line_no, args[0], n(1) + x, n(2) + y, ink)
        elif cmd == "rect":
            want(6)
            skin.page(line_no, args[0])
            index = skin.colour(line_no, args[5])
            for y in range(n(2), n(4) + 1):
                for x in range(n(1), n(3) + 1):
                    skin.put(line_no, args[0], x, y, index)
        elif cmd == "button":
            want(8)
            skin.page(line_no, args[0])
            x0, y0, x1, y1 = n(1), n(2), n(3), n(4)
            face = skin.colour(line_no, args[5])
            ink = skin.colour(line_no, args[6])
            caption = args[7]
            check_text(skin, line_no, glyphs, caption)
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    skin.put(line_no, args[0], x, y, face)
            # Centre the caption's ink, not its cells: the trailing gap
            # column would pull it a pixel to the left.
            points = list(text_ink(glyphs, caption))
            if not points:
                fail(path, line_no, "button caption has no ink")
            left = min(p[0] for p in points)
            right = max(p[0] for p in points)
            top = min(p[1] for p in points)
            bottom = max(p[1] for p in points)
            ox = x0 + (x1 - x0 + 1 - (right - left + 1)) // 2 - left
            oy = y0 + (y1 - y0 + 1 - (bottom - top + 1)) // 2 - top
            for x, y in points:
                if not (x0 <= ox + x <= x1 and y0 <= oy + y <= y1):
                    fail(path, line_no, "button caption does not fit")
                skin.put(line_no, args[0], ox + x, oy + y, ink)
        elif cmd == "strip":
            want(10)
            skin.page(line_no, args[0])
            sx, sy, sw, sh = n(1), n(2), n(3), n(4)
            fill = skin.colour(line_no, args[5])
            ink = skin.colour(line_no, args[6])
            caption = args[9]
            check_text(skin, line_no, glyphs, caption)
            for y in range(sy, sy + sh):
                for x in range(sx, sx + sw):
                    skin.put(line_no, args[0], x, y, fill, in_strip=True)
            # Only ink is drawn, so a glyph's gap column may run past the edge.
            for x, y in text_ink(glyphs, caption):
                px, py = sx + n(7) + x, sy + n(8) + y
                if not (sx <= px < sx + sw and sy <= py < sy + sh):
                    fail(path, line_no, "strip text ink falls outside the strip")
                skin.put(line_no, args[0], px, py, ink, in_strip=True)
        else:
            fail(path, line_no, f"unknown command {cmd!r}")

    if skin.pixels is None:
        raise SourceError(f"{path}: no 'ground' line")
    if len(skin.palette) > 256:
        raise SourceError(f"{path}: more than 256 colours")
    palette = skin.palette + [(0, 0, 0)] * (256 - len(skin.palette))
    return bmp_bytes(skin.width, skin.height, 8, palette, skin.pixels)


# --------------------------------------------------------------------------
# Cursors

CURSOR_SIZE = 32
TRANSPARENT, BLACK, WHITE = ".", "#", "o"


def make_cursor(src_dir, name, caption_font):
    path = os.path.join(src_dir, name)
    hotspot = None
    captions = []
    shape = []
    lines = list(source_lines(path))
    i = 0
    while i < len(lines):
        line_no, text = lines[i]
        i += 1
        words = shlex.split(text)
        if words[0] == "hotspot" and len(words) == 3:
            hotspot = (to_int(path, line_no, words[1]), to_int(path, line_no, words[2]))
        elif words[0] == "caption" and len(words) == 4:
            captions.append((line_no, to_int(path, line_no, words[1]),
                             to_int(path, line_no, words[2]), words[3]))
        elif words[0] == "shape" and len(words) == 1:
            while True:
                if i >= len(lines):
                    fail(path, line_no, "shape without 'end'")
                row_no, row = lines[i]
                i += 1
                if row == "end":
                    break
                if len(row) > CURSOR_SIZE or set(row) - {TRANSPARENT, BLACK, WHITE}:
                    fail(path, row_no, "shape rows hold at most 32 of '.', '#', 'o'")
                shape.append(row)
            if len(shape) > CURSOR_SIZE:
                fail(path, line_no, "shape taller than 32 rows")
        else:
            fail(path, line_no, f"cannot read {text!r}")
    if hotspot is None:
        raise SourceError(f"{path}: missing 'hotspot'")

    grid = [[TRANSPARENT] * CURSOR_SIZE for _ in range(CURSOR_SIZE)]
    for y, row in enumerate(shape):
        for x, ch in enumerate(row):
            grid[y][x] = ch

    # Letters first, then a black ring round them; neither may spoil the shape.
    letters = set()
    for line_no, cx, cy, text in captions:
        for k, ch in enumerate(text):
            if ch not in caption_font:
                fail(path, line_no, f"no caption glyph for {ch!r}")
            for x, y in caption_font[ch].ink():
                letters.add((cx + 4 * k + x, cy + y, line_no))
    for x, y, line_no in letters:
        if not (0 <= x < CURSOR_SIZE and 0 <= y < CURSOR_SIZE) or grid[y][x] != TRANSPARENT:
            fail(path, line_no, "caption runs off the cursor or into the shape")
        grid[y][x] = WHITE
    for x, y, line_no in letters:
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                ox, oy = x + dx, y + dy
                if not (0 <= ox < CURSOR_SIZE and 0 <= oy < CURSOR_SIZE):
                    fail(path, line_no, "caption outline runs off the cursor")
                if grid[oy][ox] == TRANSPARENT:
                    grid[oy][ox] = BLACK

    hx, hy = hotspot
    if grid[hy][hx] == TRANSPARENT:
        raise SourceError(f"{path}: the hot spot is on a transparent pixel")

    xor_rows = [[1 if ch == WHITE else 0 for ch in row] for row in grid]
    and_rows = [[1 if ch == TRANSPARENT else 0 for ch in row] for row in grid]
    image = icon_image(CURSOR_SIZE, 1, [(0, 0, 0), (255, 255, 255)], xor_rows, and_rows)
    return icon_file(2, CURSOR_SIZE, 2, hx, hy, image)


# --------------------------------------------------------------------------
# Icon

def make_icon(src_dir):
    path = os.path.join(src_dir, "tintspot_icon.txt")
    keys = {}
    palette = []
    rows = []
    lines = list(source_lines(path))
    i = 0
    while i < len(lines):
        line_no, text = lines[i]
        i += 1
        words = text.split()
        if words[0] == "colour" and len(words) == 5:
            if len(words[1]) != 1 or words[1] in keys or words[1] == TRANSPARENT:
                fail(path, line_no, "colour keys are single, distinct characters other than '.'")
            keys[words[1]] = len(palette)
            palette.append(hex_colour(path, line_no, words[2:]))
        elif words[0] == "image" and len(words) == 1:
            while True:
                if i >= len(lines):
                    fail(path, line_no, "image without 'end'")
                row_no, row = lines[i]
                i += 1
                if row == "end":
                    break
                if len(row) != 32 or any(ch != TRANSPARENT and ch not in keys for ch in row):
                    fail(path, row_no, "image rows are 32 keyed pixels")
                rows.append(row)
        else:
            fail(path, line_no, f"cannot read {text!r}")
    if len(palette) != 16:
        raise SourceError(f"{path}: the icon needs exactly 16 colours")
    if len(rows) != 32:
        raise SourceError(f"{path}: the icon needs 32 rows")
    # Transparent pixels: AND set, colour 0, so the screen shows through.
    xor_rows = [[0 if ch == TRANSPARENT else keys[ch] for ch in row] for row in rows]
    and_rows = [[1 if ch == TRANSPARENT else 0 for ch in row] for row in rows]
    image = icon_image(32, 4, palette, xor_rows, and_rows)
    return icon_file(1, 32, 16, 1, 4, image)


# --------------------------------------------------------------------------

def build(src_dir):
    outputs = {}
    outputs["glyphs.bmp"], font = make_glyphs(src_dir)
    outputs["skin.bmp"] = make_skin(src_dir, font)
    _, caption_font = read_font(os.path.join(src_dir, "cursor_font.txt"), 3, 5, with_cells=False)
    for out, src in (("link.cur", "link_cursor.txt"),
                     ("pick.cur", "pick_cursor.txt"),
                     ("select.cur", "select_cursor.txt"),
                     ("toler.cur", "toler_cursor.txt")):
        outputs[out] = make_cursor(src_dir, src, caption_font)
    outputs["tintspot.ico"] = make_icon(src_dir)
    return outputs


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_pictures.py <pictures source dir> <out dir>\n")
        return 2
    src_dir, out_dir = argv[1], argv[2]
    try:
        outputs = build(src_dir)
    except (SourceError, OSError) as e:
        sys.stderr.write(f"make_pictures: {e}\n")
        return 1
    os.makedirs(out_dir, exist_ok=True)
    for name, data in outputs.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
