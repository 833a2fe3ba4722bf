#!/usr/bin/env python3
"""Writes the bundled sample game directory: one list file and its archive.

The members are a small 16x16 colour bitmap, a text file with a Japanese
(CP932) name, a file whose name has two dots, and one that sits in a
subdirectory inside the archive.
"""
import struct
import sys
from pathlib import Path


def bitmap(width=16, height=16):
    row_size = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height):
        row = bytearray()
        for x in range(width):
            row += bytes((x * 16, y * 16, 255 - x * 8))  # blue, green, red
        pixels += row + bytes(row_size - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


MEMBERS = [
    ("bg\\title.bmp", bitmap()),
    ("はじめに.txt", "このファイルは見本です。\r\n".encode("cp932")),
    ("voice.ja.txt", b"konnichiwa\r\n"),
    ("voice.en.txt", b"hello\r\n"),
]


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    archive = bytearray()
    lines = [b"[BinaryCombineData]", b"sample.bcd"]
    for name, data in MEMBERS:
        lines += [b"[" + name.encode("cp932") + b"]", str(len(archive)).encode(), str(len(data)).encode()]
        archive += data
    (out / "sample.bcd").write_bytes(bytes(archive))
    (out / "sample.bcl").write_bytes(b"\r\n".join(lines) + b"\r\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "game")
