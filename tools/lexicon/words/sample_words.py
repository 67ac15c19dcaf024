"""Draws supplied words of lexicon/data/fill*.tsv at random, for a reader to rate them.

Prints group, index, word and its evidence, one a line, in lexicon order; the same seed draws the
same words from the same data.

Usage: python3 -m tools.lexicon sample-words [--data DIR] [--seed N] [--count N]
"""
import argparse
import os
import random

from . import lexorder
from .. import paths


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--data", default=paths.DATA)
    ap.add_argument("--seed", type=int, default=16)
    ap.add_argument("--count", type=int, default=200)
    args = ap.parse_args(argv)
    supplied = []
    for n in range(1, 16):
        for line in open(paths.require(os.path.join(args.data, f"fill{n:02d}.tsv"), "fill file"), encoding="utf-8"):
            f = line.rstrip("\n").split("\t")
            if not line.startswith("#") and len(f) >= 5 and f[2] and f[4] != "stated":
                supplied.append((int(f[0]), int(f[1]), f[2], f[4].split(" ")[0]))
    drawn = random.Random(args.seed).sample(supplied, min(args.count, len(supplied)))
    for g, i, w, evidence in sorted(drawn, key=lambda e: (e[0], lexorder.key(e[2]))):
        print(f"{g}\t{i}\t{w}\t{evidence}")
