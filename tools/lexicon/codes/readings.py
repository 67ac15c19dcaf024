"""A reader's verdict on the objective use of each verb whose code is ours (objective-readings.tsv).

Neither a base verb nor a rate by ending settles whether a verb takes an object: a preverb can take
it away ("belenéz a szemébe", "közrejátszik") or bring one ("lekopogja"), a frequentative follows its
own use, and a spell checker builds definite forms of every verb. A reader of Hungarian rated each
verb whose code is ours, and the rating decides the objective digit over the inherited, usual and
counted ones; the lexicon's tests check that every such code carries it.
"""
import os

from ..paths import require

DEFAULT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "objective-readings.tsv")


class ObjectiveReadings:
    def __init__(self, path=DEFAULT_PATH):
        self.digit_of = {}  # word -> ("0" or "1", the reader's note)
        if path:  # None: no readings
            with open(require(path, "objective readings"), encoding="utf-8") as f:
                for line in f:
                    if line.startswith("#") or not line.strip():
                        continue
                    word, digit, note = (line.rstrip("\n").split("\t") + [""] * 3)[:3]
                    self.digit_of[word] = (digit, note)

    def reading(self, word):
        """(digit, note) of the reader's verdict on `word`, or None where it was not read."""
        return self.digit_of.get(word)
