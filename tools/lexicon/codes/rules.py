"""The regularities by which a verb's class, causative and objective digits follow its form.

Each function takes the dictionary form and its core (the form less preverb and "ik") and
returns the value the regularity predicts; the lexical alternatives of a row are returned too, so
that evidence can choose among them.
"""
from .phonology import VOWELS, syllables

IRREGULAR_CORES = {"megy": "99", "jön": "99", "van": "99", "tesz": "25", "vesz": "25", "visz": "25",
                   "hisz": "25", "lesz": "25", "esz": "37", "isz": "37", "alsz": "3c", "feksz": "3c",
                   "emléksz": "52", "igyeksz": "52", "emlékez": "30", "igyekez": "30", "vész": "2a",
                   "veszt": "26", "fürd": "89", "hazud": "54", "alapsz": "58", "izz": "6a",
                   "fing": "68", "edz": "20", "pedz": "20", "metsz": "22", "fest": "15"}


class ClassRow:
    """A row of the class decision list: its name, usual class and the other classes it allows."""

    def __init__(self, name, usual, others=(), choice=None):
        self.name = name
        self.usual = usual
        self.others = tuple(others)
        # The kind of lexical choice evidence can settle: "unstable" (the stem's last vowel
        # drops before a vowel-initial suffix), "ik-first" (first person singular in -m or -k).
        self.choice = choice


def _vowel_before(word, n):
    """Whether the letter n characters from the end is a vowel."""
    return len(word) > n and word[-n - 1] in VOWELS


def class_row(word, core):
    """The first row of the decision list whose ending the word matches."""
    syl = syllables(core)
    w = word
    if w.endswith(("odik", "ódik", "edik", "ödik", "ődik")):
        return ClassRow("-odik", "31", ("32", "77"))
    if w.endswith("dzik"):
        return ClassRow("-dzik", "40")
    if w.endswith("dik"):
        return ClassRow("other -dik", "31", ("89", "54"))
    if w.endswith(("ászik", "észik")):
        return ClassRow("-ászik", "57", ("80",))
    if w.endswith("úszik"):
        return ClassRow("-úszik", "80")
    if w.endswith("tszik"):
        return ClassRow("-tszik", "35", ("36",))
    if w.endswith(("kszik", "gszik", "pszik")):
        return ClassRow("-kszik", "3a", ("33", "3c", "52", "58"))
    if w.endswith(("uszik", "üszik")):
        # "aluszik" (a variant of "alszik") is conjugated as "úszik": aluszott, alusszon.
        return ClassRow("-uszik", "3b", ("80",))
    if w.endswith("lszik"):
        return ClassRow("-lszik", "3c", ("35",))
    if w.endswith("szik"):
        return ClassRow("other -szik", "37", ("57", "80"))
    if w.endswith("zik"):
        if _vowel_before(w, 3):
            return ClassRow("vowel + zik", "38", ("61", "84", "30"), choice="ik-first")
        return ClassRow("consonant + zik", "44", ("4a", "59", "6a", "67", "90", "82"))
    if w.endswith("llik"):
        return ClassRow("-llik", "72")
    if w.endswith("lik"):
        if _vowel_before(w, 3):
            return ClassRow("vowel + lik", "69")
        return ClassRow("consonant + lik", "64", ("8d", "6d"))
    if w.endswith("sik"):
        return ClassRow("-sik", "39", ("85", "62"))
    if w.endswith("kik"):
        return ClassRow("-kik", "50", ("96", "73"))
    if w.endswith("rik"):
        # The usual "42" is the class of "ugrik" (a consonant before "rik"); after a vowel the
        # words of the row carry "69" or "71".
        if _vowel_before(w, 3):
            return ClassRow("vowel + rik", "69", ("71",))
        return ClassRow("consonant + rik", "42", ("69", "71"))
    if w.endswith(("atik", "etik")) and not w.endswith("letik"):
        # Passives in -(t)atik/-(t)etik ("adatik", "viseltetik"); "születik", "kelletik" are "74".
        return ClassRow("-atik passive", "51", ("74",))
    if w.endswith("ik"):
        return ClassRow("other -ik", "69", ("70", "73", "51", "96", "74", "68"))
    if w.endswith("ít"):
        return ClassRow("-ít", "12", ("27",))
    if w.endswith("szt"):
        return ClassRow("-szt", "14", ("26",))
    if w.endswith("st"):
        return ClassRow("-st", "15")
    if w.endswith(("gat", "get", "tat", "tet")):
        return ClassRow("-gat/-tat", "16")
    if w.endswith("t") and not _vowel_before(w, 1):
        return ClassRow("consonant + t", "13")
    if w.endswith("t"):
        if syl <= 1:
            return ClassRow("vowel + t, one syllable", "23", ("12", "16"))
        return ClassRow("vowel + t, longer", "16", ("29",))
    if w.endswith("sz"):
        # The row's classes follow the ending: -ász/-ész "21", -tsz "22", "vész" "2a".
        if w.endswith(("ász", "ész")) and syl >= 2:
            return ClassRow("-ász/-ész", "21", ("25", "2a"))
        if w.endswith("tsz"):
            return ClassRow("-tsz", "22")
        return ClassRow("-sz", "25", ("21", "22", "2a"))
    if w.endswith("z"):
        if syl >= 2 and len(w) > 2 and w[-2] in "eoö" and not _vowel_before(w, 2):
            return ClassRow("-z", "18", ("19",), choice="unstable")
        return ClassRow("-z", "18", ("20", "28"))
    if w.endswith(("ll", "rr")):
        return ClassRow("-ll/-rr", "02", ("03", "01"))
    if w.endswith("d") and not _vowel_before(w, 1):
        return ClassRow("consonant + d", "10", ("03",))
    if w.endswith(("kod", "ked", "köd")) and syl >= 2 and w[-4] not in VOWELS and w[-4] != "r":
        # Frequentatives in -kod/-ked/-köd take the linking vowel: kapkodott, lépkedett (not
        # "reked", "serked": berekedt).
        return ClassRow("-kod/-ked", "07", ("01",))
    if w.endswith("d"):
        if syl <= 1:
            return ClassRow("vowel + d, one syllable", "07")
        return ClassRow("vowel + d, longer", "01", ("07", "11"))
    if w.endswith(("ng", "gg")):
        return ClassRow("-ng/-gg", "09")
    if w.endswith("g"):
        if syl <= 1:
            return ClassRow("-g, one syllable", "07")
        unstable = w[-2] in "oeö" and not _vowel_before(w, 2)
        if syl == 2:
            return ClassRow("-g, two syllables", "07", ("08",), choice="unstable" if unstable else None)
        return ClassRow("-g, three or more", "08" if unstable else "07", ("07", "08"),
                        choice="unstable" if unstable else None)
    if w.endswith("l"):
        if w.endswith("nl") and syl >= 1 and not _vowel_before(w, 1):
            return ClassRow("-l", "04")
        if syl >= 2 and w[-2] in "oeö" and not _vowel_before(w, 2):
            return ClassRow("-l", "01", ("05", "06"), choice="unstable")
        return ClassRow("-l", "01", ("05", "04", "06"))
    if w.endswith("r"):
        if syl == 2 and w[-2] in "oeö" and not _vowel_before(w, 2):
            return ClassRow("-r", "01", ("06",), choice="unstable")
        return ClassRow("-r", "01", ("06",))
    if w.endswith("s"):
        return ClassRow("-s", "17")
    if w[-1] in VOWELS:
        return ClassRow("vowel", "24")
    if w.endswith(("n", "j", "ny")) and syl <= 1:
        return ClassRow("n/j/ny, one syllable", "01", ("99",))
    if syl <= 1:
        return ClassRow("other, one syllable", "07", ("99", "01"))
    return ClassRow("other, longer", "01", ("07", "08"))


def irregular_class(core, is_ik):
    """The class of the small irregular families, judged by the core, or None."""
    key = core
    cls = IRREGULAR_CORES.get(key)
    if cls is None:
        return None
    ik_classes = {"37", "3c", "52", "30", "89", "54", "58", "6a", "68"}
    return cls if (cls in ik_classes) == is_ik else None


# One-syllable cores whose causative is missing ("2": motion and state without an object) or
# takes -tat/-tet ("0"); every other one-syllable core takes -at/-et ("1").
NO_CAUSATIVE_CORES = {"áll", "száll", "jön", "megy", "él", "fér", "dől", "fagy", "fogy", "forr", "nő",
                      "agg", "hűl", "kel", "sül", "tér", "vész", "van", "ér", "fáj", "fél", "gyúl"}
TAT_CAUSATIVE_CORES = {"tesz", "vesz", "visz", "hisz", "lép", "lő", "sző", "metsz", "nyúl", "ül", "búj"}


def causative_digit(word, core):
    """The causative digit by the decision list: "0" -tat/-tet, "1" -at/-et, "2" none."""
    if word.endswith(("tat", "tet")):
        return "2"
    if word.endswith("t"):
        return "0"
    if word.endswith(("ódik", "ődik")):
        return "2"
    if word.endswith(("odik", "edik", "ödik")):
        return "0"
    if word.endswith("lik") or (word.endswith(("atik", "etik")) and not word.endswith("letik")):
        return "2"
    if word.endswith("ik"):
        return "0"
    if syllables(core) <= 1:
        if core in NO_CAUSATIVE_CORES:
            return "2"
        if core in TAT_CAUSATIVE_CORES:
            return "0"
        return "1"
    if word.endswith(("ul", "ül")):
        return "2"
    if word.endswith(("d", "n")) and _vowel_before(word, 1):
        return "2"
    return "0"


# Classes whose verbs are nearly all intransitive, and those nearly all transitive.
INTRANSITIVE_CLASSES = {"31", "38", "61", "84", "64", "72", "99", "08", "09", "40", "02", "69", "39",
                        "44", "32", "3a", "77", "24"}
TRANSITIVE_CLASSES = {"12", "27", "14", "25", "16", "18", "19", "05", "13", "07", "15", "22", "29",
                      "17", "10", "23", "21", "26", "04"}


# Classes whose verbs take an object in nine cases of ten or more (-ít, -szt, "tesz"/"vesz", -ez with
# an unstable vowel, "bocsát", "metsz", "fest").
FIRMLY_TRANSITIVE_CLASSES = {"12", "27", "14", "25", "19", "29", "22", "15"}


def firmly_transitive(word, cls):
    """Whether the word's kind nearly always takes an object: those classes, causatives and
    frequentatives in -tat/-tet/-gat/-get."""
    return cls in FIRMLY_TRANSITIVE_CLASSES or word.endswith(("tat", "tet", "gat", "get"))


def objective_digit(word, core, cls, causative):
    """The usual objective digit: "0" for -ik verbs and intransitive kinds, "1" otherwise."""
    if word.endswith("ik"):
        return "0"
    if word.endswith(("tat", "tet", "gat", "get")):
        # Causatives and frequentatives take an object though they have no causative of their own.
        return "1"
    if cls in INTRANSITIVE_CLASSES or causative == "2":
        return "0"
    if cls == "07" and syllables(core) >= 2 and core[-2] in "aoeö":
        # Sounds and motions in -og/-eg/-ög ("krákog", "köhög", "zubog"), as the "08" ones.
        return "0"
    if word.endswith(("dogál", "degél", "dögél")):
        # Frequentatives of lasting states ("üldögél", "álldogál").
        return "0"
    if cls in TRANSITIVE_CLASSES:
        return "1"
    if word.endswith(("ul", "ül")):
        return "0"
    return "1"


# Preverbs whose compounds take no object whatever their base verb takes ("nekilát", "nekikezd",
# "nekiront": one sets about something, the goal in the dative).
INTRANSITIVE_PREVERBS = {"neki"}
