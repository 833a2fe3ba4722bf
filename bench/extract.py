"""The extractor a user would write by hand: python3 extract.py SOURCEDIR"""
import sys
from pathlib import Path

source = Path(sys.argv[1])
for listing in sorted(source.glob("*.bcl")):
    lines = listing.read_text().splitlines()
    if lines[0] != "[BinaryCombineData]":
        sys.exit(f"{listing}: not a list file")
    outdir = Path(Path(lines[1]).stem)
    outdir.mkdir(exist_ok=True)
    with open(source / lines[1], "rb") as archive:
        for i in range(2, len(lines) - 2, 3):
            name, offset, size = lines[i][1:-1], int(lines[i + 1]), int(lines[i + 2])
            archive.seek(offset)
            (outdir / name).write_bytes(archive.read(size))
