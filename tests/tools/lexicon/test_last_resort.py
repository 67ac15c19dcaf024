"""A word a reader rated dubious stays in the pool at a cost above every other kind, recorded as
such: it is chosen only where nothing else sorts into a stretch, so that the stated layout stays
whole; a stretch that still holds a word no reader confirmed is listed with what was tried there."""
import os
import shutil
import tempfile
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


def rows_of(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]


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


class UnconfirmedPlaces(unittest.TestCase):
    def test_a_stretch_holding_an_unrated_word_is_listed_with_every_candidate_tried_there(self):
        unrated = Candidate("meredezik", "lex", "", "meredezik", "hunspell+A", 4, "unattested")
        rules = Supplied(8, 1, 4, [], [], [], [], {}, {}, "plain", {})
        fill = GroupFill(rules, {1: "mer", 4: "mereget"}, [], [], {"mered": lex("mered"), "meredezik": unrated,
                                                                   "meredít": lex("meredít")})
        fill.prepare()
        for s in fill.slots:
            s["chosen"] = [c for c in s["pool"] if c.word in ("mered", "meredezik")]
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "places.tsv")
            # a chosen word a reader turned down is no candidate tried beside it
            B.write_unconfirmed_places(path, {8: fill}, rated_real={"mered"},
                                       turned_down={"meredezget", "meredezik", "kér"})
            self.assertEqual(rows_of(path), [["8", "2", "3", "meredezik", "meredezget meredít"]])

    def test_a_stretch_of_confirmed_words_is_not_listed(self):
        rated = Candidate("meredezik", "lex", "", "meredezik", "hunspell+A", 4, "unattested")
        rules = Supplied(8, 1, 4, [], [], [], [], {}, {}, "plain", {})
        fill = GroupFill(rules, {1: "mer", 4: "mereget"}, [], [], {"mered": lex("mered"), "meredezik": rated})
        fill.prepare()
        for s in fill.slots:
            s["chosen"] = list(s["pool"])
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "places.tsv")
            B.write_unconfirmed_places(path, {8: fill}, rated_real={"meredezik"}, turned_down=set())
            self.assertEqual(rows_of(path), [])


if __name__ == "__main__":
    unittest.main()
