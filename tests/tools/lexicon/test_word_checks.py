"""The word checks reject what the sources show to be no dictionary verb of its own, one row a kind,
on analysis lines written out as hunspell-hu gives them (no hunspell-hu needed)."""
import unittest

from tools.lexicon.words import verbhood
from tools.lexicon.words.verbhood import Evidence, Reading


def verb(stem, preverb="", tags=("ts:PRES_INDIC_INDEF_SG_3",)):
    """An analysis line reading a word as a verb: preverb (if any), stem, tags."""
    return (["ip:PREF", f"sp:{preverb}"] if preverb else []) + [f"st:{stem}", "po:vrb", *tags]


def form(verbs, nominal=(), lexicalised=False, misspelt=False, dictionary=False):
    return Reading(set(verbs), set(nominal), lexicalised, misspelt, dictionary)


def fault_of(word, preverb="", known=(), lines=None, evidence=Evidence(), vouched=False):
    lines = lines or {}
    lines.setdefault(word, [verb(word[len(preverb):], preverb)])
    known = set(known) | ({word[len(preverb):]} if preverb else set())
    return verbhood.fault(word, preverb, known, set(), lines, vouched=vouched, evidence=evidence)


class EvidenceChecks(unittest.TestCase):
    def test_each_kind_of_word_that_is_no_entry_of_its_own(self):
        rows = [
            # a noun hunspell-hu also builds as a verb, never used as one ("metszette" is of "metsz")
            ("another part of speech", "metszet", "", (), {"metszet": [["st:metszet", "po:noun", "ts:NOM"],
                                                                       verb("metszet")]},
             Evidence(sources="AHMYt")),
            # the noun is seen in the texts, but its forms are the noun's ("nézetek"), not the verb's
            ("another part of speech", "nézet", "", (), {"nézet": [["st:nézet", "po:noun", "ts:NOM"], verb("nézet")]},
             Evidence(occurrences=16.5, sources="AHMYt", verbal_forms=2)),
            # the -ik-less spelling beside the -ik verb, with no use of its own
            ("an -ik-less doublet of an -ik verb", "korcsolyáz", "", {"korcsolyázik"}, None,
             Evidence(occurrences=2.5, twin_occurrences=2.5)),
            # the -ik twin whose one witness is a form of the plain verb the base has ("rogy")
            ("an -ik doublet of a plain verb on one witness", "megrogyik", "meg", (), None,
             Evidence(witness={"megrogyott": form({"megrogy", "megrogyik"})}, complete=True)),
            # a spelling without accents beside the accented verb
            ("another verb without its accents", "kitorol", "ki", {"kitöröl"}, None, Evidence()),
            # its one witness is another verb's form typed without accents ("leírtátok")
            ("another verb's form without its accents", "leirtat", "le", (), None,
             Evidence(witness={"leirtatok": form({"leirtat"}, misspelt=True)}, complete=True)),
            # a preverb that follows a noun as its postposition: "a kapun keresztül kell csatolni"
            ("witnessed only across a phrase", "keresztülcsatol", "keresztül", (), None,
             Evidence(split_groups=["keresztül kell csatolni"])),
            # the witness is the past of a known verb
            ("witnessed only by forms of another verb", "meghallgattat", "meg", {"meghallgat"}, None,
             Evidence(witness={"meghallgattatok": form({"meghallgattat", "meghallgat"})}, complete=True)),
            # the witness is the dictionary form of the transitive verb
            ("witnessed only by forms of another verb", "kiböffen", "ki", (), None,
             Evidence(witness={"kiböffent": form({"kiböffen"}, dictionary=True)}, complete=True)),
            # only the noun is seen, a word of its own ("közbe" + "szerzés")
            ("a back-formation from a noun", "közbeszerez", "közbe", (), None,
             Evidence(witness={"közbeszerzés": form({"közbeszerez"}, {"közbeszerez"}, lexicalised=True)})),
            # a -tat causative on a frequentative, given by a generated word list alone
            (verbhood.UNWITNESSED_DERIVATIVE, "leslattyogtat", "", (), None,
             Evidence(sources="A", derived_from="leslattyog")),
        ]
        for kind, word, preverb, known, lines, evidence in rows:
            with self.subTest(word=word):
                self.assertEqual(fault_of(word, preverb, known, lines, evidence), kind)

    def test_words_the_same_checks_keep(self):
        rows = [
            # "megér" is used on its own, far more than "megérik"
            ("megér", "meg", {"megérik"}, Evidence(occurrences=60.7, twin_occurrences=33.7)),
            # the plain verb keeps the form it shares with its -ik twin
            ("megrogy", "meg", (), Evidence(witness={"megrogyott": form({"megrogy", "megrogyik"})}, complete=True,
                                            twin_mine=True)),
            # a split witness after the finite verb counts for a postposition-like preverb
            ("keresztülvisz", "keresztül", (), Evidence(split_groups=["vidd keresztül"])),
            # an -ás/-és form that is no noun of its own still witnesses the verb
            ("kiformál", "ki", (), Evidence(witness={"kiformálás": form({"kiformál"}, {"kiformál"})})),
            # a derivative a dictionary gives
            ("lépeget", "", (), Evidence(sources="AFH", derived_from="lép")),
            # the forms seen are not all: the first three of many prove nothing against it
            ("leporol", "le", {"leporlik"},
             Evidence(witness={"leporolja": form({"leporol", "leporlik"})}, complete=False)),
        ]
        for word, preverb, known, evidence in rows:
            with self.subTest(word=word):
                self.assertIsNone(fault_of(word, preverb, known, None, evidence))

    def test_a_verb_that_is_also_a_noun_stays_on_forms_of_its_own(self):
        lines = {"kellet": [["st:kellet", "po:noun", "ts:NOM"], verb("kellet")]}  # "kelleti magát"
        self.assertIsNone(fault_of("kellet", "", (), lines, Evidence(occurrences=6, sources="AHTY", verbal_forms=6)))

    def test_a_word_the_design_or_a_dictionary_gives_is_not_questioned(self):
        self.assertIsNone(fault_of("korcsolyáz", "", {"korcsolyázik"}, None, Evidence(), vouched=True))

    def test_diacritic_variants_restore_umlauts_and_accents_fewest_first(self):
        variants = verbhood.diacritic_variants("kitorol")
        self.assertIn("kitöröl", variants)
        self.assertNotIn("kitorol", variants)
        self.assertLess(variants.index("kitórol"), variants.index("kitöröl"))
        self.assertEqual(len(verbhood.diacritic_variants("kitorol", 5)), 5)


if __name__ == "__main__":
    unittest.main()
