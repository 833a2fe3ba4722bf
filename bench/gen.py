"""Makes a synthetic game directory (list files + archives) for one workload,
plus a tar of the tree an extractor must produce and a manifest for floor.c.

    python3 bench/gen.py DIR large|small|manylists [--quick]
"""
import argparse
import json
import random
import tarfile
from pathlib import Path

KiB, MiB = 1024, 1024 * 1024
# lists, members per list, smallest and largest member size
WORKLOADS = {
    "large": (1, 8, 128 * MiB, 128 * MiB),
    "small": (1, 50_000, KiB, 8 * KiB),
    "manylists": (200, 100, KiB, 8 * KiB),
}
QUICK = {  # about 1/16 of the bytes, same shape
    "large": (1, 8, 8 * MiB, 8 * MiB),
    "small": (1, 3_125, KiB, 8 * KiB),
    "manylists": (12, 100, KiB, 8 * KiB),
}
CHUNK = MiB
# A seeded random pool sliced at random starts: fast to write, and no two
# members (nor two chunks of one member) share an offset, so a tool reading
# the wrong place cannot produce the right bytes.
POOL_SIZE = 16 * MiB


def _tar_header(name, size, kind=tarfile.REGTYPE):
    info = tarfile.TarInfo(name)
    info.size, info.type, info.mtime = size, kind, 1_700_000_000
    info.mode = 0o755 if kind == tarfile.DIRTYPE else 0o644
    return info.tobuf(tarfile.USTAR_FORMAT)


def generate(root, workload, quick=False):
    """Writes ROOT/game, ROOT/bundle.tar and ROOT/manifest; returns their description."""
    lists, per_list, lo, hi = (QUICK if quick else WORKLOADS)[workload]
    rng = random.Random(20240601)
    pool = memoryview(rng.randbytes(POOL_SIZE + CHUNK))
    root, game = Path(root), Path(root) / "game"
    game.mkdir(parents=True)
    archives, members, total = [], 0, 0
    with open(root / "bundle.tar", "wb") as tar, open(root / "manifest", "w") as manifest:
        for li in range(lists):
            title = f"pack{li:03d}" if lists > 1 else "data"
            archive = game / f"{title}.bcd"
            archives.append(str(archive))
            tar.write(_tar_header(title + "/", 0, tarfile.DIRTYPE))
            manifest.write(f"d 0 {title}\n")
            records, offset = ["[BinaryCombineData]", archive.name], 0
            with open(archive, "wb") as arc:
                for mi in range(1, per_list + 1):
                    name, size = f"m{mi:05d}.bin", rng.randint(lo, hi)
                    records += [f"[{name}]", str(offset), str(size)]
                    manifest.write(f"f {size} {title}/{name}\n")
                    tar.write(_tar_header(f"{title}/{name}", size))
                    for done in range(0, size, CHUNK):
                        start = rng.randrange(POOL_SIZE)
                        piece = pool[start:start + min(CHUNK, size - done)]
                        arc.write(piece)
                        tar.write(piece)
                    tar.write(b"\0" * (-size % tarfile.BLOCKSIZE))
                    offset += size
            (game / f"{title}.bcl").write_text("\n".join(records) + "\n", encoding="ascii")
            members, total = members + per_list, total + offset
        tar.write(b"\0" * (2 * tarfile.BLOCKSIZE))
    return {"name": workload, "game": str(game), "archives": archives, "lists": lists,
            "bundle": str(root / "bundle.tar"), "manifest": str(root / "manifest"),
            "members": members, "bytes": total}


if __name__ == "__main__":
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("dir")
    ap.add_argument("workload", choices=WORKLOADS)
    ap.add_argument("--quick", action="store_true")
    a = ap.parse_args()
    print(json.dumps(generate(a.dir, a.workload, a.quick), indent=1))
