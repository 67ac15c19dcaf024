"""The group's integer program: stretches filled exactly, totals met across stretches, the cheapest
choice within them, a total the candidates cannot meet missed by as little as it must be."""
import shutil
import unittest

from tools.lexicon.words import group_choice
from tools.lexicon.words.group_choice import Stretch, Total


@unittest.skipUnless(shutil.which(group_choice.SOLVER), "coinor-cbc is not installed")
class GroupChoice(unittest.TestCase):
    def test_a_total_moves_a_choice_into_another_stretch(self):
        # Each stretch alone would take its cheapest candidates (0 and 0); the total "in -ik" of 1,
        # with one fixed word already in it, leaves room for no -ik word, so the first stretch gives
        # up its cheap -ik word and the second keeps its dearer plain one.
        stretches = [Stretch(1, [(-5.0, False), (-1.0, False)]), Stretch(2, [(-4.0, False), (-3.0, False), (2.0, False)])]
        ik = Total("in -ik", 1, 1, [(0, 0), (1, 1)], 300.0)
        chosen, missed, _ = group_choice.solve(stretches, [ik])
        self.assertEqual(chosen, [[1], [0, 2]])
        self.assertEqual(missed, [])

    def test_a_forced_word_stays_and_an_unmeetable_total_is_missed_by_the_least(self):
        stretches = [Stretch(2, [(9.0, True), (0.0, False), (1.0, False)])]
        # the forced word counts, and one of the other two must come in as well
        total = Total("second é", 0, 0, [(0, 0), (0, 1), (0, 2)], 300.0)
        chosen, missed, _ = group_choice.solve(stretches, [total])
        self.assertEqual(chosen, [[0, 1]])
        self.assertEqual([(t.name, got) for t, got in missed], [("second é", 2)])


if __name__ == "__main__":
    unittest.main()
