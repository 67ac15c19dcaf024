"""Evidence from the program's own engine: conjugate a verb under each candidate code and count the
forms hunspell-hu recognises as forms of that verb.

The engine is driven through the headless developer tool (`igeragozo-headless --lexicon FILE`),
which takes word<TAB>code lines as its lexicon and prints every table cell and derived box. Each
form is checked with the tag of its cell: a finite form must be analysed as that tense and mood of
the verb, a derived form as that derivation ("bírtat" read as a participle in the accusative is
not a causative of "bír").
"""
import os
import re
import subprocess
import tempfile

MOODS = {"present": "PRES_INDIC", "past": "PAST_INDIC", "conditional": "PRES_COND", "imperative": "SUBJ/IMPER"}
DERIVED = {"infinitive": "ni_INFINITIVE_inf", "adverbial-participle": "vA_PART_adv",
           "present-participle": "Ó_PRESPART_adj", "past-participle": "tt_PASTPART_adj",
           "future-participle": "AndÓ_FUTPART_adj", "action-noun": "Ás_PROCESS/RESULT_noun",
           "potential": "hAt_MODAL_vrb", "causative": "tAt_FACTITIVE_vrb_tr"}
CELL = re.compile(r"^r[1-7]c[12]$")
WORD = re.compile(r"[a-záéíóöőúüű]+")


class EngineForms:
    def __init__(self, tool):
        self.tool = tool

    def forms(self, codes):
        """{word: set of (form, tag)} of every word conjugated in all four moods with the given codes;
        the tag is the mood prefix of a cell or the derivation of a derived box."""
        with tempfile.TemporaryDirectory() as tmp:
            lexicon = os.path.join(tmp, "lexicon.tsv")
            with open(lexicon, "w", encoding="utf-8") as f:
                f.write("".join("%s\t%s\n" % wc for wc in sorted(codes.items())))
            verbs = "".join(w + "\n" for w in sorted(codes))
            result = {w: set() for w in codes}
            for mood, prefix in MOODS.items():
                out = subprocess.run([self.tool, "--lexicon", lexicon, "--mood", mood, "--all-persons",
                                      "--objective", "--imperative", "--tall", "--answer", "yes"],
                                     input=verbs, capture_output=True, text=True, check=True).stdout
                for line in out.splitlines():
                    parts = line.split("\t")
                    if len(parts) < 4 or parts[0] not in result:
                        continue
                    tag = prefix if CELL.match(parts[2]) else DERIVED.get(parts[2])
                    # A box without a form holds a sentence ("Nincs ilyen alak."), not forms.
                    if tag and parts[3] == parts[3].lower():
                        result[parts[0]].update((f, tag) for f in WORD.findall(parts[3]))
            return result


def verb_forms_recognised(analyser, word, forms):
    """The (form, tag) pairs that hunspell analyses as `word` (or its preverb and remainder) with that
    tag: the mood prefix of a finite form, or the derivation of a derived form. A derived verb that
    hunspell lists under its own headword ("bírat" of "bír") counts as the derivation."""
    analyser.analyse_all([f for f, _ in forms])
    stem = word[:-2] if word.endswith("ik") else word
    seen = []
    for form, tag in forms:
        for analysis in analyser.analyses(form):
            fields = analysis.split()
            if "po:vrb" not in fields:
                continue
            stems = [f[3:] for f in fields if f.startswith("st:")]
            prefixes = [f[3:] for f in fields if f.startswith(("sp:", "pr:"))]
            lemma = "".join(prefixes) + (stems[0] if stems else "")
            derivations = [f[3:] for f in fields if f.startswith("ds:")]
            inflections = [f[3:] for f in fields if f.startswith("is:")]
            if tag in DERIVED.values():
                if lemma == word and (tag in derivations or tag in inflections):
                    seen.append(form)
                    break
                if tag == DERIVED["causative"] and lemma == form and form.startswith(stem) and not derivations:
                    seen.append(form)
                    break
            elif lemma == word and not derivations and any(i.startswith(tag) for i in inflections):
                seen.append(form)
                break
    return seen
