"""The lexicon order of the verb lists: accents ignored first, then compared at the first difference."""

_FOLD = str.maketrans("áéíóöőúüű", "aeiooouuu")
# Rank of each vowel among the letters that fold to the same plain letter.
_RANK = {c: r for group in ("aá", "eé", "ií", "oóöő", "uúüű") for r, c in enumerate(group)}


def fold(word: str) -> str:
    """The word with its accents removed; digraphs stay the letters they are written with."""
    return word.translate(_FOLD)


def key(word: str):
    """Sort key: the folded word, then the accent ranks from the left."""
    return (fold(word), tuple(_RANK.get(c, 0) for c in word))
