"""Lists the supplied words of lexicon/data/fill*.tsv that are no real verb entry or rest on thin evidence.

Checks every word that is not stated against the rules the word builder applies (verbhood.fault):
a dictionary form hunspell-hu knows and not an inflected form of another verb ("megjelent",
"leveszik"), not another verb without its accents ("kilep", "leirt"), not a noun, adjective or
adverb ("levél") nor one cut down ("különad"), not a defective verb, a compound's base a verb, no
doubled preverb ("lelebiggyed"), witness forms of its own; nor what the sources show to be no
entry of its own (verbhood.evidence_fault): a noun ("metszet"), an -ik-less doublet of an -ik verb
("korcsolyáz") or an -ik doublet on a form it shares with its plain twin ("megrogyik"), a spelling
without accents ("kitorol", "leirtat"), a compound witnessed across a phrase ("keresztül kell
csatolni") or by forms of another verb ("meghallgattatok", "kiböffent"), a back-formation from a
noun ("közbeszerez"); a generated derivative of a derivative ("abcúgolgat") stands only as thin
evidence ('weak'); a word taken on a corpus or split witness
must still have that witness in the current corpus-compounds.tsv / split-compounds.tsv, none may be
rated dubious or not a verb in reading-verdicts.tsv (but a dubious word where nothing else sorts,
recorded as 'dubious'), and every
word must carry the builder's verdict "audit:ok" in its word_source. Prints one line per faulty word
(kind, group, index, word, word_source) and the counts by kind; the words that rest on a word list
alone ('weak'), on hunspell-hu alone ('unattested') or on nothing ('dubious') follow as "thin evidence". With --places FILE,
writes those places (group, index, word, kind) for the checker, which allows them and no others.

Usage: python3 -m tools.lexicon audit-words [--sources DIR] [--corpus FILE] [--split FILE] [--use FILE] [--data DIR] [--places FILE]
"""
import argparse
import collections
import os

from . import build_words as B
from . import corpus_compounds
from . import verbhood
from .. import paths, versions


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--sources", default=paths.default_sources(), help=paths.SOURCES_HELP)
    ap.add_argument("--corpus", default=os.path.join(B.HERE, "corpus-compounds.tsv"))
    ap.add_argument("--split", default=os.path.join(B.HERE, "split-compounds.tsv"))
    ap.add_argument("--use", default=os.path.join(B.HERE, "verb-use.tsv"))
    ap.add_argument("--data", default=paths.DATA)
    ap.add_argument("--places", help="write the places of the thinly witnessed words to this file")
    args = ap.parse_args(argv)
    versions.check("hunspell-hu")

    listed = B.read_candidates(os.path.join(args.sources, "verb-candidates.tsv"))
    shared = {}
    corpus, split = B.read_corpus(args.corpus, shared), B.read_split(args.split)
    indexed, loose = B.read_stated(B.STATED)
    stated = {w for g in indexed for w, _ in indexed[g].values()} | {w for g in loose for w in loose[g]}
    everyday = set(B.read_everyday())
    known, vouched, use = stated | set(listed) | everyday, stated | everyday, B.read_use(args.use)

    entries = []
    for n in range(1, 16):
        for line in open(paths.require(os.path.join(args.data, f"fill{n:02d}.tsv"), "fill file"), encoding="utf-8"):
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

    pool = {}
    for _, _, w, source in entries:
        evidence = source.split(" ")[0]
        c = (corpus if evidence.startswith("corpus") else split if evidence.startswith("split") else listed).get(w)
        if c is None:  # an everyday verb no source lists, or a compound only hunspell-hu reads
            p = preverb_of(w, source)
            c = B.Candidate(w, "pv" if p else "lex", p, w[len(p):], "", 3,
                            "everyday" if evidence == "everyday" else "unattested")
        pool[w] = c
    # the corpus's shared readings speak only for a word taken on its corpus witness
    witness = {w: shared.get(w, ()) for _, _, w, source in entries if source.startswith("corpus")}
    kind_of = {w: kind for kind, words in B.reject_faults(dict(pool), known, set(listed), witness, vouched, use,
                                                          stated).items() for w in words}
    verdicts = B.read_verdicts()
    faults = collections.defaultdict(list)
    for g, i, w, source in entries:
        evidence = source.split(" ")[0]
        kind = kind_of.get(w)
        if kind == verbhood.UNWITNESSED_DERIVATIVE and evidence.startswith(("weak", "dubious")):
            kind = None  # a generated derivative where nothing else sorts: thin evidence, listed below
        if kind is None and evidence.startswith("corpus") and w not in corpus:
            kind = "no witness form begins with the compound"
        if kind is None and evidence.startswith("split") and w not in split:
            kind = "no split witness reads as the compound"
        if kind is None and verdicts.get(w, ("",))[0] in B.REJECTING_VERDICTS and not evidence.startswith("dubious"):
            kind = "rated %s by a reader" % verdicts[w][0]
        if kind is None and B.AUDITED not in source.split(" "):
            kind = "no verdict recorded"
        if kind:
            faults[kind].append((g, i, w, source))
    thin = [(g, i, w, source.split(":")[0]) for g, i, w, source in entries if source.startswith(("weak", "unattested", "dubious"))]
    for kind in sorted(faults):
        for g, i, w, source in faults[kind]:
            print(f"{kind}\t{g}\t{i}\t{w}\t{source}")
    for kind in sorted(faults):
        print(f"# {kind}: {len(faults[kind])}")
    print(f"# all: {sum(len(v) for v in faults.values())} of {len(entries)} supplied words")
    for g, i, w, kind in thin:
        print(f"thin evidence\t{g}\t{i}\t{w}\t{kind}")
    print(f"# thin evidence: {len(thin)}")
    if args.places:
        with open(args.places, "w", encoding="utf-8") as f:
            f.write("# Elements where no witnessed verb sorts between the stated words around them, so that a\n"
                    "# compound that only word lists give (weak), only hunspell-hu reads (unattested) or a reader\n"
                    "# rated dubious (dubious) stands there. Written by python3 -m tools.lexicon audit-words --places.\n"
                    "# group\tindex\tword\tevidence\n")
            f.writelines(f"{g}\t{i}\t{w}\t{kind}\n" for g, i, w, kind in thin)
