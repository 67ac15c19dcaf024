"""Independent check of the lexicon's table forms against hunspell-hu's morphology.

Runs the developer tool `igeragozo-headless` over every verb of the embedded data (the fill
files) in the four tenses and moods, with "Minden személy", "Tárgyas ragozás is" and
"Felszólító mód is" pressed so that the cells a verb's restrictions blank are produced too, and
once more with the default toggles to learn which cells those are. The imperative is also run
with the short second-person forms. Every table form (the cell's two leading blanks and its
brackets stripped) is analysed with `hunspell -d hu_HU -m` in pipe mode.

A form counts as recognised only when one analysis is a verb analysis whose stem is the verb
(`st:` equal to the dictionary form, or the preverbs `sp:`/`pr:` followed by `st:` spelling it)
and whose tag is the cell's (for example PRES_COND_DEF_PL_2, SUBJ/IMPER_INDEF_SG_2,
PAST_INDIC_SG_1_OBJ_2), with no derivation in between (a -hat/-het or -tat/-tet reading of the
base does not count). A spell check alone never counts: a noun reading can accept a wrong form.

Prints, per letter group and overall, the verbs and forms checked and the share recognised, over
the cells the window shows by default and over all produced cells (and, beside it, the share when
forms of the lemma under which hunspell-hu reads the dictionary form itself also count, such as
"öregedik" for "öregszik"); then the unrecognised forms of the shown cells of verbs hunspell-hu
knows, grouped by kind of disagreement, by class code and cell, by cell and by class code, with
examples; the verbs hunspell-hu does not know; and hints on the objective digit from the cells the
window blanks; and the two reports of form_reports.py (compounds out of step with their base verb,
forms read only as another lexicon verb's). Writes every unrecognised form, verb by verb, to a
tab-separated file (default build/forms-check/unrecognised.tsv) for correcting codes.

    python3 -m tools.lexicon check-forms [--headless PATH] [--data DIR] [--out FILE] [--jobs N]
"""
import argparse
import collections
import concurrent.futures
import os
import pathlib
import shutil
import subprocess
import sys

from . import form_reports, paths, versions

GROUP_NAMES = ["a/á", "b", "c/d", "e/é", "f", "g/h/i/í/j", "k", "l", "m", "n/o/ó/ö/ő", "p", "r",
               "s", "t", "u/ú/ü/ű/v/z"]
MOODS = ["present", "past", "conditional", "imperative"]
MOOD_TAGS = {"present": "PRES_INDIC", "past": "PAST_INDIC", "conditional": "PRES_COND",
             "imperative": "SUBJ/IMPER"}
PERSONS = ["SG_1", "SG_2", "SG_3", "PL_1", "PL_2", "PL_3"]
ALL_TOGGLES = ["--all-persons", "--objective", "--imperative"]


class Cell:
    """One table cell: its headless item name, the hunspell tag it must carry and a label."""

    def __init__(self, item, mood, short=False):
        self.item, self.mood = item, mood
        row, column = int(item[1]), int(item[3])
        mood_tag = MOOD_TAGS[mood]
        if row == 7:
            self.tag = mood_tag + "_SG_1_OBJ_2"
            self.label = "-lak/-lek"
        else:
            definiteness = "INDEF" if column == 1 else "DEF"
            self.tag = "%s_%s_%s" % (mood_tag, definiteness, PERSONS[row - 1])
            self.label = "%s %s" % (definiteness, PERSONS[row - 1])
        if short:
            self.label += " short"

    @property
    def key(self):
        return "%s %s" % (self.mood, self.label)


def table_cells(mood):
    items = ["r%dc1" % r for r in range(1, 7)] + ["r%dc2" % r for r in range(1, 8)]
    return [Cell(item, mood) for item in items]


SHORT_CELLS = [Cell("r2c1", "imperative", short=True), Cell("r2c2", "imperative", short=True)]


class Entry:
    """A lexicon verb: its group, element, word and code, and the code's class field."""

    def __init__(self, group, index, word, code):
        self.group, self.index, self.word, self.code = group, index, word, code
        # Fields 2 to 9 are read from the right, as the engine reads them.
        self.class_code = code[-5:-3] if len(code) >= 5 else "?"


def read_fill_files(data_dir):
    """Every distinct verb of fill01.tsv .. fill15.tsv at its first element, in file order."""
    entries, seen = [], set()
    fill_files = sorted(pathlib.Path(data_dir).glob("fill[0-9][0-9].tsv"))
    if not fill_files:
        raise SystemExit("missing input: fill files (%s/fill01.tsv ..)" % data_dir)
    for path in fill_files:
        for line in path.read_text(encoding="utf-8").splitlines():
            if not line or line.startswith("#"):
                continue
            columns = line.split("\t")
            if len(columns) < 4 or not columns[2] or columns[2] in seen:
                continue
            seen.add(columns[2])
            entries.append(Entry(int(columns[0]), int(columns[1]), columns[2], columns[3]))
    return entries


def read_lexicon_file(path):
    """Verbs of a `word<TAB>code` file (the headless tool's --lexicon format); group by letter."""
    entries, seen = [], set()
    for number, line in enumerate(pathlib.Path(path).read_text(encoding="utf-8").splitlines()):
        columns = line.split("\t")
        if len(columns) < 2 or not columns[0] or line.startswith("#") or columns[0] in seen:
            continue
        seen.add(columns[0])
        group = next((g for g, name in enumerate(GROUP_NAMES) if columns[0][0] in name.split("/")), 0)
        entries.append(Entry(group, number, columns[0], columns[1]))
    return entries


def run_headless(tool, words, options, lexicon):
    """Cells of every verb: {word: {item: text}} from one headless run over `words`."""
    command = [tool] + options + (["--lexicon", lexicon] if lexicon else [])
    result = subprocess.run(command, input="".join(w + "\n" for w in words), capture_output=True,
                            text=True, encoding="utf-8", check=True)
    cells = collections.defaultdict(dict)
    for line in result.stdout.splitlines():
        parts = line.split("\t")
        if len(parts) == 4:
            cells[parts[0]][parts[2]] = parts[3]
    return cells


def cell_form(text):
    """The form of a cell's text and whether it stands in brackets; "" for a blank cell."""
    form = (text or "").strip()
    bracketed = form.startswith("(") and form.endswith(")")
    return form.strip("()").strip(), bracketed


def hunspell_chunk(dictionary, forms):
    """{form: [analysis fields]} from one pipe run; hunspell ends each input line's block with a blank line."""
    output = subprocess.run(["hunspell", "-d", dictionary, "-m", "-i", "utf-8"],
                            input="".join(f + "\n" for f in forms), capture_output=True,
                            text=True, encoding="utf-8", check=True).stdout
    blocks = output.split("\n\n")
    analyses = {}
    for block in blocks:
        lines = [line for line in block.split("\n") if line]
        if not lines:
            continue
        form = lines[0].split(" ", 1)[0]
        analyses[form] = [line[len(form):].split() for line in lines if len(line) > len(form)]
    return analyses


def analyse(dictionary, forms, jobs):
    """{form: [analysis fields]} for every form, hunspell run in `jobs` parallel pipes."""
    forms = sorted(forms)
    size = max(1, -(-len(forms) // jobs))
    chunks = [forms[i:i + size] for i in range(0, len(forms), size)]
    analyses = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for part in pool.map(lambda chunk: hunspell_chunk(dictionary, chunk), chunks):
            analyses.update(part)
    return analyses


class Reading:
    """The parts of one hunspell analysis that the check needs."""

    def __init__(self, fields):
        values = collections.defaultdict(list)
        for field in fields:
            if len(field) > 3 and field[2] == ":":
                values[field[:2]].append(field[3:])
        self.verb = "vrb" in values["po"][:1]
        self.stem = values["st"][0] if values["st"] else ""
        self.lemma = "".join(values["sp"] + values["pr"]) + self.stem
        self.derived = bool(values["ds"]) or len(values["is"]) > 1
        inflections = values["is"] or values["ts"]
        self.tag = inflections[-1] if inflections else ""

    def text(self):
        derivation = "+deriv" if self.derived else ""
        return "%s:%s%s/%s" % (self.lemma, "vrb" if self.verb else "other", derivation, self.tag)


def tag_matches(found, wanted):
    if found == wanted:
        return True
    if wanted.startswith("SUBJ/IMPER_"):
        rest = wanted[len("SUBJ/IMPER_"):]
        return found in ("SUBJ_" + rest, "IMPER_" + rest)
    return False


VARIANT_KIND = "the cell's tag under hunspell's variant lemma"


def judge(readings, word, tag, variants=()):
    """"" when recognised, else the kind of disagreement. `variants` are the lemmas under which
    hunspell-hu analyses the dictionary form itself (a twin such as "öregedik" for "öregszik")."""
    if not readings:
        return "unknown to hunspell"
    of_verb = [r for r in readings if r.verb and r.lemma == word]
    if any(not r.derived and tag_matches(r.tag, tag) for r in of_verb):
        return ""
    if any(r.verb and not r.derived and r.lemma in variants and tag_matches(r.tag, tag) for r in readings):
        return VARIANT_KIND
    if any(r.derived and tag_matches(r.tag, tag) for r in of_verb):
        return "the verb's tag only through a derivation"
    if of_verb:
        return "the verb's stem, other tag"
    if any(r.verb and not r.derived and tag_matches(r.tag, tag) for r in readings):
        return "the cell's tag under another verb"
    if any(r.verb for r in readings):
        return "another verb's form"
    return "only non-verb readings"


def variant_lemmas(readings, word):
    """Other lemmas under which hunspell-hu reads the dictionary form as the third person singular."""
    return {r.lemma for r in readings
            if r.verb and not r.derived and r.lemma != word and r.tag == "PRES_INDIC_INDEF_SG_3"}


class Form:
    def __init__(self, entry, cell, form, bracketed, restricted):
        self.entry, self.cell, self.form = entry, cell, form
        self.bracketed, self.restricted = bracketed, restricted
        self.kind = ""
        self.readings = []


def collect_forms(entries, tool, lexicon):
    words = [e.word for e in entries]
    forms = []
    runs = [(mood, table_cells(mood), ["--mood", mood]) for mood in MOODS]
    runs.append(("imperative", SHORT_CELLS, ["--mood", "imperative", "--short"]))
    for mood, cells, options in runs:
        shown = run_headless(tool, words, options, lexicon)
        produced = run_headless(tool, words, options + ALL_TOGGLES, lexicon)
        long_forms = run_headless(tool, words, ["--mood", mood] + ALL_TOGGLES, lexicon) \
            if cells is SHORT_CELLS else None
        for entry in entries:
            for cell in cells:
                form, bracketed = cell_form(produced[entry.word].get(cell.item))
                if not form:
                    continue
                if long_forms is not None and form == cell_form(long_forms[entry.word].get(cell.item))[0]:
                    continue  # no separate short form
                restricted = not cell_form(shown[entry.word].get(cell.item))[0]
                forms.append(Form(entry, cell, form, bracketed, restricted))
    return forms


class Tally:
    """Verbs and forms counted, and how many forms hunspell-hu recognised, over all cells and shown ones."""

    def __init__(self, accepted=("",)):
        self.accepted = accepted  # the kinds counted as recognised: "" alone, or with variant lemmas
        self.verbs, self.forms, self.recognised = set(), 0, 0
        self.shown_forms, self.shown_recognised = 0, 0

    def add(self, form):
        recognised = form.kind in self.accepted
        self.verbs.add(form.entry.word)
        self.forms += 1
        self.recognised += recognised
        if not form.restricted:
            self.shown_forms += 1
            self.shown_recognised += recognised

    def row(self, name):
        return "%-18s %6d verbs   shown %7d forms %s   all %7d forms %s" % (
            name, len(self.verbs), self.shown_forms, share(self.shown_recognised, self.shown_forms),
            self.forms, share(self.recognised, self.forms))


def share(part, whole):
    return "%6.2f%%" % (100.0 * part / whole) if whole else "    -  "


def tally(forms):
    result = Tally()
    for form in forms:
        result.add(form)
    return result


def example_text(form):
    readings = "; ".join(r.text() for r in form.readings[:3]) or "no analysis"
    return "%s %s %s: %s  [%s]" % (form.entry.word, form.entry.code, form.cell.key, form.form, readings)


def spread(items, count):
    """Up to `count` examples from different verbs, spread over the list."""
    chosen, words = [], set()
    step = max(1, len(items) // max(1, count * 3))
    for form in items[::step]:
        if form.entry.word not in words:
            chosen.append(form)
            words.add(form.entry.word)
        if len(chosen) == count:
            break
    return chosen


def cell_order(key):
    mood, rest = key.split(" ", 1)
    return MOODS.index(mood), rest


class Report:
    """The printed figures: the shares, then the disagreements grouped by kind, cell and class code."""

    def __init__(self, forms, verbs_unknown, variants, examples, out):
        self.forms, self.unknown, self.examples, self.out = forms, verbs_unknown, examples, out
        self.variants = variants
        self.known_forms = [f for f in forms if f.entry.word not in verbs_unknown]
        # The disagreements worth a data helper's time: shown cells of verbs hunspell-hu knows.
        self.wrong = [f for f in self.known_forms if f.kind and not f.restricted]

    def p(self, text=""):
        print(text, file=self.out)

    def print_all(self):
        self.shares()
        self.by_kind()
        self.by_class_and_cell()
        self.by_cell()
        self.by_class()
        self.unknown_verbs()
        self.restricted_cells()

    def shares(self):
        self.p("Table forms that hunspell-hu recognises as forms of the verb (its stem and the cell's tag).")
        self.p("'shown': the cells the window shows by default (restrictions applied); 'all': every cell")
        self.p("produced with 'Minden személy', 'Tárgyas ragozás is' and 'Felszólító mód is' pressed.")
        self.p()
        by_group = collections.defaultdict(list)
        for form in self.forms:
            by_group[form.entry.group].append(form)
        for group in sorted(by_group):
            self.p(tally(by_group[group]).row(GROUP_NAMES[group]))
        self.p(tally(self.forms).row("all groups"))
        self.p()
        self.p("Verbs whose dictionary form hunspell-hu does not analyse as that verb: %d" % len(self.unknown))
        self.p(tally(self.known_forms).row("verbs it knows"))
        lenient = Tally(accepted=("", VARIANT_KIND))
        for form in self.forms:
            lenient.add(form)
        self.p(lenient.row("+ variant lemmas"))
        self.p(tally([f for f in self.forms if f.bracketed]).row("bracketed forms"))
        self.p()
        self.p("Unrecognised forms in shown cells of verbs hunspell-hu knows: %d" % len(self.wrong))

    def by_kind(self):
        self.p()
        self.p("== By kind of disagreement (shown cells, verbs hunspell-hu knows)")
        groups = collections.defaultdict(list)
        for form in self.wrong:
            groups[form.kind].append(form)
        for kind, items in sorted(groups.items(), key=lambda kv: -len(kv[1])):
            self.p("  %-42s %6d forms, %5d verbs" % (kind, len(items), len({f.entry.word for f in items})))
            for form in spread(items, self.examples):
                self.p("      " + example_text(form))

    def by_class_and_cell(self):
        """Cells that fail for much of a class: a rule of the engine, a wrong class or a tagging habit."""
        self.p()
        self.p("== Cells unrecognised for at least 30% (and 3) of a class's verbs that show them")
        self.p("   (shown cells, verbs hunspell-hu knows; one line a class, its cells by mood)")
        class_verbs = collections.defaultdict(set)
        for form in self.known_forms:
            if not form.restricted:
                class_verbs[(form.entry.class_code, form.cell.key)].add(form.entry.word)
        failing = collections.defaultdict(list)
        for form in self.wrong:
            failing[(form.entry.class_code, form.cell.key)].append(form)
        by_class = collections.defaultdict(list)
        for (code, key), items in failing.items():
            verbs = {f.entry.word for f in items}
            if len(verbs) >= 3 and len(verbs) >= 0.3 * len(class_verbs[(code, key)]):
                by_class[code].append((key, len(verbs), len(class_verbs[(code, key)]), items))
        for code in sorted(by_class):
            cells = sorted(by_class[code], key=lambda c: cell_order(c[0]))
            moods = collections.OrderedDict()
            for key, failed, total, _ in cells:
                mood, label = key.split(" ", 1)
                moods.setdefault(mood, []).append("%s %d/%d" % (label, failed, total))
            items = [f for cell in cells for f in cell[3]]
            kinds = collections.Counter(f.kind for f in items).most_common(2)
            self.p("  class %s, %d cells: %s" % (code, len(cells), "; ".join(
                "%s: %s" % (mood, ", ".join(labels)) for mood, labels in moods.items())))
            self.p("      kinds: %s" % ", ".join("%s %d" % kv for kv in kinds))
            examples = []
            for key, _, _, cell_items in cells[::max(1, len(cells) // 3)]:
                examples.extend(spread(cell_items, 1))
            for form in examples[:min(3, self.examples)]:
                self.p("      " + example_text(form))

    def by_cell(self):
        self.p()
        self.p("== By cell (unrecognised / checked, shown cells of verbs hunspell-hu knows)")
        checked = collections.Counter(f.cell.key for f in self.known_forms if not f.restricted)
        failing = collections.defaultdict(list)
        for form in self.wrong:
            failing[form.cell.key].append(form)
        for key in sorted(checked, key=cell_order):
            items = failing.get(key, [])
            classes = collections.Counter(f.entry.class_code for f in items).most_common(4)
            self.p("  %-30s %5d / %6d  %s   classes: %s" % (
                key, len(items), checked[key], share(len(items), checked[key]),
                ", ".join("%s %d" % kv for kv in classes)))

    def by_class(self):
        self.p()
        self.p("== By class code (unrecognised / checked forms and verbs, shown cells of verbs hunspell-hu knows)")
        checked = collections.Counter(f.entry.class_code for f in self.known_forms if not f.restricted)
        verbs = collections.defaultdict(set)
        for form in self.known_forms:
            verbs[form.entry.class_code].add(form.entry.word)
        failing = collections.defaultdict(list)
        for form in self.wrong:
            failing[form.entry.class_code].append(form)
        for code, items in sorted(failing.items(), key=lambda kv: -len(kv[1])):
            cells = collections.Counter(f.cell.key for f in items).most_common(3)
            self.p("  class %s %5d / %6d forms %s  %4d / %4d verbs   cells: %s" % (
                code, len(items), checked[code], share(len(items), checked[code]),
                len({f.entry.word for f in items}), len(verbs[code]),
                ", ".join("%s %d" % kv for kv in cells)))

    def unknown_verbs(self):
        self.p()
        self.p("== Verbs hunspell-hu does not analyse as verbs of their own (their forms count as unrecognised)")
        entries = sorted({f.entry for f in self.forms if f.entry.word in self.unknown},
                         key=lambda e: (e.group, e.index))
        variant = [e for e in entries if self.variants[e.word]]
        self.p("  %d read as the third person of another lemma, e.g. %s" % (len(variant), ", ".join(
            "%s (%s)" % (e.word, "/".join(sorted(self.variants[e.word]))) for e in variant[::max(1, len(variant) // 8)][:8])))
        by_group = collections.defaultdict(list)
        for entry in entries:
            if not self.variants[entry.word]:
                by_group[entry.group].append(entry.word)
        self.p("  %d not read as a verb's dictionary form at all:" % sum(len(w) for w in by_group.values()))
        for group, words in sorted(by_group.items()):
            self.p("    %-12s %4d  e.g. %s" % (GROUP_NAMES[group], len(words),
                                              ", ".join(words[::max(1, len(words) // 6)][:6])))

    def restricted_cells(self):
        """Cells the window blanks: hunspell's view of the verb's valence beside the code's."""
        self.p()
        self.p("== Cells the window blanks by default (verbs hunspell-hu knows)")
        blanked = tally([f for f in self.known_forms if f.restricted])
        self.p("  %d verbs, %d forms, %s recognised (mostly the objective forms of intransitive verbs)" % (
            len(blanked.verbs), blanked.forms, share(blanked.recognised, blanked.forms).strip()))
        self.p("  Hints on the objective digit; hunspell-hu also conjugates many intransitive verbs")
        self.p("  definitely (csatlakozza, maradja), so the first list is weak evidence:")
        for hint, words in valence_hints(self.known_forms).items():
            self.p("  %s: %d verbs, e.g. %s" % (hint, len(words), ", ".join(sorted(words)[::max(1, len(words) // 8)][:8])))


def valence_hints(forms):
    """Verbs whose objective forms hunspell-hu judges otherwise than the code's objective digit."""
    definite = collections.defaultdict(lambda: [0, 0, False])
    for form in forms:
        if form.cell.mood == "present" and form.cell.label.startswith("DEF"):
            counts = definite[form.entry.word]
            counts[0] += 1
            counts[1] += not form.kind
            counts[2] = form.restricted
    hints = {"objective column blanked, but hunspell-hu knows its definite forms (objective digit 1?)": set(),
             "objective column shown, but hunspell-hu knows none of its definite forms (objective digit 0?)": set()}
    keys = list(hints)
    for word, (checked, recognised, blanked) in definite.items():
        if blanked and checked and recognised == checked:
            hints[keys[0]].add(word)
        elif not blanked and checked and recognised == 0:
            hints[keys[1]].add(word)
    return hints


def write_unrecognised(forms, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    with path.open("w", encoding="utf-8") as out:
        out.write("# Table forms hunspell-hu does not recognise as forms of the verb, verb by verb.\n")
        out.write("# restricted: 1 where the window blanks the cell by default; bracketed: 1 for a "
                  "form shown in brackets; readings: hunspell-hu's analyses as lemma:kind/tag.\n")
        out.write("# group\tindex\tword\tcode\tclass\tmood\tcell\tform\tbracketed\trestricted\tkind\t"
                  "readings\n")
        for form in forms:
            if not form.kind:
                continue
            e = form.entry
            out.write("\t".join([str(e.group), str(e.index), e.word, e.code, e.class_code,
                                 form.cell.mood, form.cell.label, form.form, str(int(form.bracketed)),
                                 str(int(form.restricted)), form.kind,
                                 "; ".join(r.text() for r in form.readings)]) + "\n")


def main(argv=None, prog=None):
    parser = argparse.ArgumentParser(prog=prog, description=__doc__.split("\n")[0])
    parser.add_argument("--headless", default=paths.HEADLESS)
    parser.add_argument("--data", default=paths.DATA, help="folder of the fill files")
    parser.add_argument("--lexicon", help="check a word<TAB>code file instead (passed to the tool)")
    parser.add_argument("--out", default=os.path.join(paths.REPO, "build", "forms-check", "unrecognised.tsv"))
    parser.add_argument("--dictionary", default="hu_HU")
    parser.add_argument("--examples", type=int, default=4, help="examples per kind")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 4)
    parser.add_argument("--findings", type=int, default=40, help="lines per closing report (0: all)")
    args = parser.parse_args(argv)
    if not shutil.which("hunspell"):
        sys.exit("check_forms: hunspell is not installed (Debian packages hunspell, hunspell-hu)")
    if not os.access(args.headless, os.X_OK):
        sys.exit("check_forms: %s not built (bash scripts/build.sh)" % args.headless)
    versions.check("hunspell-hu")

    entries = read_lexicon_file(args.lexicon) if args.lexicon else read_fill_files(args.data)
    forms = collect_forms(entries, args.headless, args.lexicon)
    analyses = analyse(args.dictionary, {f.form for f in forms} | {e.word for e in entries}, args.jobs)
    readings = {form: [Reading(fields) for fields in found] for form, found in analyses.items()}
    own = {e.word for e in entries if any(r.verb and r.lemma == e.word for r in readings.get(e.word, []))}
    variants = {e.word: variant_lemmas(readings.get(e.word, []), e.word) for e in entries}
    for form in forms:
        form.readings = readings.get(form.form, [])
        form.kind = judge(form.readings, form.entry.word, form.cell.tag, variants[form.entry.word])
    verbs_unknown = {e.word for e in entries if e.word not in own}
    Report(forms, verbs_unknown, variants, args.examples, sys.stdout).print_all()
    form_reports.print_reports(forms, verbs_unknown, sys.stdout, args.findings)
    write_unrecognised(forms, pathlib.Path(args.out))
    print("\nUnrecognised forms, verb by verb: %s" % args.out)
