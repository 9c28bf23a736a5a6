#!/usr/bin/env python3
"""Generates a synthetic home folder for the benchmarks.

Usage: generate_home.py DIR [--corpus-gb N]

DIR/home gets more than 300 000 entries at realistic depth (application caches, logs,
developer data, node_modules-like trees, an Application Support with identifiers and
product names, the six document folders) and, spread over the six document folders, a
duplicate corpus: groups of identical files, same-size files that differ early, and
same-size files that share their first 64 KiB and differ later. Every other file in the
document folders is below 1 000 000 bytes, so the corpus alone decides the duplicate work.
Deterministic: the same arguments give the same tree.
"""
import argparse
import os
import random
import shutil

MB = 1_000_000
POOL = random.Random(7).randbytes(4 * 1024 * 1024)


def data(rng, size):
    """`size` bytes of incompressible data from the pool, starting at a random place."""
    out = bytearray()
    while len(out) < size:
        start = rng.randrange(0, len(POOL) - 65536)
        out += POOL[start:start + min(size - len(out), len(POOL) - start)]
    return bytes(out[:size])


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content)


def small_tree(rng, root, files, depth, max_size=4096, fanout=6):
    """`files` small files spread over folders `depth` levels deep."""
    count = 0
    for i in range(files):
        parts = [f"d{rng.randrange(fanout)}" for _ in range(rng.randrange(1, depth + 1))]
        write(os.path.join(root, *parts, f"f{i}.dat"), data(rng, rng.randrange(0, max_size)))
        count += 1
    return count


def node_modules(rng, root, packages):
    """A node_modules-like tree: packages with lib/, nested node_modules and small files."""
    for p in range(packages):
        pkg = os.path.join(root, "node_modules", f"pkg-{p}")
        for f in range(rng.randrange(4, 12)):
            write(os.path.join(pkg, "lib", f"m{f}.js"), data(rng, rng.randrange(100, 3000)))
        write(os.path.join(pkg, "package.json"), b"{}")
        if rng.random() < 0.3:
            for q in range(rng.randrange(1, 5)):
                inner = os.path.join(pkg, "node_modules", f"dep-{q}", "dist", "esm")
                for f in range(rng.randrange(2, 6)):
                    write(os.path.join(inner, f"x{f}.mjs"), data(rng, rng.randrange(100, 2000)))


def corpus(rng, home, gigabytes):
    """The duplicate corpus; returns (kind, bytes) totals for the record."""
    folders = ["Downloads", "Desktop", "Documents/Archive", "Movies", "Pictures/Imports", "Music/Albums"]
    budget = int(gigabytes * 1_000_000_000)
    written = 0
    group = 0
    # Identical groups of 2 to 4 copies, 2 to 40 MB each: 55 % of the budget.
    while written < budget * 0.55:
        size = rng.randrange(2 * MB, 40 * MB)
        content = data(rng, size)
        for copy in range(rng.randrange(2, 5)):
            write(os.path.join(home, rng.choice(folders), f"group{group}-copy{copy}.bin"), content)
            written += size
        group += 1
    # Same size, different from the first byte: 15 %.
    n = 0
    while written < budget * 0.70:
        size = 5 * MB + 12345
        write(os.path.join(home, rng.choice(folders), f"samesize{n}.bin"), data(rng, size))
        written += size
        n += 1
    # Same size and same first 64 KiB, different later: 20 %.
    head = data(rng, 65536)
    n = 0
    while written < budget * 0.90:
        size = 9 * MB + 777
        write(os.path.join(home, rng.choice(folders), f"samehead{n}.bin"), head + data(rng, size - 65536))
        written += size
        n += 1
    # Unique sizes, never opened: the rest.
    n = 0
    while written < budget:
        size = 1 * MB + 1000 * n + rng.randrange(1000)
        write(os.path.join(home, rng.choice(folders), f"unique{n}.bin"), data(rng, size))
        written += size
        n += 1
    return written


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dir")
    parser.add_argument("--corpus-gb", type=float, default=2.2)
    args = parser.parse_args()
    rng = random.Random(2026)
    home = os.path.join(args.dir, "home")
    if os.path.exists(home):
        shutil.rmtree(home)

    lib = os.path.join(home, "Library")
    for a in range(60):
        name = f"com.vendor{a}.App{a}" if a % 4 else f"com.apple.Service{a}"
        small_tree(rng, os.path.join(lib, "Caches", name), 500, 4)
    for a in range(30):
        small_tree(rng, os.path.join(home, ".cache", f"tool{a}"), 300, 3)
    for a in range(80):
        name = f"org.maker{a}.Product" if a % 2 else f"Product {a}"
        small_tree(rng, os.path.join(lib, "Application Support", name), 400, 4)
    for a in range(20):
        small_tree(rng, os.path.join(lib, "Logs", f"app{a}"), 50, 2)
    for p in range(5):
        small_tree(rng, os.path.join(lib, "Developer/Xcode/DerivedData", f"Project{p}-abcdef"), 3000, 6)
    small_tree(rng, os.path.join(home, ".npm/_cacache/content-v2/sha512"), 10000, 2, fanout=256)
    for p in range(25):
        node_modules(rng, os.path.join(home, "Documents/Projects", f"web{p}"), 600)
    for folder in ["Documents", "Desktop", "Downloads", "Pictures", "Music", "Movies"]:
        small_tree(rng, os.path.join(home, folder, "misc"), 3000, 4, max_size=200_000)
    small_tree(rng, os.path.join(home, ".local/share"), 6000, 4)
    small_tree(rng, os.path.join(home, ".config"), 4000, 3)
    small_tree(rng, os.path.join(lib, "Mail/V10"), 25000, 6)
    for i in range(8):
        write(os.path.join(home, "Downloads", f"installer{i}.dmg"), data(rng, 3 * MB))
    written = corpus(rng, home, args.corpus_gb)

    entries = sum(len(dirs) + len(files) for _, dirs, files in os.walk(home))
    print(f"entries={entries} corpus_bytes={written}")


if __name__ == "__main__":
    main()
