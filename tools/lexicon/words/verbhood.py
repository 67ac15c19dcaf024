"""Checks that a word really is a Hungarian verb, on hunspell-hu's morphological analyses.

hunspell-hu splits noun compounds into their parts ("lemezmeghajtó": "lemez" + "meg|hajt|ó") and
reports a preverb it finds inside one; such a line carries "pa:" parts and proves nothing about a
verb that starts with that preverb. The checks here read one analysis line at a time and only lines
without such parts.
"""
import collections
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


def accentless_twin(word, lines, known):
    """The known verb, or the inflected form of one, that the word is once its missing accent is put
    back ("kilep": "kilép"; "leirt": "leírt", the past of "leír"), else None. `lines` holds the
    analyses of the word's accent variants."""
    for variant in sorted(accent_variants(word)):
        if variant in known:
            return variant
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


def fault(word, preverb, known, listed, lines, shared=(), ambiguous=False, vouched=False, verbal_forms=None):
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
    like a compound ("különad" from "különadó", "odafen" from "odafent")."""
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
    return None
