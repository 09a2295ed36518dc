"""Checks what make_art.py writes by reading the files back with a decoder of its own."""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, HERE)
import make_art  # noqa: E402

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]
BLACK, OLIVE, GREY, YELLOW, WHITE = 0, 3, 8, 11, 15
GLYPHS = ["BtnClose", "BtnSave", "BtnClear", "BtnEdit", "BtnFont", "BtnSet", "BtnVer", "BtnHelp"]


def run(art_dir, out_dir):
    return subprocess.run([sys.executable, os.path.join(HERE, "make_art.py"), "--art", art_dir, out_dir],
                          capture_output=True, text=True)


def art(stem, size):
    with open(os.path.join(HERE, "art", stem + ".txt"), encoding="utf-8") as f:
        return make_art.parse_picture(f.read(), stem, size, size)


def dib(data, offset, rows_of_height=1):
    """(width, stored height, bits, palette, pixel rows top-down, end of pixels) of a bottom-up bitmap; an
    icon's stored height counts its mask too, so it holds half as many pixel rows."""
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, offset)
    assert (size, planes, compression) == (40, 1, 0)
    colours = 16 if bits == 4 else 0
    palette = [struct.unpack_from("<3B", data, offset + 40 + 4 * i)[::-1] for i in range(colours)]
    stride, start, rows = (width * bits + 31) // 32 * 4, offset + 40 + 4 * colours, height // rows_of_height
    lines = [data[start + (rows - 1 - y) * stride:][:stride] for y in range(rows)]
    if bits == 4:
        image = [[line[x // 2] >> (4 - 4 * (x % 2)) & 15 for x in range(width)] for line in lines]
    else:
        image = [[tuple(line[3 * x:3 * x + 3][::-1]) for x in range(width)] for line in lines]
    return width, height, bits, palette, image, start + rows * stride


class WrittenFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp()
        cls.out = os.path.join(cls.work, "art")
        result = run(os.path.join(HERE, "art"), cls.out)
        assert result.returncode == 0, result.stderr

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def assertFollowsTheArt(self, image, art_rows, colour=lambda p: p):
        """Scaled from the art, whatever the factor: a pixel whose whole neighbourhood in the art has one
        colour keeps that colour, and no other pixel takes a colour its neighbourhood lacks."""
        size, source = len(image), len(art_rows)
        for y in range(size):
            for x in range(size):
                sy, sx = (2 * y + 1) * source // (2 * size), (2 * x + 1) * source // (2 * size)
                near = {colour(art_rows[j][i]) for j in range(max(sy - 1, 0), min(sy + 2, source))
                        for i in range(max(sx - 1, 0), min(sx + 2, source))}
                if len(near) == 1 and image[y][x] not in near or image[y][x] not in near:
                    self.fail(f"pixel {x}, {y} is {image[y][x]}, its neighbourhood in the art holds {near}")

    def assertSamePicture(self, image, expected):
        # Not assertEqual: its diff of thousands of pixels takes minutes.
        if image != expected:
            first = next(y for y, (a, b) in enumerate(zip(image, expected)) if a != b)
            self.fail(f"the pictures differ from row {first} on")

    def read(self, name):
        with open(os.path.join(self.out, name), "rb") as f:
            return f.read()

    def test_glyphs_hold_the_picture_then_its_disabled_form_on_olive(self):
        for glyph in GLYPHS:
            with self.subTest(glyph):
                data = self.read(glyph + ".bmp")
                self.assertEqual(struct.unpack_from("<2sIHHI", data), (b"BM", len(data), 0, 0, 14 + 40 + 64))
                width, height, bits, palette, image, end = dib(data, 14)
                self.assertEqual((width, height, bits, palette, end), (32, 16, 4, VGA, len(data)))
                self.assertSamePicture([row[:16] for row in image], art(glyph, 16))
                self.assertEqual(image[15][0], OLIVE, "the bottom-left pixel names the transparent colour")
                self.assertLessEqual({p for row in image for p in row[16:]}, {OLIVE, GREY, WHITE})
                self.assertTrue(any(GREY in row[16:] for row in image))

    def test_icon_has_an_opaque_16_colour_image_for_each_size_from_96_to_192_dpi(self):
        data = self.read("Rominado.ico")
        sizes = [16, 20, 24, 32, 40, 48, 64]
        self.assertEqual(struct.unpack_from("<HHH", data), (0, 1, len(sizes)))
        for entry, size in enumerate(sizes):
            with self.subTest(size=size):
                *fields, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * entry)
                self.assertEqual(fields, [size, size, 16, 0, 1, 4])
                width, height, bits, palette, image, end = dib(data, offset, rows_of_height=2)
                self.assertEqual((width, height, bits, palette), (size, 2 * size, 4, VGA))
                source = art("Rominado16", 16) if size <= 24 else art("Rominado32", 32)
                if size in (16, 32):
                    self.assertSamePicture(image, source)
                else:
                    self.assertFollowsTheArt(image, source)
                self.assertLessEqual(offset + length, len(data))
                mask_row = (size + 31) // 32 * 4
                self.assertEqual(data[end:offset + length], bytes(mask_row * size), "zero AND mask")

    def test_glyphs_at_twice_the_size_follow_the_art_and_its_disabled_form(self):
        for glyph in GLYPHS:
            with self.subTest(glyph):
                data = self.read(glyph + "2x.bmp")
                width, height, bits, palette, image, end = dib(data, 14)
                self.assertEqual((width, height, bits, palette, end), (64, 32, 4, VGA, len(data)))
                picture = art(glyph, 16)
                self.assertFollowsTheArt([row[:32] for row in image], picture)
                self.assertFollowsTheArt([row[32:] for row in image], make_art.disabled(picture))
                self.assertEqual(image[31][0], OLIVE, "the bottom-left pixel names the transparent colour")

    def test_large_program_picture_follows_the_large_icon_in_24_bits(self):
        data = self.read("ProgramIcon2x.bmp")
        width, height, bits, _, image, end = dib(data, 14)
        self.assertEqual((width, height, bits, end), (128, 128, 24, len(data)))
        self.assertFollowsTheArt(image, art("Rominado32", 32), colour=lambda p: VGA[p])

    def test_program_icon_is_the_large_icon_doubled_in_24_bits(self):
        data = self.read("ProgramIcon.bmp")
        width, height, bits, _, image, end = dib(data, 14)
        self.assertEqual((width, height, bits, end), (64, 64, 24, len(data)))
        icon = art("Rominado32", 32)
        self.assertSamePicture(image, [[VGA[icon[y // 2][x // 2]] for x in range(64)] for y in range(64)])


class Scale2x(unittest.TestCase):
    O, X = OLIVE, BLACK

    def test_a_diagonal_line_is_filled_in_and_a_lone_pixel_stays_square(self):
        O, X = self.O, self.X
        self.assertEqual(make_art.scale2x([[O, O, O, O], [O, X, O, O], [O, O, X, O], [O, O, O, O]]), [
            [O] * 8,
            [O] * 8,
            [O, O, X, X, O, O, O, O],
            [O, O, X, X, X, O, O, O],
            [O, O, O, X, X, X, O, O],
            [O, O, O, O, X, X, O, O],
            [O] * 8,
            [O] * 8,
        ])
        self.assertEqual(make_art.scale2x([[O, O, O], [O, X, O], [O, O, O]]),
                         [[O] * 6, [O] * 6, [O, O, X, X, O, O], [O, O, X, X, O, O], [O] * 6, [O] * 6])

    def test_straight_edges_and_a_single_pixel_image_only_double(self):
        O, X = self.O, self.X
        self.assertEqual(make_art.scale2x([[X, O]]), [[X, X, O, O], [X, X, O, O]])
        self.assertEqual(make_art.scale2x([[X]]), [[X, X], [X, X]])

    def test_resampling_keeps_every_two_pixel_line_at_every_size_between(self):
        for size in range(16, 33):
            with self.subTest(size=size):
                for line in range(0, 32, 2):
                    image = [[BLACK if x in (line, line + 1) else OLIVE for x in range(32)]] * 32
                    self.assertIn(BLACK, make_art.resampled(image, size)[0])


class Disabled(unittest.TestCase):
    def test_dark_pixels_turn_grey_with_a_white_shadow_and_light_ones_vanish(self):
        dark = {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13}
        for colour in range(16):
            with self.subTest(colour=VGA[colour]):
                shadowed = [[OLIVE] * 3, [OLIVE, GREY, OLIVE], [OLIVE, OLIVE, WHITE]]
                expected = shadowed if colour in dark else [[OLIVE] * 3 for _ in range(3)]
                image = [[OLIVE] * 3, [OLIVE, colour, OLIVE], [OLIVE] * 3]
                self.assertEqual(make_art.disabled(image), expected)

    def test_grey_covers_the_shadow_and_the_shadow_stops_at_the_edge(self):
        self.assertEqual(make_art.disabled([[BLACK, OLIVE], [YELLOW, BLACK]]), [[GREY, OLIVE], [OLIVE, GREY]])


BLANK_ROW = "." * 16 + "\n"


class MalformedPicture(unittest.TestCase):
    CASES = [
        ("row too short", lambda t: t.replace(BLANK_ROW, BLANK_ROW[1:], 1), "BtnClose.txt:9: row is 15"),
        ("row too long", lambda t: t.replace(BLANK_ROW, "." + BLANK_ROW, 1), "BtnClose.txt:9: row is 17"),
        ("row missing", lambda t: t[:-len(BLANK_ROW)], "15 rows high, expected 16"),
        ("row too many", lambda t: t + BLANK_ROW, "17 rows high, expected 16"),
        ("unknown character", lambda t: t.replace("KKKK", "KZKK", 1), "character 'Z' is not in the legend"),
        ("unknown colour", lambda t: t.replace("R = red", "R = pink"), "unknown colour 'pink'"),
        ("colour given twice", lambda t: t.replace("R = red", "R = red\nR = blue"), "'R' is given twice"),
        ("legend among rows", lambda t: t + "Q = red\n", "legend line after the first pixel row"),
        ("garbled legend", lambda t: t.replace("R = red", "R is red"), "BtnClose.txt:5: expected a legend"),
        ("not UTF-8", lambda t: t.replace("# ", "# \udcff", 1), "not UTF-8 text"),
        ("missing", None, "cannot read"),
    ]

    def test_each_fault_is_refused_with_its_place_and_nothing_is_written(self):
        with open(os.path.join(HERE, "art", "BtnClose.txt"), encoding="utf-8") as f:
            good = f.read()
        for name, spoil, message in self.CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as work:
                shutil.copytree(os.path.join(HERE, "art"), os.path.join(work, "art"))
                path = os.path.join(work, "art", "BtnClose.txt")
                if spoil:
                    with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                        f.write(spoil(good))
                else:
                    os.remove(path)
                result = run(os.path.join(work, "art"), os.path.join(work, "out"))
                self.assertEqual(result.returncode, 1)
                self.assertIn("BtnClose.txt", result.stderr)
                self.assertIn(message, result.stderr)
                self.assertFalse(os.path.exists(os.path.join(work, "out")), "nothing is written")


if __name__ == "__main__":
    unittest.main()
