"""Checks that a word really is a Hungarian verb, on hunspell-hu's morphological analyses.

hunspell-hu splits noun compounds into their parts ("lemezmeghajtó": "lemez" + "meg|hajt|ó") and
reports a preverb it finds inside one; such a line carries "pa:" parts and proves nothing about a
verb that starts with that preverb. The checks here read one analysis line at a time and only lines
without such parts.
"""
import collections
import itertools
import re
import subprocess

# The present indicative third person singular indefinite: the dictionary form.
DICTIONARY_TAG = "PRES_INDIC_INDEF_SG_3"
# Verbs that are no ordinary verb to conjugate: the defective negative of "van" has no infinitive,
# no past and no imperative ("sosincs" and its kin are stated with their own code).
DEFECTIVE = {"nincs", "nincsen", "sincs", "sincsen"}


def analyses(words):
    """Word -> its hunspell-hu analysis lines (without the word itself), for each distinct word."""
    words = sorted(set(words))
    out = collections.defaultdict(list)
    if not words:
        return out
    proc = subprocess.run(["hunspell", "-d", "hu_HU", "-m"], input="\n".join(words) + "\n",
                          capture_output=True, text=True, check=True)
    for line in proc.stdout.splitlines():
        parts = line.split()
        if parts:
            out[parts[0]].append(parts[1:])
    return out


def verb_readings(tokens):
    """(preverb, stem, tags) of a line that reads the whole word as one verb, else None.

    The line must not split the word into the parts of a compound ("pa:"), and the stem must be the
    verb's ("po:vrb" follows it) with the preverb, if any, right before it ("sp:", or "pr:" where
    hunspell-hu lists the compound itself)."""
    if any(t.startswith("pa:") for t in tokens) or "po:vrb" not in tokens:
        return None
    stems = [n for n, t in enumerate(tokens) if t.startswith("st:")]
    if len(stems) != 1 or stems[0] + 1 >= len(tokens) or tokens[stems[0] + 1] != "po:vrb":
        return None
    n = stems[0]
    preverbs = [t[3:] for t in tokens[:n] if t.startswith(("sp:", "pr:"))]
    if len(preverbs) > 1 or any(t.startswith(("sp:", "pr:")) for t in tokens[n:]):
        return None
    tags = [t for t in tokens[n + 2:] if t.startswith(("is:", "ds:", "ts:"))]
    return (preverbs[0] if preverbs else "", tokens[n][3:], tags)


def is_dictionary_form(word, lines):
    """Whether some analysis reads the word as a verb's dictionary form: the present indicative third
    person singular indefinite of itself (preverb + stem = word), of a verb derived from its stem
    ("beszéltet", "biciklizik", "gipszez"), or an -ik verb; not an inflected form of another verb
    ("megeszi") nor a form that hunspell-hu does not know."""
    for tokens in lines:
        if any(t.startswith("pa:") for t in tokens):
            continue
        inflections = [t for t in tokens if t.startswith("is:")]
        if any(t != "is:" + DICTIONARY_TAG for t in inflections):
            continue
        derivations = [t for t in tokens if t.startswith("ds:")]
        if derivations:
            # a verb made from a noun or another verb: its last derivation must make a verb
            if "_vrb" in derivations[-1]:
                return True
            continue
        r = verb_readings(tokens)
        if r is not None and (r[0] + r[1] == word or word.endswith("ik")):
            return True
    return False


def root(stem):
    """The part of a verb's stem its forms begin with in the regular case."""
    return stem[:-2] if stem.endswith("ik") else stem


def starts_with_stem(rest, stem, lines_of_rest):
    """Whether `rest` (a form less its preverb) begins with the verb `stem`: literally, or as
    hunspell-hu reads `rest` on its own as a form of that verb without a preverb ("aludt", "ett")."""
    if rest.startswith(root(stem)):
        return True
    return any((r := verb_readings(t)) is not None and r[0] == "" and r[1] == stem for t in lines_of_rest)


TAGGED = re.compile(r"^(?:is:(?:(?:PRES|PAST)_(?:INDIC|COND)\S*|SUBJ\S*|IMPER\S*|ni_INFINITIVE\S*)"
                    r"|ds:(?:vA_PART|Ó_PRESPART|tt_PASTPART|AndÓ_FUTPART|hAt_MODAL|Ás_PROCESS|Ás_RESULT)\S*)$")


def verbal(tags):
    """Whether the tags make a finite form, the infinitive or a form built on the verb."""
    return any(TAGGED.match(t) for t in tags)


def other_reading(word, lines):
    """Whether hunspell-hu also reads the word as a noun or adjective of its own ("kivonat", "kiméret")
    or as an inflected form of a verb ("leért": the past of "leér")."""
    for tokens in lines:
        if any(t.startswith("pa:") for t in tokens):
            continue
        if f"st:{word}" in tokens and ("po:noun" in tokens or "po:adj" in tokens):
            return True
        r = verb_readings(tokens)
        if r is None or any(t.startswith("ds:") for t in r[2]):
            continue
        finite = [t for t in r[2] if FINITE.match(t) and t != "is:" + DICTIONARY_TAG]
        # an -ik verb reads as the third person plural definite of its stem without -ik ("kivérzik")
        if any(not (word.endswith("ik") and t == "is:PRES_INDIC_DEF_PL_3") for t in finite):
            return True
    return False


FINITE = re.compile(r"^is:(?:(?:PRES|PAST)_(?:INDIC|COND)|SUBJ|IMPER)")
# The forms that pass for a dictionary form in the sources: pasts, conditionals, imperatives and the
# third person definite ("megjelent", "lekérd", "leveszik"); not the -ol/-el second person of an -ik
# verb that hunspell-hu offers for "kitöröl".
LOOKALIKE = re.compile(r"^is:(?:PAST_|PRES_COND_|SUBJ/IMPER_|PRES_INDIC_DEF_(?:SG|PL)_3)")
DEFINITE_PLURAL_3 = "is:PRES_INDIC_DEF_PL_3"
ACCENTED = {"a": "á", "e": "é", "i": "í", "o": "ó", "u": "ú", "ö": "ő", "ü": "ű"}
# Every mark a plain vowel may have lost when typed without them ("kitorol" for "kitöröl").
DIACRITICS = {"a": "á", "e": "é", "i": "í", "o": "óöő", "u": "úüű"}


def inflected_form_of(word, lines, known, vouched=False):
    """(verb, whether the form is the definite "-ik" one) where hunspell-hu reads the word as an
    inflected form of another verb (a past "megjelent", an imperative "lekérd", a definite
    "leveszik"), else None. An -ik verb reads as the third person plural definite of its stem
    without -ik; that counts only where the stem is a known verb ("levesz", not "kivérz"), and not
    for a `vouched` word that also reads as an -ik verb of its own ("letörik": "törik"; hunspell-hu
    reads "leveszik" as "le" + "veszik" too)."""
    own_ik = any((r := verb_readings(t)) is not None and r[0] + r[1] == word and r[1].endswith("ik")
                 and not any(FINITE.match(x) and x != "is:" + DICTIONARY_TAG for x in r[2]) for t in lines)
    for tokens in lines:
        r = verb_readings(tokens)
        if r is None or any(t.startswith("ds:") for t in r[2]):
            continue
        lemma = r[0] + r[1]
        finite = [t for t in r[2] if LOOKALIKE.match(t)]
        if not finite or lemma == word:
            continue
        definite = finite == [DEFINITE_PLURAL_3] and word.endswith("ik")
        if definite and (own_ik and vouched or lemma not in known):
            continue
        return lemma, definite
    return None


def accent_variants(word):
    """The word with one plain vowel given its accent: the spellings a word without accents stands for."""
    return {word[:n] + ACCENTED[c] + word[n + 1:] for n, c in enumerate(word) if c in ACCENTED}


def diacritic_variants(word, limit=256, marks=2):
    """The spellings a word typed without its accents and umlauts may stand for: the word with one
    or up to `marks` plain vowels marked, the fewest marks first, at most `limit` of them."""
    places = [n for n, c in enumerate(word) if c in DIACRITICS]
    out = []
    for k in range(1, marks + 1):
        for chosen in itertools.combinations(places, k):
            for letters in itertools.product(*(DIACRITICS[word[n]] for n in chosen)):
                spelt = list(word)
                for n, c in zip(chosen, letters):
                    spelt[n] = c
                out.append("".join(spelt))
                if len(out) == limit:
                    return out
    return out


def accentless_twin(word, lines, known):
    """The known verb, or the inflected form of one, that the word is once its missing accent is put
    back ("kilep": "kilép"; "leirt": "leírt", the past of "leír"), else None. `lines` holds the
    analyses of the word's accent variants."""
    for variant in sorted(accent_variants(word)):
        for tokens in lines.get(variant, []):
            r = verb_readings(tokens)
            if r is not None and r[0] + r[1] in known and any(LOOKALIKE.match(t) for t in r[2]) \
                    and not any(t.startswith("ds:") for t in r[2]):
                return variant
    return None


def names_a_non_verb(word, lines):
    """Whether hunspell-hu has the word itself as a noun, adjective or adverb ("levél", "kivét")."""
    return any(f"st:{word}" in tokens and any(t in tokens for t in ("po:noun", "po:adj", "po:adv"))
               and not any(t.startswith("pa:") for t in tokens) for tokens in lines)


# What the sources say of a word beyond its own analyses (see evidence_fault): its occurrences in
# running text, the letters of the sources that list it, the verb it derives from (a -gat/-tat
# derivative of the candidate list), its corpus witness forms ({form: Reading}; `complete` when
# they are all the forms seen, not the first three) and its split word groups (["csapd agyon",
# "agyon akart verni"]), None where the word has no such evidence; the occurrences of its twin
# with or without -ik, and whether the word is the one of the two that the base verb has, so that
# the forms they share witness it ("megpályázik" for "pályázik", "megrogy" for "rogy"); and the
# number of forms seen that only the word as a verb explains (None where not counted).
Evidence = collections.namedtuple(
    "Evidence", "occurrences sources derived_from witness complete split_groups twin_occurrences twin_mine "
    "verbal_forms", defaults=(0, "", None, None, False, None, 0, False, None))
# A noun that hunspell-hu also builds as a verb ("nézet": "néz" + -et) is seen in the texts, but as the
# noun; as many forms as this that only the verb explains do not make it a verb ("nézetet" is the noun's
# object, "kellet", "kelleti" are the verb's own).
NOUN_VERBAL_FORMS = 2
# How hunspell-hu reads one witness form: the verbs (preverb + stem) it is a form of, those of them
# it is only the -ás/-és noun of, whether it is also a noun of its own ("közbeszerzés": "közbe" +
# "szerzés"), whether it is a form of a known verb with its accents lost ("leirtatok"), and whether
# it is the dictionary form of another verb ("kiböffent" beside "kiböffen").
Reading = collections.namedtuple("Reading", "verbs nominal lexicalised misspelt dictionary")

# Verbal suffixes a causative or frequentative is built with, and thus the ending of a stem that is
# one already ("slattyog", "ikszel", "lépdegél", "lépked", "abcúgol").
DERIVATIVE_ENDINGS = ("gat", "get", "tat", "tet", "at", "et", "og", "eg", "ög", "ol", "el", "öl", "ál", "él",
                      "dos", "des", "dös", "doz", "dez", "döz", "kod", "ked", "köd", "ong", "eng", "öng",
                      "oz", "ez", "öz", "áz", "éz", "aszt", "eszt", "ít")
# Preverbs that also follow a noun as its postposition or adverb ("a kapun keresztül kell csatolni").
POSTPOSITIONS = {"át", "keresztül", "körül", "körbe", "alá", "alul", "mellé", "túl", "után", "utána", "végig",
                 "szembe", "felül", "által", "neki", "ott", "külön", "közben", "tovább"}


# A generated derivative: no entry of its own, it stands only as thin evidence where no other verb
# sorts between the stated words ("abcúgolgat" beside "abcúgol", before the stated "abfertigol").
UNWITNESSED_DERIVATIVE = "a derivative of a derivative with no witness"


def twin_of(word):
    """The verb with or without -ik that shares every form but the dictionary form with the word."""
    return word[:-2] if word.endswith("ik") else word + "ik"


def evidence_fault(word, preverb, known, lines, evidence):
    """Why what the sources say does not make the word a dictionary verb of its own, or None (for a
    word that no headword, the design or the everyday list vouches for)."""
    own = lines.get(word, [])
    unused = evidence.occurrences == 0 or (evidence.verbal_forms is not None
                                          and evidence.verbal_forms <= NOUN_VERBAL_FORMS)
    if not preverb and unused and "F" not in evidence.sources and names_a_non_verb(word, own):
        return "another part of speech"  # "metszet", "nézet": the nouns; "metszette" is the past of "metsz"
    if evidence.occurrences == 0 and "F" not in evidence.sources and any(v in known for v in diacritic_variants(word)):
        return "another verb without its accents"  # "kitorol" beside "kitöröl"
    if not word.endswith("ik") and word + "ik" in known and evidence.occurrences <= evidence.twin_occurrences:
        # "korcsolyáz" beside "korcsolyázik": every form they share; "megér" is used on its own
        return "an -ik-less doublet of an -ik verb"
    if evidence.derived_from and evidence.derived_from.endswith(DERIVATIVE_ENDINGS) and evidence.occurrences == 0 \
            and not any(s in evidence.sources for s in "FMTS"):
        return UNWITNESSED_DERIVATIVE  # "leslattyogtat", "kiikszeltet"
    if evidence.split_groups is not None and preverb in POSTPOSITIONS and \
            all(group.startswith(preverb + " ") and len(group.split()) == 3 for group in evidence.split_groups):
        return "witnessed only across a phrase"  # "keresztül kell csatolni"
    if evidence.witness is not None:
        twin = twin_of(word)
        mine = {f: r for f, r in evidence.witness.items()
                if word in r.verbs and not r.misspelt and not r.dictionary and not (r.verbs & known) - {word, twin}
                and (evidence.twin_mine or twin not in r.verbs)}
        if evidence.occurrences == 0 and mine and all(word in r.nominal and r.lexicalised for r in mine.values()):
            return "a back-formation from a noun"  # "közbeszerzés" witnesses no "közbeszerez"
        if not mine and evidence.complete:
            if word.endswith("ik") and any(twin in r.verbs for r in evidence.witness.values()):
                return "an -ik doublet of a plain verb on one witness"  # "megrogyott": "megrogy"
            if any(r.misspelt for r in evidence.witness.values()):
                return "another verb's form without its accents"  # "leirtatok": "leírtátok"
            return "witnessed only by forms of another verb"  # "meghallgattatok", "kiböffent"
    return None


def fault(word, preverb, known, listed, lines, shared=(), ambiguous=False, vouched=False, verbal_forms=None,
          evidence=None):
    """Why a supplied word is no real entry, or None.

    `known` holds the lexicon's stated words and the candidate list's verbs, `listed` the candidate
    list alone, `lines` the hunspell-hu analyses of the word, of its base (the word less its
    preverb) and of its accent variants, `shared` the other compounds of the same preverb that every
    witness form also reads as (a compound whose forms all belong to a known verb, "lekicsinyell"
    beside "lekicsinyel", has no witness of its own); `ambiguous` when every witness form has other
    readings too, in which case the word must not itself read as a noun or another verb's form.
    `vouched` when a dictionary headword, the design or the everyday list gives the word: it may then
    also be an inflected form of another verb ("megért", "kiment") or double its preverb
    ("kikiált"). `verbal_forms`, where known, is the number of forms seen in running text that only
    a finite form or the infinitive of the word explains: none marks a noun or adverb cut down to look
    like a compound ("különad" from "különadó", "odafen" from "odafent"). `evidence`, where given, is
    what the sources say beyond the analyses (evidence_fault)."""
    if word in DEFECTIVE:
        return "defective verb"
    own = lines.get(word, [])
    if not is_dictionary_form(word, own):
        return "not a dictionary form"
    other = inflected_form_of(word, own, known, vouched)
    if other and (not vouched or other[1]):  # a headword may be a past too; "megfékezik" is no -ik verb
        return "an inflected form of another verb"
    if not vouched:
        if accentless_twin(word, lines, known):
            return "another verb without its accents"
        if preverb and names_a_non_verb(word, own):
            return "a noun, adjective or adverb"
        if preverb and verbal_forms == 0:
            return "no verbal form seen: a noun or adverb cut down"
    if preverb:
        base = word[len(preverb):]
        simple = any((r := verb_readings(t)) is not None and r[:2] == ("", base) for t in lines.get(base, []))
        if base.startswith(preverb) and not vouched and (word not in listed or not simple):
            return "doubled preverb"  # "lelebiggyed"; "kikiált" is "ki" + the simple verb "kiált"
        if base not in known and not is_dictionary_form(base, lines.get(base, [])):
            return "base not a verb"
        if any(other in known for other in shared):
            return "forms of another verb"
    if ambiguous and word not in listed and other_reading(word, own):
        return "a noun or another verb's form, on an ambiguous witness"
    if evidence is not None and not vouched:
        return evidence_fault(word, preverb, known, lines, evidence)
    return None
