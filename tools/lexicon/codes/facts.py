"""Facts about single entries' codes: whole codes and single fields named for a word.

The facts file (tools/lexicon/code_facts.tsv) has the columns word, group, index, field, value and
note. `field` is "code" for a whole nine-character code, otherwise one of preverb, vowel, usage,
class, causative, objective, sg1to2. A fact with an index applies to that element only; one without
applies to the word wherever it stands. A "stated" row keeps the code the documentation states where
the "code" row beside it stores a mended one (a stated code that gives plainly wrong forms).
"""
import csv

FIELDS = ("preverb", "vowel", "usage", "class", "causative", "objective", "sg1to2")
# Positions of the fields in a nine-character code.
SLICES = {"preverb": (0, 1), "vowel": (1, 2), "usage": (2, 4), "class": (4, 6), "causative": (6, 7),
          "objective": (7, 8), "sg1to2": (8, 9)}


def field(code, name):
    a, b = SLICES[name]
    return code[a:b]


def with_field(code, name, value):
    a, b = SLICES[name]
    return code[:a] + value + code[b:]


class Facts:
    def __init__(self, path):
        self.code_at = {}      # (group, index) -> code
        self.code_of = {}      # word -> code (first stated)
        self.fields_of = {}    # word -> {field: (value, note)}
        self.mended = {}       # word -> the stated code that its stored code mends
        with open(path, encoding="utf-8") as f:
            rows = csv.reader((line for line in f if not line.startswith("#")), delimiter="\t")
            for row in rows:
                if not row:
                    continue
                word, group, index, name, value, note = (row + [""] * 6)[:6]
                if name == "code":
                    if index:
                        self.code_at[(int(group), int(index))] = value
                    self.code_of.setdefault(word, value)
                elif name == "stated":
                    self.mended[word] = value
                else:
                    self.fields_of.setdefault(word, {})[name] = (value, note)

    def stated_code(self, group, index, word):
        return self.code_at.get((group, index)) or self.code_of.get(word)
