"""The fields of a word's code that the choice of words itself decides, as the code tool gives them:
the preverb digit (with the preverb it splits off) and the vowel digit. The stated figures count
compounds and vowel digits by the codes, so the word builder counts them the same way."""
import collections

from ..codes.assign import BACK_NEUTRAL_CORES, CodeAssigner
from ..codes.phonology import core_of, vowel_digit
from ..codes.preverbs import split

# `preverb` is "" for a simple verb (preverb digit "1"), and for a compound is the preverb the code
# tool splits off ("" for the two simple verbs of group k stated with digit "2", "kímél").
Entry = collections.namedtuple("Entry", "word preverb vowel")


class CodeView:
    def __init__(self, words, codes, facts, candidates, named_preverbs):
        """`words`: the lexicon's words; `codes`: word -> its code where one is decided already
        (stated, or in the data files); `facts`, `candidates`: the code tool's; `named_preverbs`:
        compounds whose preverb is not the longest prefix ("belehel": "be")."""
        self.assigner = CodeAssigner(words, facts, None, candidates)
        self.words = self.assigner.words
        self.codes, self.named = codes, named_preverbs
        self._memo = {}

    def entry(self, word):
        if word not in self._memo:
            self._memo[word] = self._entry(word)
        return self._memo[word]

    def _entry(self, word):
        code = self.codes.get(word)
        digit, preverb, rest = self.assigner.preverb_of(word)
        if code:
            digit = code[0]
        if digit == "2":
            preverb = self.named.get(word) or split(word, self.words)[0]
        else:
            preverb = ""
        if code:
            return Entry(word, preverb, code[1])
        base = word[len(preverb):]
        if preverb and base in self.words and base != word:
            return Entry(word, preverb, self.entry(base).vowel)
        core = core_of(word, preverb)
        vowel = vowel_digit(core) or ("1" if core in BACK_NEUTRAL_CORES else "2")
        return Entry(word, preverb, vowel)
