#!/usr/bin/python3
"""Turns the pixel art in res/art/*.txt into the program's icon and button glyphs.

    make_art.py [--art FOLDER] OUTPUT_FOLDER

writes Rominado.ico (16 colours, at every size the system asks for from 96 to 192 DPI), ProgramIcon.bmp
(64 x 64, 24 bits) and ProgramIcon2x.bmp (128 x 128), and per button one 32 x 16 16-colour bitmap (the normal
image, then the disabled one derived from it) and the same at twice the size, BtnXxx2x.bmp (64 x 32).

The larger drawings come from the pixel art by Scale2x, which doubles each pixel and rounds off the steps of
diagonal edges instead of turning them into larger steps; sizes between are taken from the nearest larger
drawing, pixel by pixel, so that every line of the drawing stays at least one pixel wide.

A picture file holds a legend and the pixel rows, one character per pixel:

    # comment
    . = olive
    K = black
    ....KKKK....

A line starting with "#" is a comment, so "#" is no pixel character. Colours are named from the standard
16-colour palette (PALETTE below). Every picture is read and checked before anything is written, so a
malformed one leaves the output folder as it was.
"""

import argparse
import os
import re
import struct
import sys

# The standard 16-colour palette in its usual index order; the bitmaps carry it as their colour table.
PALETTE = [
    ("black", (0, 0, 0)),
    ("maroon", (128, 0, 0)),
    ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("navy", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("grey", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("lime", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("fuchsia", (255, 0, 255)),
    ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
COLOUR_INDEX = {name: index for index, (name, _) in enumerate(PALETTE)}
OLIVE = COLOUR_INDEX["olive"]
GREY = COLOUR_INDEX["grey"]
WHITE = COLOUR_INDEX["white"]

# The glyph background, drawn transparent by the buttons.
TRANSPARENT = OLIVE

GLYPHS = ["BtnClose", "BtnSave", "BtnClear", "BtnEdit", "BtnFont", "BtnSet", "BtnVer", "BtnHelp"]
GLYPH_SIZE = 16

# "C = colour"; pixel rows hold no blanks, so a line with a blank is a legend line.
LEGEND_LINE = re.compile(r"^(\S) += +(\S+)$")


class ArtError(Exception):
    pass


def parse_picture(text, name, width, height):
    """Returns the picture as rows of palette indices; raises ArtError naming the file and line."""
    legend = {}
    rows = []
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        where = f"{name}:{number}"
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        if " " in line or "\t" in line:
            match = LEGEND_LINE.match(line.strip())
            if not match:
                raise ArtError(f"{where}: expected a legend line 'C = colour' or a row of pixels, no blanks")
            char, colour = match.groups()
            if rows:
                raise ArtError(f"{where}: legend line after the first pixel row")
            if colour not in COLOUR_INDEX:
                raise ArtError(f"{where}: unknown colour '{colour}' (known: {', '.join(COLOUR_INDEX)})")
            if char in legend:
                raise ArtError(f"{where}: character '{char}' is given twice in the legend")
            legend[char] = COLOUR_INDEX[colour]
            continue
        if len(line) != width:
            raise ArtError(f"{where}: row is {len(line)} pixels wide, expected {width}")
        row = []
        for column, char in enumerate(line, 1):
            if char not in legend:
                raise ArtError(f"{where}: column {column}: character '{char}' is not in the legend")
            row.append(legend[char])
        rows.append(row)
    if len(rows) != height:
        raise ArtError(f"{name}: picture is {len(rows)} rows high, expected {height}")
    return rows


def disabled(image):
    """The classic disabled look: every dark pixel becomes grey, with a white copy one pixel down and right
    showing where the grey does not cover it, as if embossed; everything else turns transparent."""
    height, width = len(image), len(image[0])

    def dark(index):
        r, g, b = PALETTE[index][1]
        return index != TRANSPARENT and 299 * r + 587 * g + 114 * b < 160_000

    ink = [[dark(pixel) for pixel in row] for row in image]
    result = [[TRANSPARENT] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            if ink[y][x]:
                result[y][x] = GREY
            elif x > 0 and y > 0 and ink[y - 1][x - 1]:
                result[y][x] = WHITE
    return result


def scale2x(image):
    """Each pixel becomes a 2 x 2 block; a corner of it takes the colour of the two neighbours that meet there
    when those two agree and the other two neighbours do not continue the line (Scale2x). Beyond the edge a
    pixel is its own neighbour."""
    height, width = len(image), len(image[0])
    result = [[0] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p = image[y][x]
            up = image[y - 1][x] if y > 0 else p
            down = image[y + 1][x] if y + 1 < height else p
            left = image[y][x - 1] if x > 0 else p
            right = image[y][x + 1] if x + 1 < width else p
            result[2 * y][2 * x] = up if left == up and left != down and up != right else p
            result[2 * y][2 * x + 1] = right if up == right and up != left and right != down else p
            result[2 * y + 1][2 * x] = left if down == left and down != right and left != up else p
            result[2 * y + 1][2 * x + 1] = down if right == down and right != up and down != left else p
    return result


def resampled(image, size):
    """The square image at size x size, each pixel taken from the source pixel nearest to its centre."""
    source = len(image)
    pick = [(2 * i + 1) * source // (2 * size) for i in range(size)]
    return [[image[y][x] for x in pick] for y in pick]


# Icon sizes: the small and large icon at 96, 120, 144 and 192 DPI.
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64]


def icon_images(icon16, icon32):
    """The icon at each of ICON_SIZES: the art where it is drawn at that size, else from its doubled form."""
    images = []
    for size in ICON_SIZES:
        art = icon16 if size <= 24 else icon32
        drawn = len(art)
        images.append(art if size == drawn else resampled(scale2x(art), size))
    return images


def side_by_side(left, right):
    return [a + b for a, b in zip(left, right)]


def scaled(image, factor):
    return [[pixel for pixel in row for _ in range(factor)] for row in image for _ in range(factor)]


def _packed_4bpp(image):
    """Rows bottom-up, two pixels a byte (high nibble first), each row padded to four bytes."""
    data = bytearray()
    for row in reversed(image):
        padded = row + [0] * (len(row) % 2)
        line = bytearray((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        data += line + bytes(-len(line) % 4)
    return bytes(data)


def _colour_table():
    return b"".join(struct.pack("<4B", b, g, r, 0) for _, (r, g, b) in PALETTE)


def _info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0, colours, 0)


def _file_header(info_and_table, pixels):
    offset = 14 + len(info_and_table)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)


def bmp_4bpp(image):
    pixels = _packed_4bpp(image)
    head = _info_header(len(image[0]), len(image), 4, len(pixels), 16) + _colour_table()
    return _file_header(head, pixels) + head + pixels


def bmp_24bpp(image):
    data = bytearray()
    for row in reversed(image):
        line = b"".join(bytes(reversed(PALETTE[pixel][1])) for pixel in row)
        data += line + bytes(-len(line) % 4)
    pixels = bytes(data)
    head = _info_header(len(image[0]), len(image), 24, len(pixels), 0)
    return _file_header(head, pixels) + head + pixels


def ico_4bpp(images):
    """An icon file with one 16-colour entry per image, each fully opaque (an all-zero AND mask)."""
    bodies = []
    for image in images:
        width, height = len(image[0]), len(image)
        xor = _packed_4bpp(image)
        mask = bytes(((width + 31) // 32 * 4) * height)
        header = _info_header(width, 2 * height, 4, len(xor) + len(mask), 16)
        bodies.append(header + _colour_table() + xor + mask)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, body in zip(images, bodies):
        width, height = len(image[0]), len(image)
        out += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(body), offset)
        offset += len(body)
    return out + b"".join(bodies)


def build(art_dir):
    """Reads every picture and returns {output file name: bytes}."""

    def read(stem, size):
        path = os.path.join(art_dir, stem + ".txt")
        try:
            with open(path, encoding="utf-8-sig") as f:
                text = f.read()
        except OSError as e:
            raise ArtError(f"{path}: cannot read: {e.strerror}") from e
        except UnicodeDecodeError as e:
            raise ArtError(f"{path}: not UTF-8 text") from e
        return parse_picture(text, path, size, size)

    icon32 = read("Rominado32", 32)
    icon16 = read("Rominado16", 16)
    outputs = {
        "Rominado.ico": ico_4bpp(icon_images(icon16, icon32)),
        "ProgramIcon.bmp": bmp_24bpp(scaled(icon32, 2)),
        "ProgramIcon2x.bmp": bmp_24bpp(scale2x(scale2x(icon32))),
    }
    for glyph in GLYPHS:
        image = read(glyph, GLYPH_SIZE)
        pair = side_by_side(image, disabled(image))
        outputs[glyph + ".bmp"] = bmp_4bpp(pair)
        outputs[glyph + "2x.bmp"] = bmp_4bpp(side_by_side(scale2x(image), scale2x(disabled(image))))
    return outputs


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(prog="make_art.py", description=__doc__.splitlines()[0])
    parser.add_argument("--art", default=os.path.join(here, "art"), help="folder of the picture files")
    parser.add_argument("output", help="folder to write the icon and bitmaps into")
    args = parser.parse_args(argv)
    try:
        outputs = build(args.art)
        os.makedirs(args.output, exist_ok=True)
        for name, data in outputs.items():
            with open(os.path.join(args.output, name), "wb") as f:
                f.write(data)
    except ArtError as e:
        print(f"make_art.py: error: {e}", file=sys.stderr)
        return 1
    except OSError as e:
        print(f"make_art.py: error: {e.filename}: {e.strerror}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
