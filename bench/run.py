#!/usr/bin/env python3
"""Pelmo's scanning benchmarks against peer tools, in one run on a warm cache.

Usage: bench/run.py [--data DIR] [--runs N]   (after ./scripts/test or a build with pelmo_bench)

Generates the synthetic home once (bench/generate_home.py) into DIR (default bench/out),
then takes the median of N runs (default 5) of:
  (a) allocatedSize of the whole home  vs  du -s -l -B1       (byte totals must agree)
  (b) the duplicate scanner             vs  jdupes -r -X size+=:1000000 over the six
      folders (the same duplicate files must come out), and vs the single-core SHA-256
      limit: the bytes the algorithm must hash / `openssl speed -evp sha256` at 16 KiB
  (c) the whole `pelmo scan --json`     vs  du -s -l of the home
and the peak memory of `pelmo scan`. Prints ratios; a ratio below 1 means Pelmo is faster.
"""
import argparse
import hashlib
import os
import re
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
SIX = ["Downloads", "Desktop", "Documents", "Movies", "Pictures", "Music"]
PACKAGE_EXTENSIONS = {"app", "bundle", "framework", "plugin", "kext", "photoslibrary", "imovielibrary",
                      "fcpbundle", "tvlibrary", "musiclibrary", "logicx", "band", "pages", "numbers", "key",
                      "rtfd", "xcodeproj", "xcworkspace", "xcarchive", "playground", "sparsebundle"}


def timed(command, **kwargs):
    start = time.perf_counter()
    result = subprocess.run(command, stdout=subprocess.PIPE, check=True, **kwargs)
    return time.perf_counter() - start, result.stdout


def median_time(command, runs, **kwargs):
    times = []
    output = b""
    for _ in range(runs):
        seconds, output = timed(command, **kwargs)
        times.append(seconds)
    return statistics.median(times), output


def non_regular_bytes(home):
    """What du counts beyond regular files: the blocks of folders, links and the like."""
    total = os.lstat(home).st_blocks * 512
    for folder, dirs, files in os.walk(home):
        for name in dirs + files:
            st = os.lstat(os.path.join(folder, name))
            if not (st.st_mode & 0o170000 == 0o100000):
                total += st.st_blocks * 512
    return total


def bytes_to_hash(home):
    """Bytes the duplicate algorithm must hash: the head of every file that shares its
    size, and the whole of every file that also shares its head hash."""
    by_size = {}
    for name in SIX:
        for folder, dirs, files in os.walk(os.path.join(home, name)):
            dirs[:] = [d for d in dirs if not d.startswith(".")
                       and d.rsplit(".", 1)[-1].lower() not in PACKAGE_EXTENSIONS]
            for f in files:
                path = os.path.join(folder, f)
                st = os.lstat(path)
                if not f.startswith(".") and st.st_mode & 0o170000 == 0o100000 and st.st_size >= 1_000_000:
                    by_size.setdefault(st.st_size, []).append(path)
    total = 0
    for size, paths in by_size.items():
        if len(paths) < 2:
            continue
        heads = {}
        for path in paths:
            with open(path, "rb") as f:
                heads.setdefault(hashlib.sha256(f.read(65536)).digest(), []).append(path)
            total += min(size, 65536)
        total += sum(size * len(group) for group in heads.values() if len(group) >= 2)
    return total


def sha256_speed():
    out = subprocess.run(["openssl", "speed", "-seconds", "3", "-evp", "sha256"], stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, check=True, text=True).stdout
    line = [l for l in out.splitlines() if l.startswith("sha256")][-1]
    return float(line.split()[-1].rstrip("k")) * 1000  # the 16384-byte column, bytes per second


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--data", default=os.path.join(ROOT, "bench", "out"))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    home = os.path.join(args.data, "home")
    if not os.path.isdir(home):
        subprocess.run([sys.executable, os.path.join(ROOT, "bench", "generate_home.py"), args.data], check=True)
    entries = sum(len(d) + len(f) for _, d, f in os.walk(home))
    print(f"synthetic home: {entries} entries")
    bench, pelmo = os.path.join(BUILD, "pelmo_bench"), os.path.join(BUILD, "pelmo")
    timed(["du", "-s", "-l", "-B1", home])  # warm the cache

    # (a)
    t_size, out = median_time([bench, "size", home], args.runs)
    t_du, du_out = median_time(["du", "-s", "-l", "-B1", home], args.runs)
    ours, theirs = int(out), int(du_out.split()[0])
    extra = non_regular_bytes(home)
    agree = ours + extra == theirs
    print(f"(a) allocatedSize {t_size:.2f} s, du {t_du:.2f} s, ratio {t_size / t_du:.2f}; "
          f"bytes {ours} + {extra} (folders, links) = {ours + extra} vs du {theirs}: "
          f"{'agree' if agree else 'DIFFER'}")

    # (b)
    t_dup, out = median_time([bench, "duplicates", home], args.runs)
    t_jd, jd_out = median_time(["jdupes", "-r", "-q", "-X", "size+=:1000000"] + SIX, args.runs, cwd=home)
    ours_set = set(out.decode().split("\n")) - {""}
    jd_set = {os.path.join(home, l) for l in jd_out.decode().split("\n") if l}
    must_hash = bytes_to_hash(home)
    speed = sha256_speed()
    limit = must_hash / speed
    print(f"(b) duplicates {t_dup:.2f} s, jdupes {t_jd:.2f} s, ratio {t_dup / t_jd:.2f}; same files: "
          f"{'yes' if ours_set == jd_set else 'NO'} ({len(ours_set)}); must hash {must_hash / 1e9:.2f} GB at "
          f"{speed / 1e9:.2f} GB/s = {limit:.2f} s, ratio to the SHA-256 limit {t_dup / limit:.2f}")

    # (c)
    t_scan, _ = median_time([pelmo, "scan", "--home", home, "--json"], args.runs)
    t_du2, _ = median_time(["du", "-s", "-l", home], args.runs)
    peak = subprocess.run(["/usr/bin/time", "-f", "%M", pelmo, "scan", "--home", home, "--json"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True, text=True).stderr
    peak_kb = int(re.findall(r"\d+", peak.strip().splitlines()[-1])[0])
    print(f"(c) pelmo scan {t_scan:.2f} s, du {t_du2:.2f} s, ratio {t_scan / t_du2:.2f}; "
          f"peak memory of pelmo scan {peak_kb / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
