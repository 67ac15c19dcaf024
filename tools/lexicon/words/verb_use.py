"""Measures how much each verb is used in the Hungarian running text of a few Debian packages.

Reads every .deb in --debs: the Hungarian help, manual pages, message catalogues and language
packs (through package_texts.py), the two freedict dictionaries (headwords and examples) and the
mythes-hu thesaurus, and, with --tesseract-words, the word list of tesseract-ocr-hun's model
(one word a line, as dawg2wordlist writes it); with --dialogue-debs, the dialogue files of the game
packages that dialogue_texts.py names, counted apart. Each distinct word form goes through
hunspell-hu once; a form read as a verb (a finite form, the infinitive or a form built on the verb,
see verbhood.verbal) gives its occurrences to that verb, shared equally where it reads as several
verbs ("megjelent": the past of "megjelenik" or the verb "megjelent"), and with a word of another
kind it also reads as ("méret": the noun or the verb). A form of the word list counts once. Writes
verb-use.tsv: verb (preverb + stem), occurrences in running text, forms in the word list, distinct
forms seen, the forms that only the verb explains (a finite form, the infinitive, a past
participle, -va/-ve, -hat/-het or -ás/-és form that is not itself a noun or adverb; none for a noun
or adverb cut down to look like a compound: "különadó" is read as a present participle only,
"odafent" is an adverb), and occurrences in the dialogue; the word builder weighs them
(build_words.read_use) and fills its stretches with the most used.

Usage: python3 -m tools.lexicon verb-use --debs DIR [--dialogue-debs DIR] [--tesseract-words FILE] [--out FILE]
"""
import argparse
import collections
import gzip
import os

from . import corpus_compounds
from . import dialogue_texts
from . import package_texts
from . import verbhood
from .. import paths, versions

HERE = os.path.dirname(os.path.abspath(__file__))


def deb_text(deb):
    """The Hungarian running text of one package: its Hungarian files, or the whole of a dictionary
    or thesaurus (whose files are not named as Hungarian)."""
    texts = [text for _, text in package_texts.package_texts(deb)]
    for name, data in package_texts.deb_members(deb):
        if name.endswith(".dict.dz"):
            texts.append(gzip.decompress(data).decode("utf-8", errors="replace"))
        elif name.endswith(".dat") and "mythes" in name:
            texts.append(data.decode("utf-8", errors="replace"))
    return "\n".join(texts)


# Derived forms that only a verb has: the past participle, the -va/-ve form, -hat/-het, the future
# participle and the -ás/-és noun of the action; a present participle may be a noun of its own
# ("különadó").
VERBAL_DERIVATIONS = ("ds:tt_PASTPART", "ds:vA_PART", "ds:hAt_MODAL", "ds:AndÓ_FUTPART", "ds:Ás_")


def verb_readings_of(forms):
    """Form -> (the verbs, preverb + stem, it reads as; the verbs it is a verbal form of: a finite
    form, the infinitive or a derived form only a verb has, unless the form is itself a noun or an
    adverb; whether it also reads as a word of another kind; the verbs it reads as only through
    their -ás/-és noun), for the forms hunspell-hu reads as a verb."""
    lines = verbhood.analyses(forms)
    out = {}
    for form in forms:
        verbs, verbal, noun, other = set(), set(), False, False
        not_nominal = set()
        for tokens in lines.get(form, []):
            r = verbhood.verb_readings(tokens)
            if r is not None and verbhood.verbal(r[2]) and not any(t.startswith("ds:") and "_vrb" in t for t in r[2]):
                verbs.add(r[0] + r[1])
                derived = [t for t in r[2] if t.startswith("ds:")]
                if not any(t.startswith("ds:Ás_") for t in derived):
                    not_nominal.add(r[0] + r[1])
                if all(t.startswith(VERBAL_DERIVATIONS) for t in derived):
                    verbal.add(r[0] + r[1])
            elif ("po:noun" in tokens or "po:adv" in tokens) and "po:vrb" not in tokens \
                    and any(t.startswith("st:") and form.startswith(t[3:]) for t in tokens):
                noun = True  # a form of a noun or adverb of its own: "odafent", "odafentről"
            if tokens and "po:vrb" not in tokens and not any(t.endswith("_vrb") for t in tokens):
                other = True
        if verbs:
            out[form] = (verbs, set() if noun else verbal, other, verbs - not_nominal)
    return out


def count_words(texts):
    """Occurrences of each lower-case word in the given texts."""
    out = collections.Counter()
    for text in texts:
        out.update(corpus_compounds.WORD.findall(text.lower()))
    return out


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--debs", required=True, help="directory of downloaded .deb files with Hungarian text")
    ap.add_argument("--dialogue-debs", help="directory of the downloaded game packages with Hungarian dialogue")
    ap.add_argument("--tesseract-words", help="tesseract-ocr-hun's word list, one word a line")
    ap.add_argument("--out", default=os.path.join(HERE, "verb-use.tsv"))
    args = ap.parse_args(argv)
    paths.require(args.debs, "folder of downloaded packages (--debs)")
    if args.tesseract_words:
        paths.require(args.tesseract_words, "tesseract-ocr-hun word list")

    def read(folder, text_of):
        debs = [os.path.join(folder, n) for n in sorted(os.listdir(folder)) if n.endswith(".deb")]
        texts = {deb: text_of(deb) for deb in debs}
        return count_words(texts.values()), [deb for deb in debs if texts[deb]]

    running, packages = read(args.debs, deb_text)
    spoken = collections.Counter()
    if args.dialogue_debs:
        paths.require(args.dialogue_debs, "folder of downloaded game packages (--dialogue-debs)")
        spoken, games = read(args.dialogue_debs, dialogue_texts.dialogue_text)
        missing = set(dialogue_texts.DIALOGUE) - {dialogue_texts.package_of(deb) for deb in games}
        if missing:
            raise SystemExit("missing input: the dialogue of " + ", ".join(sorted(missing)))
        packages += games
    listed = set()
    if args.tesseract_words:
        listed = set(corpus_compounds.WORD.findall(open(args.tesseract_words, encoding="utf-8").read().lower()))

    readings = verb_readings_of(set(running) | set(spoken) | listed)
    occurrences, in_list, forms = collections.Counter(), collections.Counter(), collections.defaultdict(set)
    verbal, in_dialogue = collections.Counter(), collections.Counter()
    for form, (verbs, verbal_of, other, _) in readings.items():
        verbal.update(verbal_of)
        for verb in verbs:
            occurrences[verb] += running[form] / (len(verbs) + other)
            in_dialogue[verb] += spoken[form] / (len(verbs) + other)
            in_list[verb] += 1 if form in listed else 0
            forms[verb].add(form)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("# How much each verb is used: occurrences of its forms in the running text of the packages "
                "read (tools/lexicon/package-versions.tsv); forms in tesseract-ocr-hun's word list; distinct "
                "forms seen; forms only the verb explains; occurrences in the games' dialogue.\n")
        f.write(f"# words read: {sum(running.values())} in running text, {sum(spoken.values())} in dialogue\n")
        f.write("# verb\toccurrences\tlisted forms\tforms\tverbal forms\tdialogue\n")
        for verb in sorted(forms):
            f.write(f"{verb}\t{occurrences[verb]:.1f}\t{in_list[verb]}\t{len(forms[verb])}\t{verbal[verb]}"
                    f"\t{in_dialogue[verb]:.1f}\n")
    versions.record_table(args.out, packages, [versions.tesseract_words()] if args.tesseract_words else [])
