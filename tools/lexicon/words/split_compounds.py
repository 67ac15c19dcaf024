"""Finds preverb compounds witnessed in running text with the preverb standing after the verb.

A Hungarian preverb leaves its verb in negated, stressed and imperative clauses ("nem táncolta ki
magát", "táncold ki") and stands before an auxiliary that governs the verb's infinitive ("ki kell
táncolni", "ki fogja táncolni"): the pair "finite form of V" + space + preverb P, or the triple
P + auxiliary + infinitive of V, in running text is a witness of the compound P+V. Weaker than a form of the compound itself, since the word after a verb may
belong to the next phrase ("ki" is also "who", "meg" also "and"), so a pair counts only when
hunspell-hu reads the verb's word as a finite form (an infinitive after an auxiliary) of one verb without a
preverb and nothing else,
and analyses P+V as that compound (one verb, not the parts of a noun compound). Reads the same texts as corpus_compounds.py (the installed ones
and, with --debs, the Hungarian files of the downloaded packages; not the word lists).
Writes split-compounds.tsv: word, preverb, stem, number of distinct pairs, pairs (up to three),
packages (for --debs texts).

Usage: python3 -m tools.lexicon split-compounds [--out FILE] [--debs DIR]
"""
import argparse
import collections
import multiprocessing
import os
import re
import subprocess

from . import corpus_compounds as C
from . import package_texts
from . import verbhood
from .. import paths, versions

HERE = os.path.dirname(os.path.abspath(__file__))
# Preverbs that are also a common pronoun, adverb or postposition after a verb ("neki" to him, "ott"
# there, "által" by, "közben" meanwhile, "külön" apart, ...) prove nothing standing there.
OTHER_WORDS = {"neki", "ott", "által", "közben", "nyilván", "kölcsön", "külön", "abba", "alul", "odább", "alább"}
SPLIT_PREVERBS = [p for p in C.PREVERBS if p not in OTHER_WORDS]
# Word boundaries are spaces only, so no punctuation stands between the verb and its preverb.
PAIR = re.compile(r"(?<![\w-])([a-záéíóöőúüű]{3,}) (" + "|".join(sorted(SPLIT_PREVERBS, key=len, reverse=True))
                  + r")(?![\w-])")
# Before an auxiliary, "ki" is as often "who" ("ki tudja olvasni": who can read it); it counts only
# after its verb.
TRIPLE = re.compile(r"(?<![\w-])(" + "|".join(sorted((p for p in SPLIT_PREVERBS if p != "ki"), key=len, reverse=True))
                    + r") ([a-záéíóöőúüű]{3,}) ([a-záéíóöőúüű]{4,})(?![\w-])")
# Verbs that govern an infinitive, and the impersonal words that do ("lehet" reads as a form of "van").
AUX_STEMS = {"fog", "akar", "kell", "tud", "szeret", "kíván", "próbál", "kezd", "mer", "bír", "óhajt", "szokik",
             "készül", "szándékozik", "igyekszik", "sikerül"}
AUX_WORDS = {"lehet", "lehetett", "lehetne", "szabad", "érdemes", "kellett", "kellene", "kéne"}
INFINITIVE = re.compile(r"\bis:(?:ni_INFINITIVE|INF_)\w*")
FINITE = re.compile(r"\bis:(?:(?:PRES|PAST)_(?:INDIC|COND)\w*|SUBJ\w*|IMPER\w*)")


def pairs_of(text):
    """(verb's word, preverb, the words as seen, the auxiliary or "") of each pair and triple."""
    text = text.lower()
    found = {(form, pv, f"{form} {pv}", "") for form, pv in PAIR.findall(text)}
    found |= {(inf, pv, f"{pv} {aux} {inf}", aux) for pv, aux, inf in TRIPLE.findall(text)}
    return found


def deb_pairs(deb):
    package = os.path.basename(deb).split("_")[0]
    found = set()
    for _, text in package_texts.package_texts(deb):
        found |= pairs_of(text)
    return package, found


def all_pairs(debs):
    """(form, preverb) -> packages (or the letters of the installed texts)."""
    seen = collections.defaultdict(set)
    for letter, path in C.installed_texts():
        for p in pairs_of(C.text_of(path)):
            seen[p].add(letter)
    if debs:
        names = sorted(n for n in os.listdir(debs) if n.endswith(".deb") and n.split("_")[0] not in C.INSTALLED
                       and n.split("_")[0] not in ("tesseract-ocr-hun", "mythes-hu"))
        with multiprocessing.Pool() as pool:
            for package, found in pool.imap_unordered(deb_pairs, [os.path.join(debs, n) for n in names]):
                for p in found:
                    seen[p].add(package)
    return seen


def hunspell(words):
    proc = subprocess.run(["hunspell", "-d", "hu_HU", "-m"], input="\n".join(words) + "\n",
                          capture_output=True, text=True, check=True)
    out = collections.defaultdict(list)
    for line in proc.stdout.splitlines():
        if line.strip():
            out[line.split()[0]].append(line)
    return out


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(HERE, "split-compounds.tsv"))
    ap.add_argument("--debs", help="directory of the downloaded packages of text-packages.txt")
    args = ap.parse_args(argv)
    if args.debs:
        paths.require(args.debs, "folder of downloaded packages (--debs)")
    seen = all_pairs(args.debs)
    readings = hunspell(sorted({f for f, _, _, _ in seen} | {a for _, _, _, a in seen if a}))

    def one_verb(form, tag):
        """The one verb the form reads as, with the tag, and no preverb; else None."""
        stems = set()
        for line in readings.get(form, []):
            r = verbhood.verb_readings(line.split()[1:])
            if r is None or r[0] or not tag(line):
                return None
            stems.add(r[1])
        return stems.pop() if len(stems) == 1 else None

    def finite(line):
        return FINITE.search(line) or ("is:" not in line and "ds:" not in line)  # bare: present 3rd sg.

    def auxiliary(word):
        if word in AUX_WORDS:
            return True
        return any(re.search(r"\bst:(\S+)", line) and re.search(r"\bst:(\S+)", line).group(1) in AUX_STEMS
                   and "sp:" not in line for line in readings.get(word, []))

    found = collections.defaultdict(lambda: {"pairs": set(), "where": set()})
    for (form, pv, shown, aux), where in seen.items():
        verb = one_verb(form, finite) if not aux else \
            one_verb(form, INFINITIVE.search) if auxiliary(aux) else None
        if verb:
            entry = found[(pv, verb)]
            entry["pairs"].add(shown)
            entry["where"] |= where
    wanted = {pv + st: (pv, st) for pv, st in found}
    confirmed = set()
    for word, lines in verbhood.analyses(wanted).items():
        if any(verbhood.verb_readings(tokens) is not None and verbhood.verb_readings(tokens)[:2] == wanted[word]
               for tokens in lines):
            confirmed.add(word)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("# Preverb compounds witnessed with the preverb after a finite form of the verb in Debian's Hungarian texts.\n")
        f.write("# word\tpreverb\tstem\tpairs\tpairs seen (up to three)\tpackages or text letters\n")
        for (pv, st), e in sorted(found.items(), key=lambda x: x[0][0] + x[0][1]):
            if pv + st in confirmed:
                f.write(f"{pv}{st}\t{pv}\t{st}\t{len(e['pairs'])}\t{','.join(sorted(e['pairs'])[:3])}\t"
                        f"{','.join(sorted(e['where'])[:5])}\n")
    versions.record_table(args.out, C.downloaded(args.debs))
