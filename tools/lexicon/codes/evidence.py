"""Distinguishing forms of a verb under each candidate of a lexical choice, checked with hunspell.

Each test generates the forms that tell the candidates apart and reports which candidate's forms
hunspell recognises as forms of the verb. A test decides only when exactly one side is recognised.
"""
SIBILANT_DOUBLING = [("dzs", "ddzs"), ("dz", "ddz"), ("zs", "zzs"), ("sz", "ssz"), ("cs", "ccs"),
                     ("s", "ss"), ("z", "zz"), ("c", "cc")]


def _suffix(h, back, front, rounded):
    return {"back": back, "front": front, "rounded": rounded}[h]


def _stem(word):
    return word[:-2] if word.endswith("ik") else word


class Evidence:
    """Runs the tests of the lexical choices for many verbs with few hunspell calls."""

    def __init__(self, analyser):
        self.analyser = analyser

    # Each *_forms function returns {candidate: [(form, tag), ...]}.

    @staticmethod
    def unstable_forms(word, h):
        """01/05, 07/08, 18/19, 01/06: the present participle and the action noun, with and without
        the stem's last vowel ("bérlő", "bérlés" against "bérelő", "bérelés")."""
        stem = _stem(word)
        dropped = stem[:-2] + stem[-1]
        part = _suffix(h, "ó", "ő", "ő")
        noun = _suffix(h, "ás", "és", "és")
        return {
            "drop": [(dropped + part, "Ó_PRESPART_adj"), (dropped + noun, "Ás_PROCESS/RESULT_noun")],
            "keep": [(stem + part, "Ó_PRESPART_adj"), (stem + noun, "Ás_PROCESS/RESULT_noun")],
        }

    @staticmethod
    def ik_first_forms(word, h):
        """-ik triples: the first person singular present in -m ("ázom") or only in -k ("ázok")."""
        stem = _stem(word)
        return {
            "m": [(stem + _suffix(h, "om", "em", "öm"), "PRES_INDIC_INDEF_SG_1")],
            "k": [(stem + _suffix(h, "ok", "ek", "ök"), "PRES_INDIC_INDEF_SG_1")],
        }

    @staticmethod
    def vowel_forms(word):
        """Cores with only i/í: the first person plural with back or front ending ("írunk", "hintünk")."""
        stem = _stem(word)
        return {"1": [(stem + "unk", "PRES_INDIC_INDEF_PL_1")],
                "2": [(stem + "ünk", "PRES_INDIC_INDEF_PL_1")]}

    @staticmethod
    def definite_forms(word, h):
        """Objective use: the definite third person singular present ("olvassa", "nézi") and the
        definite first person singular ("olvasom", "nézem")."""
        stem = _stem(word)
        if h == "back":
            third = stem + "ja"
            for plain, doubled in SIBILANT_DOUBLING:
                if stem.endswith(plain):
                    third = stem[: -len(plain)] + doubled + "a"
                    break
        else:
            third = stem + "i"
        forms = [(third, "PRES_INDIC_DEF_SG_3")]
        if not word.endswith("ik"):
            # An -ik verb's first person singular in -m is its subjective form too.
            forms.append((stem + _suffix(h, "om", "em", "öm"), "PRES_INDIC_DEF_SG_1"))
        return {"yes": forms}

    @staticmethod
    def lak_forms(word, h):
        """The -lak/-lek form, with or without a linking vowel ("hívlak", "tanítalak")."""
        stem = _stem(word)
        plain = stem + ("lak" if h == "back" else "lek")
        linked = stem + ("alak" if h == "back" else "elek")
        return {"yes": [(plain, "PRES_INDIC_SG_1_OBJ_2"), (linked, "PRES_INDIC_SG_1_OBJ_2")]}

    @staticmethod
    def causative_forms(word, h):
        """One-syllable cores: the causative in -at/-et ("vágat") or in -tat/-tet ("lőtet")."""
        stem = _stem(word)
        return {"1": [(stem + ("at" if h == "back" else "et"), "tAt_FACTITIVE_vrb_tr")],
                "0": [(stem + ("tat" if h == "back" else "tet"), "tAt_FACTITIVE_vrb_tr")]}

    def recognised(self, word, candidates):
        """{candidate: [recognised forms]} for the candidates of one test."""
        result = {}
        for cand, pairs in candidates.items():
            result[cand] = [f for f, tag in pairs if self.analyser.is_form_of(f, word, tag)]
        return result

    def decide(self, word, candidates):
        """(candidate, forms) when exactly one candidate's forms are recognised, else (None, seen)."""
        seen = self.recognised(word, candidates)
        hits = [c for c, forms in seen.items() if forms]
        if len(hits) == 1:
            return hits[0], seen[hits[0]]
        return None, seen
