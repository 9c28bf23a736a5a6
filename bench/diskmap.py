#!/usr/bin/env python3
"""The disk map's measuring against du and gdu, in one run on a warm cache.

Usage: bench/diskmap.py [--data DIR] [--runs N] [--build BUILD]   (needs BUILD/pelmo_bench)

Generates the synthetic home once (bench/generate_home.py) into DIR (default bench/out),
then takes the median of N runs (default 5) of:
  (a) the map measuring the children of DIR, whose one child is the home: the whole home
      walked as the map walks one child, `pelmo_bench map DIR`, against `du -s -l -B1
      DIR/home` and `gdu -n -p -s --no-prefix DIR/home`; the byte totals must agree (du =
      the map + what du counts for folders and links)
  (b) in the same runs, entering the home after it was measured, and then its largest
      child, as the map does (from the folder totals the first walk learnt)
  (c) the peak memory of those runs and the memory the learnt folder totals take.
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ENV = dict(os.environ, HOME=tempfile.mkdtemp(), XDG_CONFIG_HOME=tempfile.mkdtemp())


def timed_runs(command, runs):
    """(wall seconds, peak KiB, stdout) of each run."""
    out = []
    for _ in range(runs):
        result = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + command, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, check=True, env=ENV)
        seconds, kib = result.stderr.decode().strip().splitlines()[-1].split()
        out.append((float(seconds), int(kib), result.stdout))
    return out


def non_regular_bytes(top):
    """What du counts beyond regular files: the blocks of folders, links and the like."""
    total = os.lstat(top).st_blocks * 512
    for folder, dirs, files in os.walk(top):
        for name in dirs + files:
            st = os.lstat(os.path.join(folder, name))
            if st.st_mode & 0o170000 != 0o100000:
                total += st.st_blocks * 512
    return total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--data", default=os.path.join(ROOT, "bench", "out"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    home = os.path.join(data, "home")
    if not os.path.isdir(home):
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate_home.py"), data], check=True)
    bench = os.path.join(args.build, "pelmo_bench")
    gdu = subprocess.run(["which", "gdu"], stdout=subprocess.PIPE).stdout.decode().strip()
    subprocess.run(["du", "-s", home], stdout=subprocess.DEVNULL, check=True)  # warm the cache

    # Interleaved, so that the machine's other load falls on every tool alike.
    pelmo_runs, du_runs, gdu_runs = [], [], []
    for _ in range(args.runs):
        pelmo_runs += timed_runs([bench, "map", data], 1)
        du_runs += timed_runs(["du", "-s", "-l", "-B1", home], 1)
        if gdu:
            gdu_runs += timed_runs([gdu, "-n", "-p", "-s", "--no-prefix", home], 1)
    t_pelmo = statistics.median(r[0] for r in pelmo_runs)
    t_du = statistics.median(r[0] for r in du_runs)
    maps = [json.loads(r[2]) for r in pelmo_runs]
    pelmo_total = maps[-1]["total"]
    du_total = int(du_runs[-1][2].split()[0])
    extra = non_regular_bytes(home)
    print(f"(a) measuring the whole home: map {t_pelmo:.2f} s, du {t_du:.2f} s, ratio {t_pelmo / t_du:.2f}"
          f" (target <= 0.6)")
    print(f"    bytes: map {pelmo_total} + folders and links {extra} = {pelmo_total + extra}, du {du_total}"
          f" -> {'agree' if pelmo_total + extra == du_total else 'DIFFER'}")
    if gdu:
        t_gdu = statistics.median(r[0] for r in gdu_runs)
        gdu_total = int(re.match(rb"\s*(\d+)", gdu_runs[-1][2]).group(1))
        print(f"    gdu {t_gdu:.2f} s, ratio map/gdu {t_pelmo / t_gdu:.2f} (target <= 1.0); gdu bytes {gdu_total}"
              f" ({'= du' if gdu_total == du_total else 'du - gdu = ' + str(du_total - gdu_total)})")
    else:
        print("    gdu is not installed: no comparison")
    enter = statistics.median(m["enterMs"] for m in maps)
    deeper = statistics.median(m["enterDeeperMs"] for m in maps)
    known = all(m["enterMsFromTotals"] and m["enterDeeperMsFromTotals"] for m in maps)
    print(f"(b) entering the home after it was measured: {enter:.2f} ms; its largest child: {deeper:.2f} ms"
          f" (all from the learnt totals: {known}; target < 50 ms)")
    print(f"(c) peak memory: {max(r[1] for r in pelmo_runs) / 1024:.1f} MiB; learnt totals "
          f"{maps[-1]['learntFolders']} folders in {maps[-1]['learntBytes'] / 1048576:.1f} MiB (target < 150 MB)")


if __name__ == "__main__":
    main()
