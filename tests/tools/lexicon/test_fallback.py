"""Where witnessed verbs run out, a stretch is offered compounds of its preverb and the lexicon's
verbs: those built on the verbs most in use, as many per missing element as a reader can read, every
one a reader rated real, and the ones rated dubious only where the stretch would stay short.
hunspell-hu's confirmation is stood in for: it is not what these rows test."""
import unittest
from unittest import mock

from tools.lexicon.words import build_words as B
from tools.lexicon.words.build_words import GroupFill
from tools.lexicon.words.groups import Supplied

# elements 1..6 of group 8, "megad" and "megzavar" stated at 1 and 6: four to fill in the meg- run
RULES = Supplied(8, 1, 6, ["meg"], [("meg", 1, 6)], [], [], {}, {}, "plain", {})
VERBS = ["bont", "csal", "dob", "enged", "fest", "gyúr", "hajt", "ír", "jelöl", "kap", "lök", "mos", "nyom",
         "old", "ró", "szab", "tép", "un", "vág", "véd", "visel", "von", "zár", "bír", "cáfol", "dönt", "emel",
         "fog", "gyűr", "hal", "int", "jár", "kerget", "lát", "mér", "nyit", "őriz", "rak", "szerez", "tol"]


def pool_of(bases, rated_real=(), dubious=()):
    with mock.patch.object(B, "hunspell_compounds", lambda words: set(words)):
        fill = GroupFill(RULES, {1: "megad", 6: "megzavar"}, [], [], {}, rated_real=set(rated_real),
                         bases=bases, dubious=set(dubious))
        fill.prepare()
    stretch = next(s for s in fill.slots if s["first"] == 2)
    return {c.word: c.evidence for c in stretch["pool"]}


class Fallback(unittest.TestCase):
    def test_the_verbs_most_in_use_first_and_every_rated_one_beyond(self):
        bases = {v: ("F", v, float(len(VERBS) - n)) for n, v in enumerate(VERBS)}
        bases["vizsgáltat"] = ("F", "vizsgál", 0.0)  # least used of all, but rated real
        pool = pool_of(bases, rated_real={"megvizsgáltat"})
        unrated = [w for w in pool if w != "megvizsgáltat"]
        self.assertEqual(len(unrated), B.OFFERS_PER_ELEMENT * 4)
        self.assertEqual(sorted(unrated), sorted("meg" + v for v in VERBS[:B.OFFERS_PER_ELEMENT * 4]))
        self.assertEqual(pool["megvizsgáltat"], "unattested")

    def test_a_compound_rated_dubious_only_where_the_stretch_would_stay_short(self):
        short = pool_of({"bont": ("F", "bont", 1.0), "dob": ("F", "dob", 1.0), "un": ("F", "un", 0.0)},
                        dubious={"megun"})
        self.assertEqual(short, {"megbont": "unattested", "megdob": "unattested", "megun": "dubious"})
        enough = pool_of({v: ("F", v, 1.0) for v in VERBS[:6]} | {"un": ("F", "un", 0.0)}, dubious={"megun"})
        self.assertNotIn("megun", enough)


if __name__ == "__main__":
    unittest.main()
