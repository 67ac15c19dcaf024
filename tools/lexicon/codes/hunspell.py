"""Morphological evidence from hunspell-hu: is a generated form analysed as a form of the verb?

A form counts only when hunspell analyses it with the verb itself as its stem (or the verb's
remainder as stem and its preverb as prefix) and with the expected tag; a bare spell check is not
enough, since a noun reading can accept a wrong verb form.
"""
import shutil
import subprocess


class Analyser:
    """Caches hunspell's analyses of many forms, analysed in one pipe run per batch."""

    def __init__(self, dictionary="hu_HU"):
        self.dictionary = dictionary
        self.available = shutil.which("hunspell") is not None
        self._cache = {}

    def analyse_all(self, forms):
        todo = sorted({f for f in forms if f not in self._cache and f and " " not in f})
        if not todo or not self.available:
            for f in todo:
                self._cache[f] = []
            return
        out = subprocess.run(["hunspell", "-d", self.dictionary, "-m"], input="\n".join(todo) + "\n",
                             capture_output=True, text=True, check=True).stdout
        blocks = out.split("\n\n")
        by_form = {}
        for block in blocks:
            for line in block.splitlines():
                form = line.split(" ", 1)[0]
                by_form.setdefault(form, []).append(line[len(form):].strip())
        for f in todo:
            self._cache[f] = by_form.get(f, [])

    def analyses(self, form):
        if form not in self._cache:
            self.analyse_all([form])
        return self._cache[form]

    def is_form_of(self, form, verb, tag):
        """Whether `form` is analysed as the verb `verb` (dictionary form) bearing `tag`."""
        for analysis in self.analyses(form):
            fields = analysis.split()
            if "po:vrb" not in fields:
                continue
            stems = [f[3:] for f in fields if f.startswith("st:")]
            prefixes = [f[3:] for f in fields if f.startswith("sp:")]
            lemma = (prefixes[0] if prefixes else "") + (stems[0] if stems else "")
            if lemma != verb:
                continue
            # The stem must be the verb itself, not a derivation of it: no derivational tag other
            # than the one asked for.
            derivations = [f[3:] for f in fields if f.startswith("ds:")]
            if any(d != tag for d in derivations):
                continue
            if ("is:" + tag) in fields or ("ds:" + tag) in fields:
                return True
        return False
