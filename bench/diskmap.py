#!/usr/bin/env python3
"""The disk map's measuring against du and gdu, in one run on a warm cache.

Usage: bench/diskmap.py [--data DIR] [--runs N]   (after a build with pelmo and pelmo_bench)

Generates the synthetic home once (bench/generate_home.py) into DIR (default bench/out),
then takes the median of N runs (default 5) of:
  (a) the map's measuring of the whole tree    `pelmo map --home DIR DIR --json` (DIR's one
      child is the home, walked in full)  vs  `du -s -l -B1 DIR/home`  and  `gdu -n -p -s
      --no-prefix DIR/home`; the byte totals must agree (du = Pelmo + folders and links)
  (a') the home's visible children             `pelmo map --home HOME --json`  vs  du -s -l
      -B1 -c of exactly those children
  (b) entering the largest child of the home, and its largest child, after the home was
      measured (in process: pelmo_bench map HOME)
  (c) the peak memory of `pelmo map` on the whole tree and of pelmo_bench map, and the
      memory the learnt folder totals take.
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
BUILD = os.path.join(ROOT, "build")
ENV = dict(os.environ, HOME=tempfile.mkdtemp(), XDG_CONFIG_HOME=tempfile.mkdtemp())


def median_time(command, runs):
    """The median wall time of `command` and the output of its last run."""
    times = []
    out = b""
    for _ in range(runs):
        result = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + command, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, check=True, env=ENV)
        seconds, kib = result.stderr.decode().strip().splitlines()[-1].split()
        times.append((float(seconds), int(kib)))
        out = result.stdout
    return statistics.median(t for t, _ in times), max(k for _, k in times), out


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
    args = parser.parse_args()
    data = os.path.abspath(args.data)
    home = os.path.join(data, "home")
    if not os.path.isdir(home):
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate_home.py"), data], check=True)
    pelmo = os.path.join(BUILD, "pelmo")
    bench = os.path.join(BUILD, "pelmo_bench")
    gdu = subprocess.run(["which", "gdu"], stdout=subprocess.PIPE).stdout.decode().strip()
    subprocess.run(["du", "-s", home], stdout=subprocess.DEVNULL, check=True)  # warm the cache

    # (a) the whole tree
    t_pelmo, kib_pelmo, out = median_time([pelmo, "map", "--home", data, data, "--json"], args.runs)
    pelmo_total = json.loads(out)["total"]
    t_du, _, out = median_time(["du", "-s", "-l", "-B1", home], args.runs)
    du_total = int(out.split()[0])
    extra = non_regular_bytes(home)
    print(f"(a) whole tree: pelmo map {t_pelmo:.2f} s, du {t_du:.2f} s, ratio {t_pelmo / t_du:.2f} (target <= 0.6)")
    print(f"    bytes: pelmo {pelmo_total} + folders and links {extra} = {pelmo_total + extra}, du {du_total}"
          f" -> {'agree' if pelmo_total + extra == du_total else 'DIFFER'}")
    if gdu:
        t_gdu, _, out = median_time([gdu, "-n", "-p", "-s", "--no-prefix", home], args.runs)
        gdu_total = int(re.match(rb"\s*(\d+)", out).group(1))
        print(f"    gdu {t_gdu:.2f} s, ratio pelmo/gdu {t_pelmo / t_gdu:.2f} (target <= 1.0); gdu bytes {gdu_total}"
              f" ({'= du' if gdu_total == du_total else 'du differs by ' + str(du_total - gdu_total)})")
    else:
        print("    gdu is not installed: no comparison")

    # (a') the home's visible children
    visible = sorted(os.path.join(home, n) for n in os.listdir(home)
                     if not n.startswith(".") and not os.path.islink(os.path.join(home, n)))
    t_children, _, out = median_time([pelmo, "map", "--home", home, "--json"], args.runs)
    children_total = json.loads(out)["total"]
    t_du_children, _, out = median_time(["du", "-s", "-l", "-B1", "-c"] + visible, args.runs)
    du_children = int(out.splitlines()[-1].split()[0])
    extra_children = sum(non_regular_bytes(p) if os.path.isdir(p) else 0 for p in visible)
    print(f"(a') visible children of the home: pelmo map {t_children:.3f} s, du -c {t_du_children:.3f} s,"
          f" ratio {t_children / t_du_children:.2f}; bytes {'agree' if children_total + extra_children == du_children else 'DIFFER'}")

    # (b) and (c)
    runs = [json.loads(subprocess.run([bench, "map", home], stdout=subprocess.PIPE, check=True, env=ENV).stdout)
            for _ in range(args.runs)]
    enter = statistics.median(r["enterMs"] for r in runs)
    deeper = statistics.median(r.get("enterDeeperMs", 0) for r in runs)
    known = all(r["enterMsFromTotals"] for r in runs)
    print(f"(b) entering the largest child after the home: {enter:.2f} ms, its largest child {deeper:.2f} ms"
          f" (from the learnt totals: {known}; target < 50 ms)")
    r = runs[-1]
    print(f"(c) peak memory: pelmo map of the whole tree {kib_pelmo / 1024:.1f} MiB; pelmo_bench map "
          f"{r['peakKiB'] / 1024:.1f} MiB, learnt totals {r['learntFolders']} folders in "
          f"{r['learntBytes'] / 1048576:.1f} MiB (target < 150 MB)")


if __name__ == "__main__":
    main()
