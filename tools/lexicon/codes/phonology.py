"""Vowel letters, the core of a verb and its vowel digit (character 2 of a code)."""

BACK = set("aáoóuú")
FRONT_UNROUNDED = set("eé")
NEUTRAL = set("ií")
FRONT_ROUNDED = set("öőüű")
VOWELS = BACK | FRONT_UNROUNDED | NEUTRAL | FRONT_ROUNDED


def core_of(word, preverb):
    """The word less its preverb (if any) and less a final "ik"."""
    core = word[len(preverb):] if preverb else word
    if core.endswith("ik") and len(core) > 2:
        core = core[:-2]
    return core


def syllables(core):
    return sum(1 for c in core if c in VOWELS)


def vowel_digit(core):
    """The vowel class digit by the last vowel other than i/í, or None when the core has none.

    "é" after a back vowel counts as back; a rounded vowel followed by i/í counts as front unrounded.
    """
    positions = [i for i, c in enumerate(core) if c in VOWELS and c not in NEUTRAL]
    if not positions:
        return None
    last = core[positions[-1]]
    if last in BACK:
        return "1"
    if last == "e":
        return "2"
    if last == "é":
        if len(positions) > 1 and core[positions[-2]] in BACK:
            return "1"
        return "2"
    tail = core[positions[-1] + 1:]
    return "2" if any(c in NEUTRAL for c in tail) else "3"


def harmony(digit):
    """Suffix vowel set for a vowel digit: 'back', 'front' or 'rounded'."""
    return {"1": "back", "2": "front"}.get(digit, "rounded")


def vowel_alternatives(core, digit):
    """Other vowel digits worth trying for a core: front unrounded against front rounded after a
    front last vowel, and back against front where the core mixes back and front vowels."""
    result = []
    if digit in ("2", "3"):
        result.append("3" if digit == "2" else "2")
    has_back = any(c in BACK for c in core)
    has_front = any(c in FRONT_UNROUNDED or c in FRONT_ROUNDED for c in core)
    if has_back and has_front:
        result.append("2" if digit == "1" else "1")
    return result
