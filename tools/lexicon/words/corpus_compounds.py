"""Finds preverb compounds witnessed by inflected forms in Hungarian texts shipped by Debian packages.

The candidate list is thin for preverb compounds; a compound counts as witnessed here when a word
form of it occurs in the texts that hunspell-hu analyses as that compound only (its preverb, the
verb's stem and a verb tag: a finite form, the infinitive, or a participle, -va/-ve, -hat/-het or
-ás/-és form built on the verb), or when two or more forms occur that hunspell-hu can read as the
compound among other readings, or one such form ("ambiguous", weaker witnesses). A form must begin
with the preverb followed by the verb's stem, and the analysis must read the whole form as that one
verb: hunspell-hu also splits noun compounds that hold a preverb inside ("levélletöltés"), and such
an analysis witnesses no compound. Writes corpus-compounds.tsv: word, preverb, stem, number of
forms seen, sure or ambiguous, witness (the text letters and up to three forms), packages, and the
other compounds of the same preverb that read every form as the same form (a variant or misspelt
stem, which the word builder drops when the other is a known verb).

Texts (install first): libreoffice-help-hu (L), gimp-help-hu (G), manpages-hu (P), the Hungarian
message catalogues of the installed packages and of libreoffice-l10n-hu (U), the language packs of
firefox-esr-l10n-hu and thunderbird-l10n-hu (Z), lilypond-doc-html-hu (Y) and the two Hungarian-English dictionaries of dict-freedict-eng-hun and dict-freedict-hun-eng (D). Needs hunspell and hunspell-hu.
With --debs DIR, also the Hungarian files inside the downloaded packages of text-packages.txt
(X: message catalogues, Qt catalogues, help and documentation of about 1,450 packages; see
package_texts.py), the word list of tesseract-ocr-hun's trained model (O, needs the tesseract-ocr
package's combine_tessdata and dawg2wordlist) and the text of the mythes-hu thesaurus (R). The
packages whose files hold each witness's forms are recorded in the last column.

Usage: python3 -m tools.lexicon corpus-compounds [--out FILE] [--debs DIR]
"""
import argparse
import collections
import gzip
import html
import multiprocessing
import os
import re
import subprocess
import tempfile
import zipfile

from . import package_texts
from . import verbhood
from .. import paths, versions

HERE = os.path.dirname(os.path.abspath(__file__))
TEXTS = [("L", "/usr/share/libreoffice/help/hu"), ("G", "/usr/share/gimp/2.0/help/hu"), ("P", "/usr/share/man/hu"),
         ("U", "/usr/share/locale/hu/LC_MESSAGES"), ("U", "/usr/lib/libreoffice/program/resource/hu"),
         ("Z", "/usr/lib/firefox-esr/browser/extensions"), ("Z", "/usr/lib/thunderbird/extensions"),
         ("Y", "/usr/share/doc/lilypond/html")]
DICTS = [("D", "/usr/share/dictd/freedict-eng-hun.dict.dz"), ("D", "/usr/share/dictd/freedict-hun-eng.dict.dz")]
PREVERBS = ["abba", "agyon", "alá", "alább", "által", "alul", "át", "be", "bele", "ki", "körül", "keresztül", "ketté",
            "közbe", "közre", "külön", "kölcsön", "kétségbe", "körbe", "közben", "közzé", "le", "létre", "meg",
            "mellé", "neki", "oda", "odább", "nyilván", "össze", "ott"]
WORD = re.compile(r"[a-záéíóöőúüű]+")
# Finite forms, the infinitive and the forms built on the verb (participles, -va/-ve, -hat/-het, -ás/-és).
TAG = re.compile(r"\b(?:is:(?:(?:PRES|PAST)_(?:INDIC|COND)\w*|SUBJ\w*|IMPER\w*|ni_INFINITIVE\w*)"
                 r"|ds:(?:vA_PART|Ó_PRESPART|tt_PASTPART|AndÓ_FUTPART|hAt_MODAL|Ás_PROCESS|Ás_RESULT)\w*)")


def text_of(path):
    if path.endswith((".xpi", ".jar", ".zip")):
        with zipfile.ZipFile(path) as z:
            return " ".join(z.read(n).decode("utf-8", errors="replace") for n in z.namelist()
                            if n.endswith((".ftl", ".properties", ".dtd", ".json", ".html", ".xhtml")))
    opener = gzip.open if path.endswith(".gz") or path.endswith(".dz") else open
    with opener(path, "rb") as f:
        data = f.read().decode("utf-8", errors="replace")
    return html.unescape(re.sub(r"<[^>]+>", " ", data))


# Installed above already, read under their own letters.
INSTALLED = {"libreoffice-help-hu", "gimp-help-hu", "manpages-hu", "libreoffice-l10n-hu", "firefox-esr-l10n-hu",
             "thunderbird-l10n-hu", "lilypond-doc-html-hu"}


def deb_words(deb):
    """(letter, package, word forms) of one downloaded package's Hungarian texts."""
    package = os.path.basename(deb).split("_")[0]
    if package == "tesseract-ocr-hun":
        return "O", package, set(WORD.findall(tesseract_words(deb).lower()))
    words = set()
    if package == "mythes-hu":
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run(["dpkg-deb", "-x", deb, tmp], check=True)
            for d, _, names in os.walk(tmp):
                for n in names:
                    if n.endswith(".dat"):
                        words |= set(WORD.findall(open(os.path.join(d, n), encoding="utf-8").read().lower()))
        return "R", package, words
    for _, text in package_texts.package_texts(deb):
        words |= set(WORD.findall(text.lower()))
    return "X", package, words


def downloaded(debs):
    """Paths of the downloaded packages in `debs` (none without --debs)."""
    return sorted(os.path.join(debs, n) for n in os.listdir(debs) if n.endswith(".deb")) if debs else []


def deb_texts(debs):
    """(letter, package, word forms) for every downloaded package not read as installed."""
    names = sorted(n for n in os.listdir(debs) if n.endswith(".deb") and n.split("_")[0] not in INSTALLED)
    with multiprocessing.Pool() as pool:
        yield from pool.imap_unordered(deb_words, [os.path.join(debs, n) for n in names])


def tesseract_words(deb):
    """The word list of the Hungarian LSTM model in tesseract-ocr-hun."""
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["dpkg-deb", "-x", deb, tmp], check=True)
        model = next(os.path.join(d, n) for d, _, ns in os.walk(tmp) for n in ns if n == "hun.traineddata")
        parts = os.path.join(tmp, "hun.")
        subprocess.run(["combine_tessdata", "-u", model, parts], capture_output=True, check=True)
        out = os.path.join(tmp, "words.txt")
        subprocess.run(["dawg2wordlist", parts + "lstm-unicharset", parts + "lstm-word-dawg", out],
                       capture_output=True, check=True)
        return open(out, encoding="utf-8").read()


def installed_texts():
    """(letter, path) of every installed text file; a missing text is an error, not a thinner corpus."""
    missing = [path for _, path in TEXTS + DICTS if not os.path.exists(path)]
    if missing:
        raise SystemExit("missing input: installed texts (install the packages named in --help): "
                         + ", ".join(missing))
    return [(letter, os.path.join(d, n)) for letter, root in TEXTS for d, _, names in os.walk(root)
            for n in names] + DICTS


def forms(debs=None):
    """Lower-case word forms, the letters of the texts they occur in, and the packages (--debs only)."""
    seen = collections.defaultdict(set)
    packages = collections.defaultdict(set)
    sources = installed_texts()
    for letter, path in sources:
        for w in WORD.findall(text_of(path).lower()):
            if len(w) > 3:
                seen[w].add(letter)
    for letter, package, words in deb_texts(debs) if debs else ():
        for w in words:
            if len(w) > 3:
                seen[w].add(letter)
                packages[w].add(package)
    return seen, packages


def analyse(words):
    """Form -> set of (preverb, stem) read from hunspell-hu's verb analyses of that form, and
    form -> (preverb, stem) -> the inflection and derivation tags of each such reading.

    A reading counts only when the form begins with the preverb followed by the verb's stem and the
    analysis is of one verb, not of a noun compound that has a preverb inside ("lemezmeghajtó" is
    "lemez" + "meghajtó", no witness of "meglemez"); any other analysis adds a non-verb reading."""
    lines = verbhood.analyses(words)
    found = collections.defaultdict(set)
    rests = set()
    for form in words:
        for tokens in lines.get(form, []):
            r = verbhood.verb_readings(tokens)
            if r and r[0] in PREVERBS and verbhood.verbal(r[2]) and form.startswith(r[0]):
                found[form].add((r[0], r[1]))
                rests.add(form[len(r[0]):])
    rest_lines = verbhood.analyses(rests)
    out = collections.defaultdict(set)
    tags = collections.defaultdict(dict)
    for form in words:
        for tokens in lines.get(form, []):
            r = verbhood.verb_readings(tokens)
            if (r and (r[0], r[1]) in found[form]
                    and verbhood.starts_with_stem(form[len(r[0]):], r[1], rest_lines.get(form[len(r[0]):], []))):
                out[form].add((r[0], r[1]))
                tags[form].setdefault((r[0], r[1]), set()).add(tuple(t for t in r[2] if not t.startswith("ts:")))
            else:
                out[form].add(("", "not-a-finite-verb"))
    return out, tags


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(HERE, "corpus-compounds.tsv"))
    ap.add_argument("--debs", help="directory of the downloaded packages of text-packages.txt")
    args = ap.parse_args(argv)
    if args.debs:
        paths.require(args.debs, "folder of downloaded packages (--debs)")
    seen, packages = forms(args.debs)
    words = sorted(w for w in seen if any(w.startswith(p) for p in PREVERBS))
    readings, tags = analyse(words)
    lemmas = collections.defaultdict(lambda: {"forms": set(), "sure": False, "letters": set(), "packages": set(),
                                              "shared": None})
    for w in words:
        rs = readings.get(w, set())
        for pv, st in rs:
            if pv in PREVERBS and st != "not-a-finite-verb":
                entry = lemmas[(pv, st)]
                entry["forms"].add(w)
                entry["letters"] |= seen[w]
                entry["packages"] |= packages[w]
                if len(rs) == 1:
                    entry["sure"] = True
                # the other compounds of the same preverb that read this form as the same form (a
                # variant or misspelt stem: "lekicsinylés" of "lekicsinyel" and "lekicsinyell")
                others = {p + s for p, s in rs if p == pv and s != st and tags[w][(p, s)] & tags[w][(pv, st)]}
                entry["shared"] = others if entry["shared"] is None else entry["shared"] & others
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("# Preverb compounds witnessed by inflected forms in Debian's Hungarian texts.\n")
        f.write("# word\tpreverb\tstem\tforms\tsure|ambiguous\twitness (text letters: forms)\tpackages (X, O, R)"
                "\tcompounds of the same preverb that read every form as the same form\n")
        for (pv, st), e in sorted(lemmas.items(), key=lambda x: x[0][0] + x[0][1]):
            if e["forms"]:
                shown = ",".join(sorted(e["forms"])[:3])
                kind = "sure" if e["sure"] else "ambiguous"
                f.write(f"{pv}{st}\t{pv}\t{st}\t{len(e['forms'])}\t{kind}\t"
                        f"{''.join(sorted(e['letters']))}:{shown}\t{','.join(sorted(e['packages'])[:5])}\t"
                        f"{','.join(sorted(e['shared'] or ()))}\n")
    versions.record_table(args.out, downloaded(args.debs))
