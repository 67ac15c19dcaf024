"""Counts, verb by verb, the definite forms that Hungarian running text shows: evidence of objective use.

hunspell-hu builds definite forms for intransitive verbs too ("rohanja", "olvadja"), so a form it
accepts shows nothing; a definite form that people wrote ("magyarázza", "okozta") does. This reads the
Hungarian texts inside downloaded Debian packages (without installing them), counts every word form,
and lets hunspell-hu say which verb each form belongs to and whether it is definite:

- a definite form: every reading of the form as that verb is definite (is:..._DEF_.. or the -lak/-lek
  form); "olvastam", definite and indefinite alike, is plain use;
- plain use: any other finite form or the infinitive of the verb;
- "clean" when the form has no reading as another word (noun, another verb).

It also reads the Hungarian side of the freedict dictionaries: a phrase in which a verb stands next to
"vmit" or "vkit" ("magyaráz vmit", "dob ki vmit" for "kidob") marks that verb as taking an object.

Writes objective-use.tsv beside this file: one line a verb (its dictionary form as hunspell-hu reads it,
preverb included), with token counts, up to three definite forms, the text letters and one freedict
phrase. The package versions read go to package-versions.tsv. The code tool reads objective-use.tsv; nothing
here runs at build time.

Letters: L libreoffice-help-hu, G gimp-help-hu, P manpages-hu, U libreoffice-l10n-hu, Z firefox-esr-l10n-hu
and thunderbird-l10n-hu, D dict-freedict-hun-eng and dict-freedict-eng-hun, O the word list of
tesseract-ocr-hun (a list, not text: each form once, and it holds forms nobody writes, so it is kept
apart and decides nothing alone).

Usage: python3 -m tools.lexicon collect-objective-use --debs DIR [--tesseract-words FILE] [--out FILE]
  DIR holds the .deb files (apt-get download libreoffice-help-hu gimp-help-hu manpages-hu
  libreoffice-l10n-hu firefox-esr-l10n-hu thunderbird-l10n-hu dict-freedict-hun-eng dict-freedict-eng-hun);
  FILE is the word list of tesseract-ocr-hun's model (combine_tessdata -u, then dawg2wordlist).
"""
import argparse
import collections
import gzip
import html
import io
import os
import re
import subprocess
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
from ..words import package_texts
from .preverbs import SEPARABLE_PREVERBS
from .. import paths, versions

LETTERS = {"libreoffice-help-hu": "L", "gimp-help-hu": "G", "manpages-hu": "P", "libreoffice-l10n-hu": "U",
           "firefox-esr-l10n-hu": "Z", "thunderbird-l10n-hu": "Z", "dict-freedict-hun-eng": "D",
           "dict-freedict-eng-hun": "D"}
WORD = re.compile(r"[a-záéíóöőúüű]+")
# The eng-hun dictionary writes "ő" and "ű" as "ô" and "û".
LATIN1_LOOKALIKES = str.maketrans({"ô": "ő", "õ": "ő", "û": "ű", "ũ": "ű"})
OBJECT_MARKERS = {"vmit", "vkit", "valamit", "valakit", "vmiket", "vkiket"}
INFINITIVE = re.compile(r"(?:ni|nia|nie|niuk|niük|nom|nem|nöm|nod|ned|nöd|nunk|nünk|notok|netek|nötök)$")
POSTPOSITIONS = {"mellett", "alatt", "felett", "fölött", "után", "előtt", "miatt", "helyett", "által", "iránt",
                 "szerint", "nélkül", "felé", "közben", "körül", "ellen", "végett", "számára", "óta", "múlva"}
# Abbreviated complements of dictionary phrases ("vkinek", "vmire", "vhova").
PLACEHOLDERS = ("vm", "vk", "vh", "valami", "valaki", "valahova")


def texts_of(deb):
    """The Hungarian texts of one package: its Hungarian files, the language packs' strings, the
    dictionaries' Hungarian side (both sides are read; English words are no Hungarian verb forms)."""
    package = os.path.basename(deb).split("_")[0]
    if package.startswith("dict-freedict"):
        for name, data in package_texts.deb_members(deb):
            if name.endswith(".dict.dz"):
                yield gzip.decompress(data).decode("utf-8", errors="replace").translate(LATIN1_LOOKALIKES)
        return
    if package.endswith("l10n-hu") and package != "libreoffice-l10n-hu":
        for name, data in package_texts.deb_members(deb):
            if name.endswith(".xpi"):
                with zipfile.ZipFile(io.BytesIO(data)) as z:
                    yield " ".join(z.read(n).decode("utf-8", errors="replace") for n in z.namelist()
                                   if n.endswith((".ftl", ".properties", ".dtd", ".json", ".html", ".xhtml")))
        return
    for _, text in package_texts.package_texts(deb):
        yield html.unescape(text)


def object_phrases(text):
    """{dictionary form: phrase} for the freedict phrases in which a verb stands beside an object marker:
    "magyaráz vmit", "vmit magyaráz", "dob ki vmit" (for "kidob")."""
    found = {}
    for line in text.splitlines():
        phrase = line.split(" /")[0].strip()
        tokens = WORD.findall(phrase.lower())
        for i, t in enumerate(tokens):
            if t not in OBJECT_MARKERS:
                continue
            if i + 1 < len(tokens) and (INFINITIVE.search(tokens[i + 1]) or tokens[i + 1] in POSTPOSITIONS):
                continue  # "siet vmit tenni", "meg kell vmit tennie", "elmegy vmit mellett"
            j = i - 1
            while j >= 0 and tokens[j].startswith(PLACEHOLDERS):
                j -= 1  # "ad vkinek vmit"
            if j >= 1 and tokens[j] in SEPARABLE_PREVERBS:
                found.setdefault(tokens[j] + tokens[j - 1], phrase)
            elif j >= 0:
                found.setdefault(tokens[j], phrase)
            if i + 1 < len(tokens):
                found.setdefault(tokens[i + 1], phrase)
    return found


def analyse(forms):
    """form -> [analysis fields] by hunspell-hu, in one pipe run."""
    out = subprocess.run(["hunspell", "-d", "hu_HU", "-m"], input="\n".join(forms) + "\n", capture_output=True,
                         text=True, check=True).stdout
    result = collections.defaultdict(list)
    for line in out.splitlines():
        if line.strip():
            form, _, rest = line.partition(" ")
            result[form].append(rest.split())
    return result


def verb_reading(fields):
    """(dictionary form, inflection tag) of a finite or infinitive verb reading, else None."""
    if "po:vrb" not in fields or any(f.startswith("ds:") for f in fields):
        return None
    stems = [f[3:] for f in fields if f.startswith("st:")]
    tags = [f[3:] for f in fields if f.startswith("is:")]
    if not stems or not tags:
        return None
    lemma = "".join(f[3:] for f in fields if f.startswith("sp:")) + stems[0]
    return lemma, tags[-1]


def is_definite(tag):
    return "_DEF_" in tag or tag.endswith("_OBJ_2")


def classify(readings):
    """{lemma: (definite, clean)} for each verb that the form can be a finite form of."""
    verbs = collections.defaultdict(set)
    other = False
    for fields in readings:
        r = verb_reading(fields)
        if r:
            verbs[r[0]].add(r[1])
        else:
            other = True
    return {lemma: (all(is_definite(t) for t in tags), not other and len(verbs) == 1)
            for lemma, tags in verbs.items()}


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--debs", required=True, help="directory of the downloaded .deb files")
    ap.add_argument("--tesseract-words", help="the word list of tesseract-ocr-hun's model")
    ap.add_argument("--out", default=os.path.join(HERE, "objective-use.tsv"))
    args = ap.parse_args(argv)
    paths.require(args.debs, "folder of downloaded packages (--debs)")
    if args.tesseract_words:
        paths.require(args.tesseract_words, "tesseract-ocr-hun word list")

    counts = collections.Counter()
    letters = collections.defaultdict(set)
    phrases = {}
    read = []
    for name in sorted(os.listdir(args.debs)):
        package = name.split("_")[0]
        if not name.endswith(".deb") or package not in LETTERS:
            continue
        deb = os.path.join(args.debs, name)
        read.append(deb)
        for text in texts_of(deb):
            if package == "dict-freedict-hun-eng" or package == "dict-freedict-eng-hun":
                for verb, phrase in object_phrases(text).items():
                    phrases.setdefault(verb, phrase)
            for w in WORD.findall(text.lower()):
                counts[w] += 1
                letters[w].add(LETTERS[package])
    listed = set()
    if args.tesseract_words:
        with open(args.tesseract_words, encoding="utf-8") as f:
            listed = {w for w in WORD.findall(f.read().lower())}
    analyses = analyse(sorted(set(counts) | listed | set(phrases)))

    per_verb = collections.defaultdict(lambda: {"definite": 0, "clean": 0, "plain": 0, "forms": collections.Counter(),
                                                "letters": set(), "listed": set(),
                                                "listed_plain": 0})
    for form in set(counts) | listed:
        for lemma, (definite, clean) in classify(analyses.get(form, [])).items():
            entry = per_verb[lemma]
            if form in listed and definite:
                entry["listed"].add(form)
            elif form in listed:
                entry["listed_plain"] += 1
            if form not in counts:
                continue
            if definite:
                entry["definite"] += counts[form]
                entry["clean"] += counts[form] if clean else 0
                entry["forms"][form] += counts[form]
                entry["letters"] |= letters[form]
            else:
                entry["plain"] += counts[form]
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("# Objective use of verbs in Hungarian running text, by python3 -m tools.lexicon collect-objective-use.\n")
        f.write("# verb\tdefinite tokens\tof them clean\tplain tokens\tdefinite forms (count)\ttext letters"
                "\tdefinite forms in the tesseract list (count: up to three)\tother forms in that list"
                "\tfreedict phrase with an object\n")
        for lemma in sorted(set(per_verb) | set(phrases)):
            e = per_verb[lemma]
            if not (e["definite"] or e["plain"] or e["listed"] or e["listed_plain"] or lemma in phrases):
                continue
            shown = ",".join("%s:%d" % fc for fc in e["forms"].most_common(3))
            listed_forms = "%d:%s" % (len(e["listed"]), ",".join(sorted(e["listed"])[:3])) if e["listed"] else ""
            f.write("%s\t%d\t%d\t%d\t%s\t%s\t%s\t%d\t%s\n" % (lemma, e["definite"], e["clean"], e["plain"], shown,
                                                           "".join(sorted(e["letters"])), listed_forms,
                                                           e["listed_plain"], phrases.get(lemma, "")))
    versions.record_table(args.out, read, [versions.tesseract_words()] if args.tesseract_words else [])
    return 0
