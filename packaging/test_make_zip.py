"""Checks the zips that make_zip.py writes, read back raw and through the standard library's reader."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
JAPANESE = "お読みください.txt"


class MakeZipTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.binary = self.path("program.bin", b"MZ\n\x00\xff\r\n")
        self.text = self.path("readme.txt", "ロミナード @VERSION@\nline\r\n表示\n".encode("utf-8"))

    def path(self, name, data):
        path = os.path.join(self.dir.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def make(self, name, epoch=1700000000, members=None):
        output = os.path.join(self.dir.name, name)
        members = members or ["binary:Rominado.exe=" + self.binary, "text:" + JAPANESE + "=" + self.text]
        result = subprocess.run([sys.executable, os.path.join(HERE, "make_zip.py"), output, "--epoch", str(epoch),
                                 "--folder", "Rominado", "--version", "1.22e"] + members, capture_output=True)
        return result.returncode, output

    def test_entries_in_order_under_one_folder_with_one_time_and_windows_attributes(self):
        code, output = self.make("a.zip")
        self.assertEqual(code, 0)
        with zipfile.ZipFile(output) as archive:
            infos = archive.infolist()
        # The reader decodes names without the UTF-8 flag as code page 437: back to the stored bytes.
        names = [info.filename.encode("cp437") for info in infos]
        self.assertEqual(names, [b"Rominado/", b"Rominado/Rominado.exe", ("Rominado/" + JAPANESE).encode("cp932")])
        for info in infos:
            self.assertEqual(info.date_time, (2023, 11, 14, 22, 13, 20))
            self.assertEqual(info.create_system, 0)
            self.assertEqual(info.flag_bits & 0x800, 0)
        self.assertEqual([info.external_attr for info in infos], [0x10, 0x20, 0x20])

    def test_a_subfolder_gets_one_folder_entry_before_its_first_file(self):
        picture = self.path("main.png", b"\x89PNG\r\n")
        code, output = self.make("a.zip", members=["binary:help/main.png=" + picture,
                                                   "binary:Rominado.exe=" + self.binary,
                                                   "binary:help/edit.png=" + picture])
        self.assertEqual(code, 0)
        with zipfile.ZipFile(output) as archive:
            infos = archive.infolist()
            self.assertEqual(archive.read("Rominado/help/edit.png"), b"\x89PNG\r\n")
        self.assertEqual([(info.filename, info.external_attr) for info in infos],
                         [("Rominado/", 0x10), ("Rominado/help/", 0x10), ("Rominado/help/main.png", 0x20),
                          ("Rominado/Rominado.exe", 0x20), ("Rominado/help/edit.png", 0x20)])

    def test_japanese_name_carries_its_utf8_form_for_unicode_aware_archivers(self):
        _, output = self.make("a.zip")
        with zipfile.ZipFile(output) as archive:
            plain, japanese = archive.infolist()[1:]
        self.assertEqual(plain.extra, b"")
        stored = ("Rominado/" + JAPANESE).encode("cp932")
        utf8 = ("Rominado/" + JAPANESE).encode("utf-8")
        field, size, version, crc = struct.unpack_from("<HHBI", japanese.extra)
        self.assertEqual((field, size, version, crc), (0x7075, 5 + len(utf8), 1, zlib.crc32(stored)))
        self.assertEqual(japanese.extra[9:], utf8)
        # The local header holds the same name and field as the central directory.
        with open(output, "rb") as f:
            data = f.read()
        local = data.index(b"PK\x03\x04", data.index(b"Rominado.exe") + 1)
        name_length, extra_length = struct.unpack_from("<HH", data, local + 26)
        self.assertEqual(data[local + 30:local + 30 + name_length], stored)
        self.assertEqual(data[local + 30 + name_length:local + 30 + name_length + extra_length], japanese.extra)

    def test_text_becomes_code_page_932_with_cr_lf_and_the_version_binary_stays_as_is(self):
        _, output = self.make("a.zip")
        with zipfile.ZipFile(output) as archive:
            program, readme = [archive.read(info) for info in archive.infolist()[1:]]
        self.assertEqual(program, b"MZ\n\x00\xff\r\n")
        self.assertEqual(readme, "ロミナード 1.22e\r\nline\r\n表示\r\n".encode("cp932"))

    def test_same_inputs_give_the_same_bytes_whatever_the_files_times(self):
        first = self.make("a.zip")[1]
        os.utime(self.binary, (1, 1))
        os.utime(self.text, (2000000000, 2000000000))
        second = self.make("b.zip")[1]
        with open(first, "rb") as a, open(second, "rb") as b:
            self.assertEqual(a.read(), b.read())

    def test_text_that_code_page_932_cannot_hold_fails_and_leaves_no_zip(self):
        wave_dash = self.path("bad.txt", "〜 and — \n".encode("utf-8"))
        code, output = self.make("bad.zip", members=["text:bad.txt=" + wave_dash])
        self.assertNotEqual(code, 0)
        self.assertFalse(os.path.exists(output))


if __name__ == "__main__":
    unittest.main()
