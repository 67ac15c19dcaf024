"""What the verb lists of each letter group must look like: ranges, blocks, preverbs and totals.

The supplied groups (a/á, the first fill of b, k, l, m, n/o/ó/ö/ő and p) are filled between their
stated anchors; these rules keep the supplied words within the blocks that are fixed, and every
total the design states for a group (letters, compounds per preverb and simple verbs, lengths,
endings, vowel digits, compounds of entries) is a total of the whole group, stated words included.
A total's predicate takes an entry with `word`, `preverb` (the separable preverb of a compound as
the code tool splits it, else "") and `vowel` (the code's vowel digit).
"""

# Fill files: for each, the (group, first index, last index) ranges it stores, in order.
FILL_RANGES = {
    1: [(0, 0, 698), (1, 0, 643)],
    2: [(1, 644, 1182), (2, 0, 584)],
    3: [(3, 0, 1215), (3, 1452, 1452)],
    4: [(3, 1216, 1451), (4, 0, 1000)],
    5: [(4, 1001, 1135), (5, 0, 1077)],
    6: [(6, 0, 1200)],
    7: [(6, 1201, 1952)],
    8: [(7, 0, 1014)],
    9: [(8, 0, 1200)],
    10: [(8, 1201, 1654), (9, 0, 502)],
    11: [(9, 503, 936), (10, 0, 400)],
    12: [(11, 0, 558)],
    13: [(12, 0, 875)],
    14: [(13, 0, 593), (14, 0, 133)],
    15: [(14, 134, 930)],
}

# Elements inside a filled range that hold the empty text in both arrays.
HOLES = {1: [851], 3: [1205]}

INITIALS = {
    0: "aá", 1: "b", 2: "cd", 3: "eé", 4: "f", 5: "ghiíj", 6: "k", 7: "l", 8: "m",
    9: "noóöő", 10: "p", 11: "r", 12: "s", 13: "t", 14: "uúüűvz",
}


class Supplied:
    """The rules of one group whose ordered run is partly supplied."""

    def __init__(self, group, first, last, preverbs, blocks, guarded, quotas, lengths, endings, scheme, vowels,
                 extra=(), simple=(), preverb_of=None, of_entries=None, of_entries_whole=False):
        self.group = group
        self.first, self.last = first, last      # the ordered run to fill (tails lie after it)
        self.preverbs = preverbs                  # separable preverbs of the group
        self.blocks = blocks                      # (folded prefix, first, last): that prefix's words stand exactly there
        self.guarded = guarded                    # prefixes a simple verb may carry only if the lists name it
        self.quotas = quotas                      # (name, predicate, count over the whole group)
        self.lengths = lengths                    # stated length distribution {letters: verbs}
        self.endings = endings                    # stated ending families {family: verbs}
        self.scheme = scheme                      # name of the ending classifier
        self.vowels = vowels                      # stated vowel digits of the codes {digit: verbs}
        self.extra = list(extra)                  # further stated totals: (name, predicate, count)
        self.simple = set(simple)                 # named verbs that begin with a preverb's letters but have none
        self.preverb_of = preverb_of or {}        # named compounds whose preverb is not the longest prefix
        self.of_entries = of_entries              # compounds whose verb after the preverb is an entry
        self.of_entries_whole = of_entries_whole  # that figure counts the group beyond the run too (b)

    def totals(self):
        """Every stated total of the group but the compounds of entries: (name, predicate, count).
        A length or ending family that the design does not list has no verb."""
        out = list(self.quotas)
        out += [(f"{n} letters", (lambda n: lambda e: len(e.word) == n)(n), self.lengths.get(n, 0))
                for n in range(1, 1 + max(30, *self.lengths))]
        families = [name for name, _ in _SCHEMES[self.scheme]] + ["other"]
        out += [(f"ending -{f}", (lambda f: lambda e: ending_family(self.scheme, e.word) == f)(f),
                 self.endings.get(f, 0)) for f in families]
        out += [(f"vowel digit {d}", (lambda d: lambda e: e.vowel == d)(d), n) for d, n in self.vowels.items()]
        return out + self.extra


def _ch(pos, c):
    return lambda e: len(e.word) > pos and e.word[pos] == c


def _preverbs(counts):
    """Quotas of compounds per preverb."""
    return [(f"preverb {p}", (lambda p: lambda e: e.preverb == p)(p), n) for p, n in counts.items()]


def _ends(counts, plain=True):
    """Totals of words by their literal ending ("gat tat": either); `plain`: of the words without -ik."""
    return [(f"ends in -{'/-'.join(e.split())}" + (" (no -ik)" if plain else ""),
             (lambda ends: lambda e: e.word.endswith(ends) and not (plain and e.word.endswith("ik")))(tuple(e.split())),
             n) for e, n in counts.items()]


def _ik_split(compounds, simple):
    """Compounds and simple verbs that end in -ik."""
    return [("compounds in -ik", lambda e: bool(e.preverb) and e.word.endswith("ik"), compounds),
            ("simple verbs in -ik", lambda e: not e.preverb and e.word.endswith("ik"), simple)]


ACCENTED = set("áéíóöőúüű")


def _lens(first, counts):
    return {first + i: n for i, n in enumerate(counts) if n}


SUPPLIED = {
    0: Supplied(
        0, 1, 696, ["abba", "agyon", "alá", "alább", "által", "alul", "át"],
        [("abba", 4, 5), ("agyon", 64, 83), ("ala", 120, 186), ("alabb", 122, 124), ("altal", 228, 246),
         ("alul", 250, 250), ("at", 333, 682)],
        ["abba", "agyon", "alá", "ála", "által", "alul", "át", "~at"],
        [("initial a", lambda e: e.word[0] == "a", 258),
         ("simple ala-", lambda e: e.word.startswith("ala") and not e.preverb and not e.word.startswith("alá"), 14)]
        + _preverbs({"át": 343, "alá": 47, "alább": 3, "agyon": 20, "által": 18, "abba": 2, "alul": 1}),
        _lens(2, [2, 4, 33, 82, 80, 122, 121, 112, 62, 35, 19, 14, 6, 2, 4]),
        {"kodik": 33, "ódik": 17, "odik": 14, "szik": 20, "zik": 45, "lik": 18, "ik": 10, "ál": 62, "ít": 50,
         "ol": 70, "oz": 46, "ul": 33, "at": 48, "ad": 20, "aszt": 11, "ant": 3, "other": 198},
        "ab", {"1": 520, "2": 120, "3": 58},
        _ends({"izál": 14, "sít": 14, "tat tet": 19, "gat get": 12}),
        of_entries=423,
        simple=["aláz", "alázatoskodik", "alázkodik", "általánosít", "átalányoz", "átall", "átkoz", "átkozódik",
                "átráz"]),
    1: Supplied(
        1, 1, 643, ["be", "bele"],
        [("be", 55, 643), ("bele", 377, 610)],
        ["~be"],
        _preverbs({"be": 348, "bele": 225}),
        _lens(2, [0, 1, 6, 45, 55, 112, 104, 115, 88, 40, 31, 26, 8, 8, 1, 2, 1]),
        {"kodik": 23, "ódik": 25, "odik": 22, "szik": 18, "zik": 40, "lik": 16, "ik": 16, "ál": 23, "ít": 39,
         "ol": 62, "oz": 42, "ul": 36, "at": 33, "ad": 34, "aszt": 11, "ant": 5, "other": 198},
        "ab", {"1": 398, "2": 172, "3": 73},
        _ends({"izál": 1, "sít": 10, "tat tet": 15, "gat get": 8}),
        of_entries=813, of_entries_whole=True,
        simple=["becéz", "becsmérel", "becsül", "béget", "begyesedik", "begyeskedik", "békéltet", "békétlenkedik",
                "békít", "béklyóz", "békül", "bélel", "bélistáz", "beljebbez", "bellebbez", "bélyegez"],
        preverb_of={w: "be" for w in ["belehel", "belejt", "belélegez", "belélegzik", "belep", "belép", "beléptet",
                                      "beles"]}),
    6: Supplied(
        6, 1, 1947, ["ki", "körül", "keresztül", "ketté", "közbe", "közre", "külön", "kölcsön", "kétségbe", "körbe",
                     "közben", "közzé"],
        [("ka", 1, 146), ("ke", 147, 368), ("keresztul", 244, 274), ("ketsegbe", 320, 321), ("kette", 325, 341),
         ("ki", 369, 1511), ("kl", 1512, 1515), ("ko", 1516, 1852), ("kolcson", 1552, 1556), ("korul", 1704, 1754),
         ("kozbe", 1814, 1828), ("kozre", 1843, 1850), ("kr", 1853, 1864), ("ku", 1865, 1941), ("kulon", 1886, 1895),
         ("kv", 1942, 1947)],
        ["ki", "~korul", "~keresztul", "~kette", "~kozbe", "~kozre", "~kulon", "~kolcson", "~ketsegbe", "~korbe",
         "~kozze"],
        [("initial kí", lambda e: e.word.startswith("kí"), 15)]
        + _preverbs({"ki": 1116, "körül": 50, "keresztül": 31, "ketté": 17, "közbe": 14, "közre": 8, "külön": 5,
                     "kölcsön": 4, "kétségbe": 2, "körbe": 1, "közben": 1, "közzé": 1}),
        _lens(3, [6, 24, 156, 183, 325, 384, 316, 234, 144, 91, 40, 29, 7, 10, 1, 2]),
        {"dik": 231, "zik": 131, "lik": 38, "ik": 24, "l": 525, "k": 5, "t": 419, "z": 248, "g": 96, "d": 68,
         "r": 65, "n": 48, "other": 54},
        "k", {"1": 1169, "2": 567, "3": 213},
        _ends({"odik": 76, "edik": 76, "ódik": 36, "ődik": 25, "ödik": 17, "kodik kedik ködik": 100, "szik": 31,
               "ázik": 23, "dzik": 8}, plain=False)
        + _ends({"ál": 148, "ít": 142, "ol": 131, "at": 76, "gat": 26, "tat": 36, "el": 74, "et": 74, "get": 29,
                 "tet": 31, "oz": 67, "ez": 58, "ül": 54, "og": 45, "ul": 42, "nt": 41, "áz": 40, "szt": 38, "p": 15,
                 "s": 11, "y": 9, "ő": 4, "b": 3, "j": 3, "v": 3, "m": 2, "f": 1, "ű": 1, "í": 1, "ó": 1})
        + [("with an accented vowel", lambda e: any(c in ACCENTED for c in e.word), 1240)],
        simple=["kiabál", "kiált", "kiáltoz", "kibicel", "kicsinyel", "kicsinyell", "kicsinyeskedik", "kicsinyít",
                "kilincsel", "kintornál", "kirándul", "kisebbedik", "kisebbít", "kishitűsködik", "kölcsönöz",
                "körülményeskedik", "különbözik", "különcködik", "különködik", "különmunkázik", "különórázik"],
        of_entries=1159),
    7: Supplied(
        7, 1, 1012, ["le", "létre"],
        [("la", 1, 68), ("le", 69, 935), ("letre", 857, 859)],
        ["létre"],
        [("second a", _ch(1, "a"), 48), ("second á", _ch(1, "á"), 20), ("second é", _ch(1, "é"), 21),
         ("second i", _ch(1, "i"), 11), ("second o", _ch(1, "o"), 30), ("second ó", _ch(1, "ó"), 13),
         ("second ö", _ch(1, "ö"), 11), ("second ő", _ch(1, "ő"), 3), ("second u", _ch(1, "u"), 3),
         ("second ú", _ch(1, "ú"), 3), ("second ü", _ch(1, "ü"), 1), ("second y", _ch(1, "y"), 3),
         ("simple le-", lambda e: e.word.startswith("le") and not e.preverb, 58)]
        + _preverbs({"le": 789, "létre": 3}),
        _lens(2, [1, 9, 15, 99, 119, 201, 215, 145, 96, 67, 24, 16, 3, 3, 0, 1]),
        {"kodik": 21, "odik": 55, "szik": 19, "zik": 49, "lik": 24, "ik": 16, "ít": 81, "ul": 52, "l": 207, "z": 123,
         "tat": 30, "szt": 28, "t": 97, "g": 49, "d": 54, "n": 28, "other": 81},
        "lm", {"1": 628, "2": 290, "3": 96}, _ik_split(125, 59), of_entries=742),
    8: Supplied(
        8, 1, 1653, ["meg", "mellé"],
        [("ma", 1, 78), ("me", 79, 1561), ("meg", 82, 1481), ("mi", 1562, 1570), ("mo", 1571, 1628),
         ("mu", 1629, 1653)],
        ["~meg", "~melle"],
        [("second á", _ch(1, "á"), 19), ("second é", _ch(1, "é"), 27), ("second i", _ch(1, "i"), 8),
         ("second í", _ch(1, "í"), 1), ("second o", _ch(1, "o"), 52), ("second ó", _ch(1, "ó"), 6),
         ("second u", _ch(1, "u"), 17), ("second ú", _ch(1, "ú"), 1), ("second ű", _ch(1, "ű"), 7)]
        + _preverbs({"meg": 1399, "mellé": 5}),
        _lens(3, [5, 4, 43, 122, 154, 275, 335, 252, 162, 141, 89, 44, 17, 9, 1, 1]),
        {"kodik": 43, "odik": 184, "szik": 40, "zik": 70, "lik": 28, "ik": 25, "ít": 157, "ul": 135, "l": 313,
         "z": 191, "tat": 58, "szt": 34, "t": 138, "g": 29, "d": 73, "n": 50, "other": 86},
        "lm", {"1": 987, "2": 478, "3": 189}, _ik_split(316, 74),
        simple=["megy", "mellékel"], of_entries=1261),
    9: Supplied(
        9, 1, 931, ["neki", "oda", "odább", "nyilván", "össze", "ott"],
        [("n", 1, 253), ("neki", 36, 75), ("ny", 131, 253), ("o", 254, 931), ("oda", 262, 380),
         ("ossze", 503, 895), ("ott", 916, 921)],
        ["~neki", "~oda", "~nyilvan", "~ossze", "~ott"],
        [("initial ó", lambda e: e.word[0] == "ó", 13), ("initial ö", lambda e: e.word[0] == "ö", 453),
         ("initial ő", lambda e: e.word[0] == "ő", 13)]
        + _preverbs({"neki": 40, "oda": 117, "odább": 1, "nyilván": 1, "össze": 392, "ott": 6}),
        _lens(2, [4, 11, 28, 47, 77, 104, 134, 108, 115, 121, 78, 43, 32, 22, 8, 3, 0, 1]),
        {"kodik": 56, "ódik": 37, "odik": 41, "szik": 21, "dzik": 5, "zik": 46, "lik": 21, "ik": 15, "l": 221,
         "t": 197, "z": 89, "g": 41, "d": 39, "r": 37, "n": 21, "other": 49},
        "no", {"1": 565, "2": 243, "3": 128},
        _ends({"ol": 64, "ál": 45, "izál": 7, "ul": 27, "el": 26, "ül": 21, "öl": 9, "ít": 68, "gat get": 27,
               "szt": 25, "oz": 22, "ez": 16, "sz": 10, "az": 9, "öz": 8, "p": 10, "s": 9, "y": 9, "ő": 6, "k": 4,
               "m": 3, "v": 3, "b": 2, "í": 1, "ó": 1, "ű": 1}),
        simple=["nyilvánít", "nyilvánul", "odáz", "összegez", "összesít"], of_entries=545),
    10: Supplied(
        10, 1, 400, [],
        [("pa", 1, 112), ("pe", 113, 171), ("pf", 172, 172), ("pi", 173, 231), ("pl", 232, 239), ("po", 240, 324),
         ("pr", 325, 366), ("pu", 367, 400)],
        [],
        [("second á", _ch(1, "á"), 38), ("second é", _ch(1, "é"), 5), ("second ó", _ch(1, "ó"), 8),
         ("second ö", _ch(1, "ö"), 20), ("second ő", _ch(1, "ő"), 1), ("second ú", _ch(1, "ú"), 3),
         ("second ü", _ch(1, "ü"), 2)],
        _lens(3, [1, 5, 34, 86, 62, 69, 52, 40, 24, 15, 8, 1, 1, 2]),
        {"kodik": 26, "ódik": 10, "odik": 15, "dzik": 3, "zik": 45, "lik": 7, "l": 139, "z": 56, "t": 51, "g": 28,
         "d": 9, "r": 1, "n": 8, "other": 2},
        "no", {"1": 303, "2": 72, "3": 25},
        _ends({"ál": 67, "izál": 13, "ol": 42, "el": 11, "ul": 6, "ül": 5, "öl": 4, "oz": 23, "íroz": 9, "áz": 15,
               "ez": 5, "óz": 4, "éz": 4, "öz": 3, "ít": 19, "gat get": 11, "szt": 5, "k": 1, "r": 1, "s": 1})),
}

_SCHEMES = {
    "ab": [("kodik", ("kodik", "kedik", "ködik")), ("ódik", ("ódik", "ődik")), ("odik", ("odik", "edik", "ödik")),
           ("szik", ("szik",)), ("zik", ("zik",)), ("lik", ("lik",)), ("ik", ("ik",)), ("ál", ("ál",)),
           ("ít", ("ít",)), ("ol", ("ol", "el", "öl")), ("oz", ("oz", "ez", "öz")), ("ul", ("ul", "ül")),
           ("at", ("at", "et")), ("ad", ("ad", "ed")), ("aszt", ("aszt", "eszt")), ("ant", ("ant", "ent"))],
    "lm": [("kodik", ("kodik", "kedik", "ködik")), ("odik", ("odik", "edik", "ödik", "ódik", "ődik")),
           ("szik", ("szik",)), ("zik", ("zik",)), ("lik", ("lik",)), ("ik", ("ik",)), ("ít", ("ít",)),
           ("ul", ("ul", "ül")), ("l", ("l",)), ("z", ("z",)), ("tat", ("tat", "tet")), ("szt", ("szt",)),
           ("t", ("t",)), ("g", ("g",)), ("d", ("d",)), ("n", ("n",))],
    "no": [("kodik", ("kodik", "kedik", "ködik")), ("ódik", ("ódik", "ődik")), ("odik", ("odik", "edik", "ödik")),
           ("szik", ("szik",)), ("dzik", ("dzik",)), ("zik", ("zik",)), ("lik", ("lik",)), ("ik", ("ik",)),
           ("l", ("l",)), ("t", ("t",)), ("z", ("z",)), ("g", ("g",)), ("d", ("d",)), ("r", ("r",)), ("n", ("n",))],
    "k": [("dik", ("dik",)), ("zik", ("zik",)), ("lik", ("lik",)), ("ik", ("ik",)), ("l", ("l",)), ("k", ("k",)),
          ("t", ("t",)), ("z", ("z",)), ("g", ("g",)), ("d", ("d",)), ("r", ("r",)), ("n", ("n",))],
}


def ending_family(scheme, word):
    """The first ending family of the scheme that the word's ending matches, else "other"."""
    for name, ends in _SCHEMES[scheme]:
        if word.endswith(ends):
            return name
    return "other"
