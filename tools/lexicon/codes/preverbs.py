"""Separable preverbs and the split of a word into preverb and remainder."""

# Every separable preverb that begins a compound of the lexicon, whatever its letter group.
SEPARABLE_PREVERBS = [
    # a to j
    "el", "fel", "be", "át", "bele", "elő", "hozzá", "alá", "hátra", "félre", "haza", "egybe", "ide",
    "agyon", "előre", "által", "helyre", "felül", "ellen", "fenn", "félbe", "benn", "alább", "jól",
    "jóvá", "abba", "együtt", "helyt", "alul", "cserben", "egyet", "észre", "helyben", "jó",
    # k to p
    "ki", "körül", "keresztül", "ketté", "közbe", "közre", "külön", "kölcsön", "körbe", "közben",
    "közzé", "kétségbe", "le", "létre", "meg", "mellé", "neki", "oda", "odább", "nyilván", "össze",
    "ott",
    # r to z
    "rá", "rajta", "rendre", "szét", "széjjel", "szembe", "szerte", "síkra", "túl", "tele",
    "tovább", "tönkre", "tova", "vissza", "végig", "utána", "újjá", "újra", "végbe", "viszont",
    "után", "utol", "véghez", "végre", "vele",
]


def candidate_splits(word):
    """Preverbs the word begins with that leave at least one letter, longest first."""
    found = [p for p in SEPARABLE_PREVERBS if word.startswith(p) and len(word) > len(p)]
    return sorted(found, key=len, reverse=True)


def split(word, lexicon_words):
    """(preverb, remainder): the longest preverb whose remainder is a lexicon word, else the longest one.

    Returns ("", word) when the word begins with no preverb.
    """
    splits = candidate_splits(word)
    for preverb in splits:
        if word[len(preverb):] in lexicon_words:
            return preverb, word[len(preverb):]
    if splits:
        return splits[0], word[len(splits[0]):]
    return "", word
