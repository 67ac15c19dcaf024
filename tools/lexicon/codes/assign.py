"""Decides the code of every lexicon word: stated, from its base verb, or by the regularities.

Order of authority for one entry:
1. a whole code stated for the element or the word;
2. for a compound of a separable preverb and a lexicon verb, the base verb's code with preverb
   digit "2" ("27" becomes "12", a "02" usage becomes "01");
3. otherwise each field by its regularity, lexical choices settled by hunspell evidence where it
   tells the candidates apart, else the usual value.
A reader's verdict on the verb's objective use (codes/readings.py) overrides the objective digit
of 2 and 3; fields named for the word (departures listed with the data) override both.
"""
from .evidence import Evidence
from .objective import ObjectiveUse
from .readings import ObjectiveReadings
from .facts import FIELDS, field, with_field
from .phonology import VOWELS, core_of, harmony, syllables, vowel_alternatives, vowel_digit
from .preverbs import candidate_splits, split
from . import rules

UNSTABLE_CLASS = {"l": "05", "r": "06", "g": "08", "z": "19"}
STABLE_CLASS = {"l": "01", "r": "01", "g": "07", "z": "18"}
# Cores with only i/í whose vowel class the data names: back, else front.
BACK_NEUTRAL_CORES = {"bír", "bíz", "csitít", "dív", "fing", "fitít", "hí", "hígít", "hív", "híz", "ifjít",
                      "indít", "ing", "irt", "isz", "izz", "izzít", "nyit", "nyíl", "piszkít", "sikl",
                      "simít", "sivít", "szít", "szív", "sír", "tilt", "vidít", "virít", "ír", "ív"}
FRONT_NEUTRAL_CORES = {"bicikliz", "ciciz", "csíp", "dribliz", "díszl", "díszít", "frissít", "hint", "hisz",
                       "hisztiz", "hírl", "ihl", "ill", "int", "pisil", "visz", "ízl"}


# Classes of single irregular verbs ("megy", "van"); never a candidate for another verb.
IRREGULAR_ONLY_CLASSES = {"99"}


class Decision:
    """A decided code with its basis ("stated", "base", "rule", "evidence") and a note."""

    def __init__(self, code, basis, notes, alternatives=()):
        self.code = code
        self.basis = basis
        self.notes = notes
        # Other values a lexical choice allowed: (field, value); the engine check may prefer one.
        self.alternatives = list(alternatives)

    def evidence_text(self):
        head = {"stated": "stated", "base": "base verb", "rule": "rules", "evidence": "rules+evidence",
                "engine": "rules+engine+hunspell"}[self.basis]
        return head + ("; " + "; ".join(self.notes) if self.notes else "")


class CodeAssigner:
    def __init__(self, lexicon_words, facts, analyser, candidates=None, objective_use=None, readings=None):
        self.words = set(lexicon_words)
        self.objective_use = objective_use or ObjectiveUse(None)
        self.readings = readings or ObjectiveReadings(None)
        self.facts = facts
        self.evidence = Evidence(analyser)
        self.analyser = analyser
        self.candidates = candidates or {}
        self._memo = {}
        self._row_classes = None
        # Decisions replaced after the engine's evidence, by word.
        self.overrides = {}
        # Lexical choices of each word decided by the rules: [(kind, confirmed by hunspell)].
        self.choices = {}

    # --- preverb -------------------------------------------------------------------------------

    def preverb_of(self, word):
        """(digit, preverb, remainder) of a word without a stated code.

        A word that begins with a separable preverb is a compound ("2") unless it is named as a
        simple verb, or no split leaves a lexicon verb and the candidate list knows the word only
        as a simple one ("lebeg", "kiabál").
        """
        named = self.facts.fields_of.get(word, {}).get("preverb")
        preverb, rest = split(word, self.words)
        if named and named[0] == "1":
            return "1", "", word
        if not preverb:
            return ("2" if named else "1"), "", word
        if rest in self.words or named:
            return "2", preverb, rest
        cand = self.candidates.get(word)
        if cand is not None and cand[0] in ("pv", "pvder") and cand[1] in candidate_splits(word):
            return "2", cand[1], word[len(cand[1]):]
        if cand is not None:
            return "1", "", word
        return "2", preverb, rest

    # --- the whole code ------------------------------------------------------------------------

    def decide(self, group, index, word):
        stated = self.facts.stated_code(group, index, word)
        if stated:
            return Decision(stated, "stated", [])
        return self.derive(word)

    def code_of_word(self, word):
        stated = self.facts.code_of.get(word)
        return stated if stated else self.derive(word).code

    def derive(self, word):
        if word in self.overrides:
            return self.overrides[word]
        if word in self._memo:
            return self._memo[word]
        digit, preverb, rest = self.preverb_of(word)
        if digit == "2" and rest != word and rest in self.words:
            decision = self._from_base(word, rest)
        else:
            decision = self._by_rules(word, digit, preverb)
        decision = self._apply_reading(word, decision)
        decision = self._apply_named(word, decision)
        self._memo[word] = decision
        return decision

    def _from_base(self, word, base):
        code = "2" + self.code_of_word(base)[1:]
        notes = ["base " + base]
        if field(code, "class") == "27":
            code = with_field(code, "class", "12")
            notes.append("class 27->12")
        if field(code, "usage") == "02":
            code = with_field(code, "usage", "01")
            notes.append("usage 02->01")
        if word.endswith("ragad"):
            # Compounds of "ragad" are stored as sticking: the meaning question replaces the rest.
            code = code[:4] + "01200"
            notes.append("ragad compound 01/20")
        else:
            code = self._compound_objective(word, base, code, notes)
        return Decision(code, "base", notes)

    def _compound_objective(self, word, base, code, notes):
        """The base verb's objective digit, unless the compound's own use shows otherwise (a preverb
        makes some verbs transitive: "átússza", "bejárja") or its preverb takes the object away."""
        base_obj = field(code, "objective")
        preverb = word[:len(word) - len(base)]
        usual = "0" if preverb in rules.INTRANSITIVE_PREVERBS else base_obj
        definite = self.hunspell_definite(word, harmony(field(code, "vowel")))
        obj, note, from_evidence = self.objective_use.decide(word, usual, definite,
                                                             self.own_forms(word, field(code, "class")), True)
        if obj == base_obj:
            # An intransitive verb has no -lak/-lek form to show, whatever its base shows.
            return code if obj == "1" else with_field(code, "sg1to2", "0")
        if not from_evidence:
            note = "objective %s preverb %s" % (obj, preverb)
        notes.append(note + " (base %s)" % base_obj)
        sg, _ = self._sg1_to_2_digit(word, harmony(field(code, "vowel")), obj, [], notes)
        return with_field(with_field(code, "objective", obj), "sg1to2", sg)

    def _apply_reading(self, word, decision):
        """The reader's objective digit over the inherited or counted one; the -lak/-lek digit follows
        a changed digit as it would have followed the reader's from the start."""
        reading = self.readings.reading(word)
        if reading is None or "objective" in self.facts.fields_of.get(word, {}):
            return decision  # a digit the code facts name was checked form by form
        digit, remark = reading
        note = "objective %s reader" % digit + (" '%s'" % remark if remark else "")
        code = decision.code
        h = harmony(field(code, "vowel"))
        if digit == "1" and field(code, "objective") != "1" and self.hunspell_definite(word, h) is False:
            # hunspell-hu knows the verb and conjugates it only indefinitely: its forms would be
            # unknown words, so a marginal transitive use does not carry the column
            decision.notes.append(note + " overruled: hunspell-hu builds no definite form")
            return decision
        if field(code, "objective") == digit:
            decision.notes.append(note)
            return decision
        # the -lak/-lek note of the digit given up no longer holds
        decision.notes = [n for n in decision.notes if not n.startswith("-lak/-lek")]
        decision.notes.append(note + " over %s" % field(code, "objective"))
        sg, _ = self._sg1_to_2_digit(word, h, digit, [], decision.notes)
        decision.code = with_field(with_field(code, "objective", digit), "sg1to2", sg)
        return decision

    def _apply_named(self, word, decision):
        named = self.facts.fields_of.get(word, {})
        code = decision.code
        changed = []
        for name in FIELDS:
            if name in named and field(code, name) != named[name][0]:
                code = with_field(code, name, named[name][0])
                changed.append(name)
        # A verb named intransitive has no -lak/-lek form to show, whatever its rules or base gave.
        if "objective" in changed and field(code, "objective") != "1" and field(code, "sg1to2") != "0" \
                and "sg1to2" not in named:
            code = with_field(code, "sg1to2", "0")
            changed.append("sg1to2")
        if changed:
            decision.notes.append("named " + ",".join(changed))
        decision.code = code
        return decision

    # --- by the regularities -------------------------------------------------------------------

    def _by_rules(self, word, pdigit, preverb):
        core = core_of(word, preverb)
        is_ik = word.endswith("ik") and len(word) > 2
        notes = []
        alternatives = []
        choices = self.choices.setdefault(word, [])
        choices.clear()
        used_evidence = False

        vdigit = vowel_digit(core)
        if vdigit is None:
            if core in BACK_NEUTRAL_CORES:
                vdigit = "1"
            elif core in FRONT_NEUTRAL_CORES:
                vdigit = "2"
            else:
                pick, forms = self.evidence.decide(word, self.evidence.vowel_forms(word))
                choices.append(("vowel", pick is not None))
                if pick:
                    vdigit = pick
                    used_evidence = True
                    notes.append("vowel %s hunspell %s" % (pick, forms[0]))
                else:
                    vdigit = "1"
                    notes.append("vowel 1 usual")
                alternatives.append(("vowel", "2" if vdigit == "1" else "1"))
        else:
            alternatives.extend(("vowel", v) for v in vowel_alternatives(core, vdigit))
        h = harmony(vdigit)

        cls = rules.irregular_class(core, is_ik)
        if cls is None:
            row = rules.class_row(word, core)
            cls = row.usual
            if row.choice == "unstable":
                pick, forms = self.evidence.decide(word, self.evidence.unstable_forms(word, h))
                choices.append(("unstable", pick is not None))
                last = word[-1]
                if pick == "drop":
                    cls = UNSTABLE_CLASS[last]
                elif pick == "keep":
                    cls = STABLE_CLASS[last]
                if pick:
                    used_evidence = True
                    notes.append("class %s hunspell %s" % (cls, forms[0]))
                else:
                    notes.append("class %s usual" % cls)
                other = UNSTABLE_CLASS[last] if cls == STABLE_CLASS[last] else STABLE_CLASS[last]
                alternatives.append(("class", other))
            elif row.choice == "ik-first":
                pick, forms = self.evidence.decide(word, self.evidence.ik_first_forms(word, h))
                choices.append(("ik-triple", pick is not None))
                if pick == "k":
                    cls = "61"
                if pick:
                    used_evidence = True
                    notes.append("class %s hunspell %s" % (cls, forms[0]))
                else:
                    notes.append("class %s usual" % cls)
                alternatives.extend(("class", c) for c in ("38", "61", "84") if c != cls)
            elif cls == "31" and word.endswith(("odik", "edik")) and word[:-4] + "szik" in self.words:
                # A -dik verb with a -szik twin ("gazdagodik"/"gazdagszik") has the -d- stem class.
                cls = "32"
                notes.append("class 32 twin " + word[:-4] + "szik")
            elif row.others and "27" in row.others:
                choices.append(("12/27", False))
                notes.append("class 12 usual")

        known = {v for f, v in alternatives if f == "class"}
        alternatives.extend(("class", c) for c in self.class_candidates(word, core) if c != cls and c not in known)

        caus = rules.causative_digit(word, core)
        if (not is_ik and not word.endswith("t") and syllables(core) <= 1
                and core not in rules.NO_CAUSATIVE_CORES and core not in rules.TAT_CAUSATIVE_CORES):
            pick, forms = self.evidence.decide(word, self.evidence.causative_forms(word, h))
            choices.append(("causative", pick is not None))
            if pick:
                caus = pick
                used_evidence = True
                notes.append("causative %s hunspell %s" % (pick, forms[0]))
            alternatives.append(("causative", "0" if caus == "1" else "1"))

        usual = rules.objective_digit(word, core, cls, caus)
        obj, note, from_texts = self.objective_use.decide(word, usual, self.hunspell_definite(word, h),
                                                          self.own_forms(word, cls), rules.firmly_transitive(word, cls))
        choices.append(("objective", from_texts))
        used_evidence |= from_texts
        notes.append(note)
        sg, from_hunspell = self._sg1_to_2_digit(word, h, obj, choices, notes)
        used_evidence |= from_hunspell

        code = pdigit + vdigit + "01" + cls + caus + obj + sg
        return Decision(code, "evidence" if used_evidence else "rule", notes, alternatives)

    def _sg1_to_2_digit(self, word, h, obj, choices, notes):
        """The -lak/-lek digit: "0" for a verb without objective use; for a transitive one "1" where
        hunspell-hu has the -lak/-lek form, "2" (in parentheses) where it knows the verb but not that form.
        Returns the digit and whether hunspell-hu decided it."""
        if obj != "1":
            return "0", False
        seen = self.evidence.recognised(word, self.evidence.lak_forms(word, h))["yes"]
        known = self.known_verb(word)
        choices.append(("-lak/-lek", bool(seen) or known))
        if seen:
            notes.append("-lak/-lek 1 hunspell " + seen[0])
            return "1", True
        if known:
            notes.append("-lak/-lek 2 hunspell has no such form")
            return "2", True
        notes.append("-lak/-lek 1 usual")
        return "1", False

    def hunspell_definite(self, word, h):
        """Whether hunspell-hu builds definite forms of the verb; None when it does not know the verb."""
        if not self.known_verb(word):
            return None
        return bool(self.evidence.recognised(word, self.evidence.definite_forms(word, h))["yes"])

    def own_forms(self, word, cls):
        """Whether the definite forms counted for the word are its own: not for an irregular verb, nor
        for an -ik verb beside its twin without -ik ("bízik" beside "bíz", "bánik" beside "bán")."""
        return cls not in IRREGULAR_ONLY_CLASSES and not (word.endswith("ik") and word[:-2] in self.words)

    def class_candidates(self, word, core):
        """Classes the engine check may try for a verb decided by its row: the row's usual and other
        classes, the classes that at least two stated simple verbs of the same row carry, and the
        unstable-vowel class where the stem ends in o/e/ö and one consonant ("terem", "termett")."""
        if rules.irregular_class(core, word.endswith("ik") and len(word) > 2):
            return []
        row = rules.class_row(word, core)
        result = [row.usual] + list(row.others)
        stated = self.stated_row_classes().get((row.name, row.usual), {})
        result.extend(c for c, n in sorted(stated.items(), key=lambda kv: (-kv[1], kv[0])) if n >= 2)
        if (not word.endswith("ik") and syllables(core) >= 2 and len(core) > 2 and core[-2] in "oeö"
                and core[-1] not in VOWELS and core[-3] not in VOWELS):
            result.append(UNSTABLE_CLASS.get(core[-1], "05"))
        unique = []
        for c in result:
            if c not in unique and c not in IRREGULAR_ONLY_CLASSES:
                unique.append(c)
        return unique

    def stated_row_classes(self):
        """{(row name, usual class): {class: count}} over the stated codes of simple verbs."""
        if self._row_classes is None:
            self._row_classes = {}
            for word, code in self.facts.code_of.items():
                if len(code) != 9 or code[0] != "1":
                    continue
                core = core_of(word, "")
                if rules.irregular_class(core, word.endswith("ik") and len(word) > 2):
                    continue
                row = rules.class_row(word, core)
                counts = self._row_classes.setdefault((row.name, row.usual), {})
                counts[field(code, "class")] = counts.get(field(code, "class"), 0) + 1
        return self._row_classes

    def known_verb(self, word):
        """Whether hunspell knows the dictionary form as a verb (so a missing form is telling)."""
        for analysis in self.analyser.analyses(word):
            fields = analysis.split()
            if "po:vrb" not in fields or any(f.startswith("ds:") for f in fields):
                continue
            stems = [f[3:] for f in fields if f.startswith("st:")]
            prefixes = [f[3:] for f in fields if f.startswith("sp:")]
            if (prefixes[0] if prefixes else "") + (stems[0] if stems else "") == word:
                return True
        return False

    def prefetch(self, words):
        """Analyse every form the decisions may need, in one hunspell run."""
        forms = []
        for w in words:
            forms.append(w)
            for h in ("back", "front", "rounded"):
                for gen in (self.evidence.unstable_forms, self.evidence.ik_first_forms,
                            self.evidence.definite_forms, self.evidence.lak_forms,
                            self.evidence.causative_forms):
                    forms.extend(f for pairs in gen(w, h).values() for f, _ in pairs)
            forms.extend(f for pairs in self.evidence.vowel_forms(w).values() for f, _ in pairs)
        self.analyser.analyse_all(forms)
