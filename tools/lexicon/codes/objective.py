"""The objective digit from evidence of objective use, over the rates by ending and class.

hunspell-hu builds definite forms for intransitive verbs too, so what it accepts shows nothing; what
people wrote does. objective-use.tsv (built by collect_objective_use.py) counts, verb by verb, the
tokens of definite forms ("magyarázza", "okozta") and of plain forms in Debian's Hungarian running
text, the definite and other forms of the verb in tesseract-ocr-hun's word list (forms seen in text,
with some noise: it lists "rohanja"), and holds a freedict phrase where the verb takes "vmit" or
"vkit". The regularity (-ik verbs, -ul/-ül, the intransitive classes, -ad/-ed and -an/-en without a
causative are "0") gives the usual digit; the evidence overrules it only where it is clear:

- objective use: a freedict phrase with an object; definite forms in running text that read as
  nothing else and make up a fair share of the verb's tokens (a preverb standing apart, "járja be",
  lends the base a stray definite form); or a fair share of definite forms among the verb's forms
  in the word list. -ik verbs, nearly all intransitive, need more;
- no objective use: a verb that hunspell-hu knows but conjugates only indefinitely ("mulat"), a verb
  written often ("kattint") and never in a definite form, or listed in several forms and not one of
  them definite ("marad", "indul").
A verb the evidence does not show keeps the usual digit.
"""
import os

from ..paths import require

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "objective-use.tsv")
# Definite tokens in running text that read as nothing else, and their least share of the verb's tokens.
MIN_DEFINITE, MIN_SHARE = 2, 0.05
MIN_DEFINITE_IK, MIN_SHARE_IK = 3, 0.10
# Definite forms in the word list, and their least share of the verb's listed forms.
MIN_LISTED, MIN_LISTED_SHARE = 2, 0.25
MIN_LISTED_IK = 3
# Plain tokens, or listed forms, with not one definite form, that show a verb used without an object.
MIN_PLAIN_WITHOUT_OBJECT = 40
MIN_LISTED_WITHOUT_OBJECT = 4


class Use:
    def __init__(self, fields):
        self.definite = int(fields[1])
        self.clean = int(fields[2])
        self.plain = int(fields[3])
        self.forms = fields[4]
        self.listed_forms = fields[6]
        self.listed = int(fields[6].split(":")[0]) if fields[6] else 0
        self.listed_plain = int(fields[7])
        self.phrase = fields[8]

    def share(self):
        return self.clean / max(self.definite + self.plain, 1)

    def listed_share(self):
        return self.listed / max(self.listed + self.listed_plain, 1)


class ObjectiveUse:
    def __init__(self, path=DEFAULT_PATH):
        self.use = {}
        if path:  # None: no evidence of use at all
            with open(require(path, "objective use table (collect-objective-use)"), encoding="utf-8") as f:
                for line in f:
                    if not line.startswith("#"):
                        fields = line.rstrip("\n").split("\t")
                        self.use[fields[0]] = Use(fields)

    def decide(self, word, usual, hunspell_definite=None, own_forms=True, firm=False):
        """(digit, note, whether the evidence decided) for a verb whose regularity gives `usual`.
        `hunspell_definite` tells whether hunspell-hu builds definite forms of the verb (None: it does
        not know the verb). It builds them for intransitive verbs too, so having them shows nothing,
        but a verb it knows and conjugates only indefinitely ("mulat", "telefonoz") is intransitive
        in its lexicon. `own_forms` is False where the definite forms counted for the verb are as
        likely another's: an -ik verb beside its twin without -ik ("bízza" of "bíz", not "bízik"),
        and the irregular verbs ("megmented" is read as "megmegy"). `firm` marks a usual digit that the
        word list's few forms cannot overturn: a compound's, which its base verb gives, and that of
        the kinds nearly always transitive ("írogat", "sarkít")."""
        u = self.use.get(word)
        if u is None:
            if hunspell_definite is False:
                return "0", "objective 0 hunspell builds no definite form", True
            return usual, "objective %s usual" % usual, False
        ik = word.endswith("ik")
        least, share = (MIN_DEFINITE_IK, MIN_SHARE_IK) if ik else (MIN_DEFINITE, MIN_SHARE)
        # A phrase confirms the usual "1"; against the usual "0" (a slip such as "porrá őrül vmit")
        # it needs a definite form that people wrote too.
        attested = own_forms and (u.clean if ik else u.definite + u.listed)
        if u.phrase and (usual == "1" and not ik or attested):
            return "1", "objective 1 freedict '%s'" % u.phrase.lstrip("0123456789. "), True
        if own_forms and u.clean >= least and u.share() >= share:
            return "1", "objective 1 texts %s" % u.forms, True
        if (own_forms and u.listed >= (MIN_LISTED_IK if ik else MIN_LISTED)
                and u.listed_share() >= MIN_LISTED_SHARE):
            return "1", "objective 1 word list %s of %d forms" % (u.listed_forms, u.listed + u.listed_plain), True
        if hunspell_definite is False:
            return "0", "objective 0 hunspell builds no definite form", True
        if u.definite == 0 and u.plain >= MIN_PLAIN_WITHOUT_OBJECT:
            return "0", "objective 0 texts %d plain forms, no definite" % u.plain, True
        if not firm and u.definite == 0 and u.listed == 0 and u.listed_plain >= MIN_LISTED_WITHOUT_OBJECT:
            return "0", "objective 0 word list %d forms, no definite" % u.listed_plain, True
        return usual, "objective %s usual" % usual, False
