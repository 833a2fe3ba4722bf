"""Times bcdunpack against tar, cp, a hand-written Python extractor and the
floor on generated workloads; writes a Markdown report and a chart.
Normally started by bench/run.sh, which installs and builds first."""
import argparse
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from datetime import datetime, timezone
from pathlib import Path

import gen

HERE = Path(__file__).resolve().parent
REPO = HERE.parent
PEERS = ["tar", "cp", "extract.py", "floor"]


def parse_args():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--bin", required=True, help="the bcdunpack binary")
    ap.add_argument("--reps", type=int, default=5, help="timed runs per tool (default 5)")
    ap.add_argument("--disk", metavar="DIR", help="scratch on this folder instead of /dev/shm")
    ap.add_argument("--only", choices=gen.WORKLOADS, action="append", help="run only this workload (repeatable)")
    ap.add_argument("--quick", action="store_true", help="1/16 sizes, results to results-quick.*")
    ap.add_argument("--keep", action="store_true", help="keep the scratch folder")
    a = ap.parse_args()
    if a.reps < 1:
        ap.error("--reps must be at least 1")
    return a


def scratch_root(disk):
    base = Path(disk or "/dev/shm").resolve() / "bcdunpack-bench"
    if base == REPO or REPO in base.parents:
        sys.exit(f"refusing to write test data inside the repository: {base}")
    base.mkdir(parents=True, exist_ok=True)
    return Path(tempfile.mkdtemp(prefix="run.", dir=base))


def run(argv, cwd):
    """Wall-clock seconds of one run; any failure stops the benchmark."""
    start = time.perf_counter()
    code = subprocess.run(argv, cwd=cwd, stdout=subprocess.DEVNULL).returncode
    elapsed = time.perf_counter() - start
    if code:
        sys.exit(f"FAILED: {' '.join(map(str, argv))} exited with {code}")
    return elapsed


def peak_rss(argv, cwd):
    """Peak RSS in MiB, through /usr/bin/time: a child forked from this Python
    would report the parent's size as its own peak."""
    with tempfile.NamedTemporaryFile("r") as out:
        run(["/usr/bin/time", "-f", "%M", "-o", out.name, *argv], cwd)
        return int(out.read().split()[-1]) / 1024


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    path.mkdir()
    return path


def same_tree(a, b):
    diff = subprocess.run(["diff", "-rq", str(a), str(b)], capture_output=True, text=True)
    for line in diff.stdout.splitlines()[:10]:  # enough to see the fault
        print(line, file=sys.stderr)
    return diff.returncode == 0


def bench_workload(w, tools, reps, work):
    # Warm-up: page cache, peak memory, and one output tree per tool kept for checking.
    warm = {t: fresh(work / f"warm-{t}") for t in tools}
    rss = {t: peak_rss(argv, warm[t]) for t, argv in tools.items()}
    for t in ("bcdunpack", "extract.py"):
        if not same_tree(warm[t], warm["tar"]):
            sys.exit(f"FAILED: {t} output differs from tar's on workload {w['name']}")
    print(f"  output of bcdunpack and extract.py matches tar's", flush=True)
    for d in warm.values():
        shutil.rmtree(d)
    times = {t: [] for t in tools}
    out = work / "out"
    for i in range(reps):  # round-robin, so drift in machine load hits every tool alike
        for t, argv in tools.items():
            times[t].append(run(argv, fresh(out)))
        print(f"  rep {i + 1}/{reps}: " + ", ".join(f"{t} {times[t][-1]:.3f}s" for t in tools), flush=True)
    shutil.rmtree(out)
    return times, rss


def table(w, times, rss):
    mib = w["bytes"] / 2**20
    ours = statistics.median(times["bcdunpack"])
    rows = [f"### {w['name']}: {w['lists']} list file(s), {w['members']:,} members, {mib:,.0f} MiB",
            "", "| tool | median s | min–max s | bcdunpack ÷ tool | MiB/s | members/s | peak RSS MiB |",
            "|---|---:|---:|---:|---:|---:|---:|"]
    for t, ts in times.items():
        med = statistics.median(ts)
        per_member = "—" if t == "cp" else f"{w['members'] / med:,.0f}"
        rows.append(f"| {t} | {med:.3f} | {min(ts):.3f}–{max(ts):.3f} | {ours / med:.2f} "
                    f"| {mib / med:,.0f} | {per_member} | {rss[t]:.1f} |")
    return "\n".join(rows) + "\n"


def machine_lines(work):
    cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
    mem = next(int(l.split()[1]) for l in open("/proc/meminfo") if l.startswith("MemTotal")) / 2**20
    fs = subprocess.run(["stat", "-f", "-c", "%T", str(work)], capture_output=True, text=True).stdout.strip()
    rev = subprocess.run(["git", "-C", str(REPO), "describe", "--always", "--dirty"],
                         capture_output=True, text=True).stdout.strip() or "no commit"
    return [f"- date: {datetime.now(timezone.utc):%Y-%m-%d %H:%M UTC}",
            f"- machine: {os.cpu_count()} × {cpu}, {mem:.0f} GiB RAM, {platform.system()} {platform.release()}",
            f"- file system: {fs} ({work.parent})",
            f"- bcdunpack: {rev}"]


def chart(ratios, png):
    if not shutil.which("gnuplot"):
        print("gnuplot missing: no chart", file=sys.stderr)
        return
    with tempfile.NamedTemporaryFile("w", suffix=".dat") as dat:
        for name, r in ratios.items():
            dat.write(name + " " + " ".join(f"{r[p]:.4f}" for p in PEERS) + "\n")
        dat.flush()
        # Each bar grows from 1 up (bcdunpack slower) or down (faster).
        script = f"""
set terminal pngcairo size 900,520 font ',11'
set output '{png}'
set title 'bcdunpack time ÷ peer time (median; below 1: bcdunpack is faster)'
set logscale y 2
set grid ytics
set key outside right top
set xrange [-0.6:{len(ratios) - 0.4}]
set style fill solid 0.85 border -1
set arrow from graph 0, first 1 to graph 1, first 1 nohead dt 2 lw 2 front
peers = '{" ".join(PEERS)}'
x(i) = column(0) + (i - 2.5) * 0.2
tip(r) = r * (r >= 1 ? 1.09 : 0.92)
plot for [i=1:{len(PEERS)}] '{dat.name}' using (x(i)):(column(i+1)):(x(i)-0.09):(x(i)+0.09):(1):(column(i+1)) \\
       with boxxyerror title word(peers, i), \\
     for [i=1:{len(PEERS)}] '' using (x(i)):(tip(column(i+1))):(sprintf('%.2f', column(i+1))) \\
       with labels font ',9' notitle, \\
     '' using 0:(NaN):xtic(1) notitle
"""
        subprocess.run(["gnuplot"], input=script, text=True, check=True)


def main():
    a = parse_args()
    work = scratch_root(a.disk)
    stem = HERE / ("results-quick" if a.quick else "results")
    print(f"scratch: {work}", flush=True)
    try:
        floor, binary = work / "floor", work / "bcdunpack"
        shutil.copy2(a.bin, binary)  # a rebuild during the run must not swap the binary under test
        subprocess.run(["cc", "-O2", "-o", str(floor), str(HERE / "floor.c")], check=True)
        sections, ratios = [], {}
        for name in a.only or gen.WORKLOADS:
            print(f"{name}: generating", flush=True)
            w = gen.generate(work / name, name, a.quick)
            tools = {"bcdunpack": [str(binary), w["game"]],
                     "tar": ["tar", "-xf", w["bundle"], "--no-same-owner", "--no-same-permissions", "-m"],
                     "cp": ["cp", *w["archives"], "."],
                     "extract.py": [sys.executable, str(HERE / "extract.py"), w["game"]],
                     "floor": [str(floor), w["manifest"]]}
            times, rss = bench_workload(w, tools, a.reps, work)
            shutil.rmtree(work / name)  # keeps /dev/shm use to one workload at a time
            sections.append(table(w, times, rss))
            ours = statistics.median(times["bcdunpack"])
            ratios[name] = {p: ours / statistics.median(times[p]) for p in PEERS}
        report = "\n".join(["# bcdunpack benchmark", "", *machine_lines(work),
                            f"- method: {a.reps} timed runs per tool{' (--quick sizes)' if a.quick else ''}, "
                            "tools alternated round-robin, each into a fresh empty folder, page cache warm "
                            "(one untimed warm-up each, which also gives the peak RSS); wall-clock time of the whole process", "",
                            *sections])
        stem.with_suffix(".md").write_text(report)
        chart(ratios, stem.with_suffix(".png"))
        print("\n" + report)
        print(f"wrote {stem.with_suffix('.md')} and {stem.with_suffix('.png')}")
    finally:
        if a.keep:
            print(f"kept {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)
            try:
                work.parent.rmdir()
            except OSError:
                pass


if __name__ == "__main__":
    main()
