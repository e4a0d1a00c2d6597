#!/usr/bin/env python3
"""Builds Tintspot's bitmaps, cursors and icon from their text sources.

    python3 tools/make_pictures.py <resources/pictures dir> <out dir>

Writes glyphs.bmp, skin.bmp, link.cur, pick.cur, select.cur, toler.cur and
tintspot.ico into <out dir>. Every picture is a keyed grid (read_pictures), so
a change to one is a readable diff; skin.txt lays out the skin with a short
command list. The output is byte-for-byte reproducible: no timestamps, fixed
field values, fixed palette order. Standard library only.
"""

import os
import re
import struct
import sys


class SourceError(Exception):
    """A fault in a picture source, reported with file and line."""


def fail(path, line_no, message):
    raise SourceError(f"{path}:{line_no}: {message}")


def split_words(text):
    """The words of a line; "double quotes" keep a word's spaces."""
    return [m[1] if m[1] is not None else m[2] for m in re.finditer(r'"([^"]*)"|(\S+)', text)]


def rgb(word):
    """A colour written as hex RRGGBB, or None if word is not one."""
    return tuple(bytes.fromhex(word)) if re.fullmatch(r"[0-9A-Fa-f]{6}", word) else None


# Keyed grids, the one format of every picture:
#
#   key <char> <meaning>        <char> stands for <meaning> in the pictures
#                               below it; "clear" means no pixel at all
#   <kind> <name> [<field> <values>...]...
#                               a picture's header; which fields a kind
#                               takes, and what values, the caller says
#   ##oo.                       its rows, straight after it: one key
#                               character a pixel, all rows equally long
#
# Rows hold no spaces, so a blank line, a key or the next header ends them.
# Lines starting with ";" are comments.

class Picture:
    def __init__(self, path, line_no, kind, name, fields, key):
        self.path, self.line_no, self.kind, self.name = path, line_no, kind, name
        self.fields, self.key, self.rows = fields, key, []

    def fail(self, message):
        fail(self.path, self.line_no, message)

    def field(self, word):
        if len(self.fields.get(word, [])) != 1:
            self.fail(f"needs one '{word}'")
        return self.fields[word][0]

    def size(self):
        return (len(self.rows[0]) if self.rows else 0), len(self.rows)

    def points(self):
        """(x, y, meaning) of every pixel that is not clear."""
        for y, row in enumerate(self.rows):
            for x, meaning in enumerate(row):
                if meaning is not None:
                    yield x, y, meaning


def read_pictures(path, meaning, kinds):
    """The pictures of a keyed-grid file. meaning(word) is what a key's word
    stands for, None if nothing; kinds maps each header kind to its fields,
    and each field to the types of its values."""
    key, pictures, picture = {}, [], None
    with open(path, encoding="utf-8") as f:
        for line_no, text in enumerate(f, start=1):
            text = text.rstrip()
            if text.lstrip().startswith(";"):
                continue
            if picture and text and " " not in text:
                if set(text) - key.keys():
                    fail(path, line_no, f"no key for {''.join(sorted(set(text) - key.keys()))!r}")
                if picture.rows and len(text) != len(picture.rows[0]):
                    fail(path, line_no, "the rows of a picture must be equally long")
                picture.rows.append([key[ch] for ch in text])
                continue
            picture, words = None, split_words(text)
            if not words:
                continue
            if words[0] == "key":
                if len(words) != 3 or len(words[1]) != 1 or words[1] in key:
                    fail(path, line_no, "expected 'key <char> <meaning>', each char keyed once")
                key[words[1]] = None if words[2] == "clear" else meaning(words[2])
                if key[words[1]] is None and words[2] != "clear":
                    fail(path, line_no, f"{words[2]!r} means nothing in this file")
                continue
            if len(words) < 2 or words[0] not in kinds:
                fail(path, line_no, f"expected 'key' or a header: {', '.join(kinds)}")
            if any(p.kind == words[0] and p.name == words[1] for p in pictures):
                fail(path, line_no, f"{words[0]} {words[1]!r} defined twice")
            fields, rest = {}, words[2:]
            while rest:
                types = kinds[words[0]].get(rest[0])
                try:
                    values = tuple(t(v) for t, v in zip(types, rest[1:1 + len(types)], strict=True))
                except (TypeError, ValueError):  # no such field, or not its values
                    fail(path, line_no, f"cannot read {' '.join(rest)!r}")
                fields.setdefault(rest[0], []).append(values)
                rest = rest[1 + len(types):]
            picture = Picture(path, line_no, words[0], words[1], fields, dict(key))
            pictures.append(picture)
    return pictures


def read_font(path, width, height, kinds={"glyph": {}}):
    """A font file's glyphs by character ("space" names the space), each pixel
    keyed "ink" or "clear"; and the file's other pictures."""
    font, others = {}, []
    for glyph in read_pictures(path, {"ink": True}.get, kinds):
        if glyph.kind != "glyph":
            others.append(glyph)
        elif glyph.size() != (width, height):
            glyph.fail(f"a glyph is {width} x {height} pixels")
        elif len(glyph.name) != 1 and glyph.name != "space":
            glyph.fail("a glyph's name is one character or 'space'")
        else:
            font[" " if glyph.name == "space" else glyph.name] = glyph
    return font, others


# File formats

def pack_rows(rows, bpp):
    """Rows of palette indices, bottom-up, leftmost pixel in the high bits,
    each row padded to whole 32-bit words."""
    data = bytearray()
    for row in reversed(rows):
        out = bytearray((len(row) * bpp + 31) // 32 * 4)
        for x, index in enumerate(row):
            out[x * bpp // 8] |= index << (8 - bpp - x * bpp % 8)
        data += out
    return bytes(data)


def palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)


def bmp_file(rows, bpp, palette):
    """A bottom-up BMP with a BITMAPINFOHEADER."""
    data = pack_rows(rows, bpp)
    offset = 14 + 40 + 4 * len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, len(rows[0]), len(rows), 1, bpp, 0, len(data),
                       2835, 2835, len(palette), 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + palette_bytes(palette) + data


def icon_file(kind, bpp, palette, xor_rows, and_rows, field1, field2):
    """An .ico (kind 1) or .cur (kind 2) holding one 32 x 32 image: ICONDIR,
    ICONDIRENTRY, then the DIB with its XOR and AND masks. For a cursor
    field1/field2 are the hot spot; for an icon, planes and bit count."""
    data = pack_rows(xor_rows, bpp) + pack_rows(and_rows, 1)
    image = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, bpp, 0, len(data), 0, 0, 0, 0)
    image += palette_bytes(palette) + data
    return struct.pack("<HHHBBBBHHII", 0, kind, 1, 32, 32, len(palette), 0,
                       field1, field2, len(image), 6 + 16) + image


# glyphs.bmp: black ink on white ground

def make_glyphs(path):
    glyphs, bitmaps = read_font(path, 5, 6, {"bitmap": {"size": (int, int)},
                                             "glyph": {"at": (int, int)}})
    if len(bitmaps) != 1 or bitmaps[0].rows:
        raise SourceError(f"{path}: needs one 'bitmap' header, without rows")
    width, height = bitmaps[0].field("size")
    ground, ink = 1, 0
    pixels = [[ground] * width for _ in range(height)]
    taken = set()
    for glyph in glyphs.values():
        cx, cy = glyph.field("at")
        cell = {(x, y) for x in range(cx, cx + 5) for y in range(cy, cy + 6)}
        if cx < 0 or cy < 0 or cx + 5 > width or cy + 6 > height or cell & taken:
            glyph.fail("the glyph's cell lies outside the bitmap or on another's")
        taken |= cell
        for x, y, _ in glyph.points():
            pixels[cy + y][cx + x] = ink
    return bmp_file(pixels, 1, [(0, 0, 0), (255, 255, 255)]), glyphs


# skin.bmp: pages side by side, laid out by the commands of skin.txt

ARGUMENTS = {"n": "a number", "r": "a hex colour", "w": "a name", "c": "a colour",
             "p": "a page", "s": "a shape", "t": "text the glyphs can set"}
COMMANDS = {"size": "nn", "colour": "wr", "ground": "c", "page": "wn",
            "keepclear": "pnnnn", "picture": "pnns", "text": "pnnct",
            "rect": "pnnnnc", "button": "pnnnncct", "strip": "pnnnnccnnt"}


def make_skin(src_dir, font):
    glyphs = dict(font)
    for ch, glyph in read_font(os.path.join(src_dir, "skin_glyphs.txt"), 5, 6)[0].items():
        if ch in glyphs:
            glyph.fail(f"{ch!r} is already in glyphs.txt")
        glyphs[ch] = glyph
    path = os.path.join(src_dir, "skin.txt")
    colours, palette, pages, keepclear, shapes = {}, [], {}, [], {}
    width, height, pixels = 0, 0, None

    def value(kind, word):
        if kind == "s" and not shapes:  # read once the colours are known
            shapes.update((p.name, p) for p in read_pictures(
                os.path.join(src_dir, "skin_shapes.txt"), colours.get, {"shape": {}}))
        result = {"n": re.fullmatch(r"-?\d+", word) and int(word), "r": rgb(word), "w": word,
                  "c": colours.get(word), "p": pages.get(word), "s": shapes.get(word),
                  "t": word if set(word) <= glyphs.keys() else None}[kind]
        if result is None:
            fail(path, line_no, f"{word!r} is not {ARGUMENTS[kind]}")
        return result

    def put(page, x, y, index, in_strip=False):
        """Sets a page pixel; only a strip may draw in a band kept clear."""
        if pixels is None or not (0 <= x < width // 2 and 0 <= y < height):
            fail(path, line_no, f"pixel ({x},{y}) lies off the page, or before 'ground'")
        if not in_strip and any(x0 <= page + x <= x1 and y0 <= y <= y1
                                for x0, y0, x1, y1 in keepclear):
            fail(path, line_no, f"pixel ({x},{y}) lies in a band kept clear")
        pixels[y][page + x] = index

    def text_ink(text, scale=1):
        """Ink pixels of text set from (0,0) with a 5 px advance."""
        return [((k * 5 + x) * scale + sx, y * scale + sy) for k, ch in enumerate(text)
                for x, y, _ in glyphs[ch].points() for sy in range(scale) for sx in range(scale)]

    with open(path, encoding="utf-8") as f:
        lines = [(n, split_words(t)) for n, t in enumerate(f, start=1)
                 if t.strip() and not t.lstrip().startswith(";")]
    for line_no, (cmd, *words) in lines:
        scale = 1
        if cmd == "text" and len(words) == 7 and words[5] == "scale":
            scale, words = value("n", words[6]), words[:5]
        kinds = COMMANDS.get(cmd)
        if kinds is None or len(words) != len(kinds):
            fail(path, line_no, f"'{cmd}' takes {len(kinds)} arguments" if kinds else "unknown command")
        args = [value(kind, word) for kind, word in zip(kinds, words)]

        if cmd == "size":
            width, height = args
        elif cmd == "colour":
            if args[0] in colours or args[1] in palette:
                fail(path, line_no, "each colour's name and value must be new")
            colours[args[0]] = len(palette)
            palette.append(args[1])
        elif cmd == "ground":
            pixels = [[args[0]] * width for _ in range(height)]
        elif cmd == "page":
            pages[args[0]] = args[1]
        elif cmd == "keepclear":
            page, x0, y0, x1, y1 = args
            keepclear.append((page + x0, y0, page + x1, y1))
        elif cmd == "picture":
            page, x0, y0, shape = args
            for x, y, index in shape.points():
                put(page, x0 + x, y0 + y, index)
        elif cmd == "text":
            page, x0, y0, ink, text = args
            for x, y in text_ink(text, scale):
                put(page, x0 + x, y0 + y, ink)
        else:  # rect, button and strip fill x0..x1, y0..y1; the last two then write
            page, x0, y0, x1, y1, fill = args[:6]
            strip = cmd == "strip"
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    put(page, x, y, fill, strip)
            if cmd == "rect":
                continue
            ink, points = args[6], text_ink(args[-1])
            if not points:
                fail(path, line_no, "the text has no ink")
            xs, ys = [x for x, _ in points], [y for _, y in points]
            # A strip's text starts dx, dy inside it; a button centres its
            # caption's ink, not its cells, whose trailing gap would pull it left.
            ox = x0 + (args[7] if strip else (x1 - x0 - max(xs) + min(xs)) // 2 - min(xs))
            oy = y0 + (args[8] if strip else (y1 - y0 - max(ys) + min(ys)) // 2 - min(ys))
            for x, y in points:
                if not (x0 <= ox + x <= x1 and y0 <= oy + y <= y1):
                    fail(path, line_no, "the text's ink does not fit")
                put(page, ox + x, oy + y, ink, strip)

    if not pixels or len(palette) > 256:
        raise SourceError(f"{path}: needs 'size', then 'ground', and at most 256 colours")
    return bmp_file(pixels, 8, palette + [(0, 0, 0)] * (256 - len(palette)))


# Cursors: 32 x 32, black and white; the grid sits in the top-left corner

BLACK, WHITE = 0, 1


def make_cursor(cursor, caption_font):
    if max(cursor.size()) > 32:
        cursor.fail("a cursor is at most 32 x 32 pixels")
    grid = [[None] * 32 for _ in range(32)]
    for x, y, colour in cursor.points():
        grid[y][x] = colour

    # Letters first, then a black ring round them; neither may spoil the shape.
    letters = set()
    for cx, cy, text in cursor.fields.get("caption", []):
        for k, ch in enumerate(text):
            if ch not in caption_font:
                cursor.fail(f"no caption glyph for {ch!r}")
            letters |= {(cx + 4 * k + x, cy + y) for x, y, _ in caption_font[ch].points()}
    for x, y in letters:
        if not (0 <= x < 32 and 0 <= y < 32) or grid[y][x] is not None:
            cursor.fail("a caption runs off the cursor or into the shape")
        grid[y][x] = WHITE
    for ox, oy in {(x + dx, y + dy) for x, y in letters for dx in (-1, 0, 1) for dy in (-1, 0, 1)}:
        if not (0 <= ox < 32 and 0 <= oy < 32):
            cursor.fail("a caption's outline runs off the cursor")
        if grid[oy][ox] is None:
            grid[oy][ox] = BLACK

    hx, hy = cursor.field("hotspot")
    if not (0 <= hx < 32 and 0 <= hy < 32) or grid[hy][hx] is None:
        cursor.fail("the hot spot is on a clear pixel")
    xor_rows = [[1 if colour == WHITE else 0 for colour in row] for row in grid]
    and_rows = [[1 if colour is None else 0 for colour in row] for row in grid]
    return icon_file(2, 1, [(0, 0, 0), (255, 255, 255)], xor_rows, and_rows, hx, hy)


# The icon: 32 x 32 in 16 colours, the key's colours in palette order

def make_icon(icon):
    palette = [colour for colour in icon.key.values() if colour is not None]
    if len(set(palette)) != 16 or len(palette) != 16 or icon.size() != (32, 32):
        icon.fail("the icon is 32 x 32 pixels keyed with 16 different colours")
    # Clear pixels: AND set, colour 0, so the screen shows through.
    xor_rows = [[0 if colour is None else palette.index(colour) for colour in row]
                for row in icon.rows]
    and_rows = [[1 if colour is None else 0 for colour in row] for row in icon.rows]
    return icon_file(1, 4, palette, xor_rows, and_rows, 1, 4)


OUTPUTS = ["glyphs.bmp", "link.cur", "pick.cur", "select.cur", "skin.bmp", "tintspot.ico", "toler.cur"]


def build(src_dir):
    outputs = {}
    outputs["glyphs.bmp"], font = make_glyphs(os.path.join(src_dir, "glyphs.txt"))
    outputs["skin.bmp"] = make_skin(src_dir, font)
    caption_font = read_font(os.path.join(src_dir, "cursor_font.txt"), 3, 5)[0]
    for cursor in read_pictures(os.path.join(src_dir, "cursors.txt"),
                                {"black": BLACK, "white": WHITE}.get,
                                {"cursor": {"hotspot": (int, int), "caption": (int, int, str)}}):
        outputs[cursor.name + ".cur"] = make_cursor(cursor, caption_font)
    for icon in read_pictures(os.path.join(src_dir, "tintspot_icon.txt"), rgb, {"icon": {}}):
        outputs[icon.name + ".ico"] = make_icon(icon)
    if sorted(outputs) != OUTPUTS:
        raise SourceError(f"{src_dir}: the pictures must be exactly {', '.join(OUTPUTS)}")
    return outputs


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_pictures.py <pictures source dir> <out dir>\n")
        return 2
    try:
        outputs = build(argv[1])
    except (SourceError, OSError) as e:
        sys.stderr.write(f"make_pictures: {e}\n")
        return 1
    os.makedirs(argv[2], exist_ok=True)
    for name, data in outputs.items():
        with open(os.path.join(argv[2], name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
