"""Checks the zips that make_zip.py writes, read back raw and through the standard library's reader."""

import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
README = "README.txt"


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
        members = members or ["binary:Rominado.exe=" + self.binary, "text:" + README + "=" + self.text]
        result = subprocess.run([sys.executable, os.path.join(HERE, "make_zip.py"), output, "--epoch", str(epoch),
                                 "--folder", "Rominado", "--version", "1.22e"] + members, capture_output=True)
        return result.returncode, output

    def test_entries_in_order_under_one_folder_with_one_time_and_windows_attributes(self):
        code, output = self.make("a.zip")
        self.assertEqual(code, 0)
        with zipfile.ZipFile(output) as archive:
            infos = archive.infolist()
        # ASCII names, read alike by every unpacker whatever its code page: no UTF-8 flag, no Unicode field.
        self.assertEqual([info.filename for info in infos], ["Rominado/", "Rominado/Rominado.exe", "Rominado/" + README])
        for info in infos:
            self.assertTrue(info.filename.isascii())
            self.assertEqual(info.date_time, (2023, 11, 14, 22, 13, 20))
            self.assertEqual(info.create_system, 0)
            self.assertEqual(info.flag_bits & 0x800, 0)
            self.assertEqual(info.extra, b"")
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

    def test_text_becomes_utf8_with_its_mark_and_cr_lf_and_the_version_binary_stays_as_is(self):
        _, output = self.make("a.zip")
        with zipfile.ZipFile(output) as archive:
            program, readme = [archive.read(info) for info in archive.infolist()[1:]]
        self.assertEqual(program, b"MZ\n\x00\xff\r\n")
        self.assertEqual(readme, b"\xef\xbb\xbf" + "ロミナード 1.22e\r\nline\r\n表示\r\n".encode("utf-8"))

    def test_same_inputs_give_the_same_bytes_whatever_the_files_times(self):
        first = self.make("a.zip")[1]
        os.utime(self.binary, (1, 1))
        os.utime(self.text, (2000000000, 2000000000))
        second = self.make("b.zip")[1]
        with open(first, "rb") as a, open(second, "rb") as b:
            self.assertEqual(a.read(), b.read())

    def test_a_name_that_is_not_ascii_fails_and_leaves_no_zip(self):
        code, output = self.make("bad.zip", members=["text:お読みください.txt=" + self.text])
        self.assertNotEqual(code, 0)
        self.assertFalse(os.path.exists(output))

if __name__ == "__main__":
    unittest.main()
