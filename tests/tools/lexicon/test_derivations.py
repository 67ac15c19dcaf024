"""The productive derivations offered where witnessed verbs run out: what each verb may make, and
which of these hunspell-hu's analyses confirm (the lines written out as it gives them)."""
import unittest

from tools.lexicon.words import derivations


class Proposals(unittest.TestCase):
    def test_a_transitive_verb_makes_its_causative_and_middle_voice_an_intransitive_one_not(self):
        transitive = derivations.proposals("vizsgál", True)
        self.assertTrue({"vizsgáltat", "vizsgálgat", "vizsgálódik"} <= transitive)
        intransitive = derivations.proposals("fut", False)
        self.assertIn("futogat", intransitive)
        self.assertFalse({"futtat", "futódik"} & intransitive)

    def test_an_ik_verb_derives_from_its_stem_and_a_derived_verb_is_not_derived_again(self):
        self.assertIn("dolgoztat", derivations.proposals("dolgozik", True))
        self.assertEqual(derivations.proposals("nézeget", True), set())
        self.assertEqual(derivations.proposals("tanít", True) & {"tanul", "tanül"}, {"tanul", "tanül"})
        self.assertEqual(derivations.proposals("javul", False), {"javít"})


class Confirmation(unittest.TestCase):
    def test_only_a_verb_of_its_own_or_the_causative_of_that_verb_stands(self):
        origin = {"vizsgáltat": "vizsgál", "olvasgat": "olvas", "kérget": "kér", "húzat": "húz", "mosat": "ver",
                  "laminálódik": "laminál", "írat": "ír"}
        lines = {
            "vizsgáltat": [["st:vizsgál", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3", "ds:tAt_FACTITIVE_vrb_tr",
                            "ts:PRES_INDIC_INDEF_SG_3"],
                           ["st:vizsgál", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3", "ds:tt_PASTPART_adj", "ts:NOM",
                            "is:ACC"]],
            "olvasgat": [["st:olvasgat", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3"]],
            "kérget": [["st:kéreg", "po:noun", "ts:PLUR", "ts:NOM", "is:ACC"]],
            # a participle made adjective is no verb
            "húzat": [["st:húz", "po:vrb", "ds:tt_PASTPART_adj", "ts:NOM"]],
            # the causative of another verb than the one it was made of
            "mosat": [["st:mos", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3", "ds:At_FACTITIVE_vrb_tr",
                       "ts:PRES_INDIC_INDEF_SG_3"]],
            # the causative inflected: a form of it, not its dictionary form
            "írat": [["st:ír", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3", "ds:At_FACTITIVE_vrb_tr", "is:IMPER_INDEF_SG_2"]],
            # a middle voice hunspell-hu builds for any verb, not a verb of its own
            "laminálódik": [["st:laminál", "po:vrb", "ts:PRES_INDIC_INDEF_SG_3", "ds:Ódik_PASSIVE_vrb_it",
                             "ts:PRES_INDIC_INDEF_SG_3"]],
        }
        self.assertEqual(derivations.confirmed(origin, lines), {"vizsgáltat": "vizsgál", "olvasgat": "olvas"})


if __name__ == "__main__":
    unittest.main()
