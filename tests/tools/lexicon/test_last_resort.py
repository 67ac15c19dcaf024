"""A word a reader rated dubious stays in the pool at a cost above every other kind, recorded as
such: it is chosen only where nothing else sorts into a stretch, so that the stated layout stays
whole."""
import shutil
import unittest

from tools.lexicon.words import build_words as B
from tools.lexicon.words import group_choice
from tools.lexicon.words.build_words import Candidate, GroupFill
from tools.lexicon.words.groups import Supplied


def stretch_of(pool, last_resort):
    # elements 1..4 of group 8: "mer" and "mereget" stated at 1 and 4 leave 2 and 3 to fill
    rules = Supplied(8, 1, 4, [], [], [], [], {}, {}, "plain", {})
    fill = GroupFill(rules, {1: "mer", 4: "mereget"}, [], [], pool, last_resort=last_resort)
    fill.prepare()
    return next(s for s in fill.slots if s["first"] == 2)


def chosen(stretch):
    picks, _, _ = group_choice.solve([group_choice.Stretch(stretch["need"], [(c.cost, False) for c in stretch["pool"]])],
                                     [])
    return sorted(stretch["pool"][c].word for c in picks[0])


def lex(word):
    return Candidate(word, "lex", "", word, "F", 2, "t2")


class LastResort(unittest.TestCase):
    def test_a_dubious_word_is_recorded_as_such_and_costs_more_than_any_other(self):
        stretch = stretch_of({"mered": lex("mered")}, {"meredezget": lex("meredezget")})
        dubious = next(c for c in stretch["pool"] if c.word == "meredezget")
        self.assertEqual(dubious.evidence, "dubious")
        self.assertGreater(dubious.cost, max(cost for kind, cost in B.COST.items() if kind != "dubious"))
        self.assertTrue(B.evidence_text(dubious).startswith("dubious:"))

    @unittest.skipUnless(shutil.which(group_choice.SOLVER), "coinor-cbc is not installed")
    def test_it_fills_a_stretch_only_where_nothing_else_sorts(self):
        short = stretch_of({"mered": lex("mered")}, {"meredezget": lex("meredezget")})
        self.assertEqual(chosen(short), ["mered", "meredezget"])
        full = stretch_of({"mered": lex("mered"), "meredezik": lex("meredezik")}, {"meredezget": lex("meredezget")})
        self.assertEqual(chosen(full), ["mered", "meredezik"])


if __name__ == "__main__":
    unittest.main()
