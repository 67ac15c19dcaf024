"""Reading and rewriting the lexicon's fill files (lexicon/data/fillNN.tsv).

Lines starting with '#' are comments; the last comment line before the entries names the columns.
Entry lines are tab-separated: group, index, word, code, then evidence columns. Rewriting keeps
every line and column as it was and fills only the code and the code's evidence column.
"""
import os

EVIDENCE_COLUMN_NAMES = ("code_source", "code_basis", "code_evidence")


class FillFile:
    def __init__(self, path):
        self.path = path
        with open(path, encoding="utf-8") as f:
            self.lines = f.read().split("\n")
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        self.header_line = None
        for i, line in enumerate(self.lines):
            if not line.startswith("#"):
                break
            self.header_line = i
        self.columns = self._columns()
        self.evidence_col = next((self.columns.index(n) for n in EVIDENCE_COLUMN_NAMES if n in self.columns), None)

    def _columns(self):
        if self.header_line is None:
            return ["group", "index", "word", "code"]
        return self.lines[self.header_line].lstrip("#").strip().split("\t")

    def entries(self):
        """(line number, group, index, word, code) for each entry line."""
        for i, line in enumerate(self.lines):
            if not line or line.startswith("#"):
                continue
            f = line.split("\t")
            yield i, int(f[0]), int(f[1]), f[2], f[3] if len(f) > 3 else ""

    def set_code(self, line_no, code, evidence):
        if self.evidence_col is None:
            self.columns.append("code_source")
            self.evidence_col = len(self.columns) - 1
            if self.header_line is not None:
                self.lines[self.header_line] = "# " + "\t".join(self.columns)
        f = self.lines[line_no].split("\t")
        while len(f) < len(self.columns):
            f.append("")
        f[3] = code
        f[self.evidence_col] = evidence
        self.lines[line_no] = "\t".join(f)

    def save(self):
        with open(self.path, "w", encoding="utf-8") as f:
            f.write("\n".join(self.lines) + "\n")


def fill_paths(directory):
    return [os.path.join(directory, "fill%02d.tsv" % n) for n in range(1, 16)]
