"""Writes the release zip: every entry under one folder, in the order given, with one fixed time, so that the
same inputs give the same bytes. A NAME may hold folders of its own ("help/main.png").

Names are ASCII: Explorer reads a name without the zip's UTF-8 flag in the OEM code page of the system it runs
on, so a Japanese name comes out garbled on any other system; ASCII reads the same everywhere. Text entries are
UTF-8 sources, written as UTF-8 with a byte order mark (which every Notepad reads as UTF-8, whatever the
system's code page) with CR LF line ends and @VERSION@ replaced by the version.

    make_zip.py OUTPUT --epoch SECONDS --folder NAME --version TEXT (text|binary):NAME=SOURCE ...
"""

import argparse
import sys
import time
import zipfile

MSDOS = 0
ATTRIBUTE_DIRECTORY, ATTRIBUTE_ARCHIVE = 0x10, 0x20
UTF8_BOM = b"\xef\xbb\xbf"


def check_name(name):
    if not name.isascii():
        raise ValueError("a name in the zip must be ASCII: " + name)


def entry(name, epoch, directory=False):
    check_name(name)
    info = zipfile.ZipInfo(name, date_time=time.gmtime(epoch)[:6])
    info.create_system = MSDOS
    info.external_attr = ATTRIBUTE_DIRECTORY if directory else ATTRIBUTE_ARCHIVE
    return info


def text_for_windows(source, version):
    """A UTF-8 source as the package holds it: the version filled in, CR LF line ends, UTF-8 behind its mark."""
    text = source.decode("utf-8").replace("\r\n", "\n").replace("@VERSION@", version)
    return UTF8_BOM + text.replace("\n", "\r\n").encode("utf-8")


def load(kind, path, version):
    with open(path, "rb") as f:
        data = f.read()
    return text_for_windows(data, version) if kind == "text" else data


def write_zip(output, epoch, folder, version, members):
    """members: (kind, name, source path) in archive order; kind is "text" or "binary"."""
    # Everything is read and checked first: a name that is not ASCII leaves no zip behind.
    contents = [(name, load(kind, path, version)) for kind, name, path in members]
    for name, _ in contents:
        check_name(folder + "/" + name)
    with zipfile.ZipFile(output, "w") as archive:
        written = set()
        for name, data in contents:
            # Each folder gets an entry of its own before its first file: some archivers make folders from those only.
            parts = (folder + "/" + name).split("/")
            for depth in range(1, len(parts)):
                path = "/".join(parts[:depth]) + "/"
                if path not in written:
                    archive.writestr(entry(path, epoch, directory=True), b"")
                    written.add(path)
            archive.writestr(entry(folder + "/" + name, epoch), data, zipfile.ZIP_DEFLATED, 9)


def member(argument):
    kind, _, rest = argument.partition(":")
    name, _, path = rest.partition("=")
    if kind not in ("text", "binary") or not name or not path:
        raise argparse.ArgumentTypeError("expected text:NAME=SOURCE or binary:NAME=SOURCE, got " + argument)
    return kind, name, path


def main(argv):
    parser = argparse.ArgumentParser(description="Writes the release zip.")
    parser.add_argument("output")
    parser.add_argument("--epoch", type=int, required=True)
    parser.add_argument("--folder", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("members", type=member, nargs="+")
    args = parser.parse_args(argv)
    write_zip(args.output, args.epoch, args.folder, args.version, args.members)


if __name__ == "__main__":
    main(sys.argv[1:])
