#!/usr/bin/env python3
"""Fills the code column of the lexicon's fill files and records each code's basis.

Usage: assign_codes.py [--data lexicon/data] [--facts tools/lexicon/code_facts.tsv]
                       [--candidates PATH] [--dry-run] [--report]

Every entry with a word gets a nine-character code: a stated one, its base verb's (compounds),
or one built field by field by the regularities, lexical choices decided by hunspell-hu evidence
(`hunspell -d hu_HU -m`). The code's basis goes into the fill file's code_source column.
Element 0 and the holes (empty word) keep an empty code. Rerunning gives the same files.
"""
import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from codes.assign import CodeAssigner  # noqa: E402
from codes.facts import Facts, field  # noqa: E402
from codes.fillfiles import FillFile, fill_paths  # noqa: E402
from codes.hunspell import Analyser  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
GROUP_NAMES = ["a/á", "b", "c/d", "e/é", "f", "g/h/i/í/j", "k", "l", "m", "n/o/ó/ö/ő", "p", "r", "s", "t",
               "u/ú/ü/ű/v/z"]


def load_candidates(path):
    """word -> (kind, preverb, stem) from the candidate verb list, if it is at hand."""
    result = {}
    if not path or not os.path.exists(path):
        return result
    with open(path, encoding="utf-8") as f:
        for line in f:
            # word, kind, preverb, stem, amb, sources, tier
            row = line.rstrip("\n").split("\t")
            if len(row) >= 4:
                result[row[0]] = (row[1], row[2], row[3])
    return result


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--data", default=os.path.join(ROOT, "lexicon", "data"))
    ap.add_argument("--facts", default=os.path.join(HERE, "code_facts.tsv"))
    ap.add_argument("--candidates", default="/work/shared/lexicon-sources/verb-candidates.tsv")
    ap.add_argument("--dry-run", action="store_true", help="decide and report, write nothing")
    ap.add_argument("--report", action="store_true", help="print field distributions per group")
    args = ap.parse_args()

    files = [FillFile(p) for p in fill_paths(args.data)]
    entries = [(ff, line, g, i, w) for ff in files for line, g, i, w, _ in ff.entries()]
    words = {w for _, _, _, _, w in entries if w}
    assigner = CodeAssigner(words, Facts(args.facts), Analyser(), load_candidates(args.candidates))
    assigner.prefetch(words)

    by_basis = collections.Counter()
    per_group = collections.defaultdict(collections.Counter)
    codes_by_group = collections.defaultdict(list)
    for ff, line, group, index, word in entries:
        if not word:
            ff.set_code(line, "", "")
            continue
        d = assigner.decide(group, index, word)
        ff.set_code(line, d.code, d.evidence_text())
        by_basis[d.basis] += 1
        per_group[group][d.basis] += 1
        codes_by_group[group].append(d.code)
    if not args.dry_run:
        for ff in files:
            ff.save()

    print("codes by basis per group (stated / base verb / rules+hunspell / rules):")
    for g in sorted(per_group):
        c = per_group[g]
        print("  %-12s %5d %5d %5d %5d" % (GROUP_NAMES[g], c["stated"], c["base"], c["evidence"], c["rule"]))
    print("  %-12s %5d %5d %5d %5d" % ("all", by_basis["stated"], by_basis["base"], by_basis["evidence"],
                                         by_basis["rule"]))
    kinds = collections.defaultdict(lambda: [0, 0])
    for kind, confirmed in assigner.choices:
        kinds[kind][0] += 1
        kinds[kind][1] += confirmed
    total = sum(v[0] for v in kinds.values())
    confirmed = sum(v[1] for v in kinds.values())
    print("lexical choices decided by hunspell: %d of %d (%.1f%%)" % (confirmed, total, 100.0 * confirmed / max(total, 1)))
    for kind, (n, k) in sorted(kinds.items()):
        print("  %-10s %5d of %5d" % (kind, k, n))
    if args.report:
        for g in sorted(codes_by_group):
            print(GROUP_NAMES[g])
            for name in ("preverb", "vowel", "usage", "causative", "objective", "sg1to2"):
                dist = collections.Counter(field(c, name) for c in codes_by_group[g])
                print("  %-9s %s" % (name, " ".join("%s:%d" % kv for kv in sorted(dist.items()))))
            top = collections.Counter(field(c, "class") for c in codes_by_group[g]).most_common(12)
            print("  class     " + " ".join("%s:%d" % kv for kv in top))
    return 0


if __name__ == "__main__":
    sys.exit(main())
