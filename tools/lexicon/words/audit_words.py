#!/usr/bin/env python3
"""Lists the supplied words of lexicon/data/fill*.tsv that are no real verb entry.

Checks every word that is not stated against the rules the word builder applies (verbhood.fault):
a dictionary form hunspell-hu knows, not a defective verb, a compound's base a verb, no doubled
preverb, witness forms of its own; and a word taken on a corpus or split witness must still have
that witness in the current corpus-compounds.tsv / split-compounds.tsv (whose forms must begin
with the compound and read as the verb, not as a noun compound with a preverb inside). Prints one
line per faulty word (kind, group, index, word, word_source) and the counts by kind.

Usage: audit_words.py [--sources DIR] [--corpus FILE] [--split FILE] [--data DIR]
"""
import argparse
import collections
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_words as B  # noqa: E402
import corpus_compounds  # noqa: E402
import verbhood  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    near = [os.path.join(B.REPO, *[".."] * n, "shared", "lexicon-sources") for n in (1, 2)]
    ap.add_argument("--sources", default=next((d for d in near if os.path.isdir(d)), near[0]))
    ap.add_argument("--corpus", default=os.path.join(B.HERE, "corpus-compounds.tsv"))
    ap.add_argument("--split", default=os.path.join(B.HERE, "split-compounds.tsv"))
    ap.add_argument("--data", default=os.path.join(B.REPO, "lexicon", "data"))
    args = ap.parse_args()

    listed = B.read_candidates(os.path.join(args.sources, "verb-candidates.tsv"))
    shared = {}
    corpus, split = B.read_corpus(args.corpus, shared), B.read_split(args.split)
    indexed, loose = B.read_stated(os.path.join(B.REPO, "tests", "lexicon", "facts", "stated-words.tsv"))
    stated = {w for g in indexed for w, _ in indexed[g].values()} | {w for g in loose for w in loose[g]}
    known = stated | set(listed)

    entries = []
    for n in range(1, 16):
        for line in open(os.path.join(args.data, f"fill{n:02d}.tsv"), encoding="utf-8"):
            f = line.rstrip("\n").split("\t")
            if line.startswith("#") or len(f) < 5 or not f[2] or f[4] == "stated":
                continue
            entries.append((int(f[0]), int(f[1]), f[2], f[4]))

    def preverb_of(word, source):
        for pool in (corpus, split, listed):
            if word in pool and pool[word].preverb:
                return pool[word].preverb
        if word in listed or not source.startswith(("corpus", "split", "unattested", "weak")):
            return ""
        fits = [p for p in corpus_compounds.PREVERBS if word.startswith(p) and len(word) > len(p) + 1]
        return max(fits, key=len) if fits else ""

    preverbs = {w: preverb_of(w, s) for _, _, w, s in entries}
    lines = verbhood.analyses({w for _, _, w, _ in entries} | {w[len(p):] for w, p in preverbs.items() if p})
    faults = collections.defaultdict(list)
    for g, i, w, source in entries:
        witness = shared.get(w, ()) if source.startswith("corpus") else ()
        ambiguous = source.startswith("corpus") and "?" in source.split(":")[1]
        kind = verbhood.fault(w, preverbs[w], known, set(listed), lines, witness, ambiguous)
        if kind is None and source.startswith("corpus") and w not in corpus:
            kind = "no witness form begins with the compound"
        if kind is None and source.startswith("split") and w not in split:
            kind = "no split witness reads as the compound"
        if kind:
            faults[kind].append((g, i, w, source))
    for kind in sorted(faults):
        for g, i, w, source in faults[kind]:
            print(f"{kind}\t{g}\t{i}\t{w}\t{source}")
    for kind in sorted(faults):
        print(f"# {kind}: {len(faults[kind])}")
    print(f"# all: {sum(len(v) for v in faults.values())} of {len(entries)} supplied words")


if __name__ == "__main__":
    main()
