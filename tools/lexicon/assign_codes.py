"""Fills the code column of the lexicon's fill files and records each code's basis.

Usage: python3 -m tools.lexicon assign-codes [--data lexicon/data] [--facts tools/lexicon/code_facts.tsv]
                                             [--candidates PATH] [--engine TOOL | --no-engine] [--dry-run] [--report]

Every entry with a word gets a nine-character code: a stated one, its base verb's (compounds),
or one built field by field by the regularities, lexical choices decided by hunspell-hu evidence
(`hunspell -d hu_HU -m`). Then the program's engine (the headless tool, built by
scripts/build.sh) conjugates every rule-decided verb under its code and each candidate code of its
row, and the candidate whose forms hunspell-hu recognises best is kept (codes/engine_choice.py).
The code's basis goes into the fill file's code_source column.
Element 0 and the holes (empty word) keep an empty code. Rerunning gives the same files.
"""
import argparse
import collections
import os


from .codes.assign import CodeAssigner
from .codes.facts import FIELDS, Facts, field
from .codes.fillfiles import FillFile, fill_paths
from .codes.engine import EngineForms
from .codes.engine_choice import choose_with_engine
from .codes.hunspell import Analyser
from .codes.objective import DEFAULT_PATH as OBJECTIVE_USE, ObjectiveUse
from .codes.phonology import core_of
from .codes.readings import DEFAULT_PATH as OBJECTIVE_READINGS, ObjectiveReadings
from .codes.preverbs import split
from .codes import rules
from . import paths, versions

GROUP_NAMES = ["a/á", "b", "c/d", "e/é", "f", "g/h/i/í/j", "k", "l", "m", "n/o/ó/ö/ő", "p", "r", "s", "t",
               "u/ú/ü/ű/v/z"]


def load_candidates(path):
    """word -> (kind, preverb, stem) from the candidate verb list."""
    result = {}
    with open(paths.require(path, "candidate verb list"), encoding="utf-8") as f:
        for line in f:
            # word, kind, preverb, stem, amb, sources, tier
            row = line.rstrip("\n").split("\t")
            if len(row) >= 4:
                result[row[0]] = (row[1], row[2], row[3])
    return result


# Documented shares of groups a to j: entries, codes with the usual class of their ending's row,
# codes whose causative digit the decision list predicts.
DOCUMENTED_RULE_SHARES = {0: (698, 621, 639), 1: (1181, 1052, 1097), 2: (584, 508, 574), 3: (1451, 1273, 1348),
                          4: (1135, 1017, 1052), 5: (1076, 904, 1008)}


# Documented objective digits per group: "1", "0", "2".
DOCUMENTED_OBJECTIVE = [(425, 272, 1), (618, 563, 0), (307, 277, 0), (790, 661, 0), (650, 484, 1), (541, 535, 0),
                        (1185, 763, 1), (629, 384, 1), (998, 655, 1), (519, 416, 1), (211, 189, 0), (277, 280, 1),
                        (483, 392, 0), (307, 286, 0), (512, 418, 0)]


def print_objective_counts(codes_by_group):
    """Per group, our objective digits beside the documented ones."""
    print("objective digit per group, ours beside documented (\"1\" / \"0\" / \"2\", share of \"1\"):")
    totals = [collections.Counter(), collections.Counter()]
    for g in sorted(codes_by_group):
        ours = collections.Counter(field(c, "objective") for c in codes_by_group[g])
        doc = dict(zip("102", DOCUMENTED_OBJECTIVE[g]))
        totals[0].update(ours)
        totals[1].update(doc)
        print("  %-12s ours %s   documented %s" % (GROUP_NAMES[g], objective_figures(ours), objective_figures(doc)))
    print("  %-12s ours %s   documented %s" % ("all", objective_figures(totals[0]), objective_figures(totals[1])))


def objective_figures(counts):
    total = max(sum(counts.values()), 1)
    return "%5d / %5d / %d  %4.1f%%" % (counts["1"], counts["0"], counts["2"], 100.0 * counts["1"] / total)


def print_rule_shares(entries, codes_by_group, words):
    """Per group, how many codes carry the usual class of their row and the predicted causative digit."""
    print("rule shares (entries / usual class / causative as predicted), documented beside ours:")
    by_group = collections.defaultdict(list)
    for _, _, group, _, word in entries:
        if word:
            by_group[group].append(word)
    for g in sorted(by_group):
        usual = predicted = 0
        for word, code in zip(by_group[g], codes_by_group[g]):
            preverb = split(word, words)[0] if code[0] == "2" else ""
            core = core_of(word, preverb)
            cls = rules.irregular_class(core, word.endswith("ik")) or rules.class_row(word, core).usual
            usual += field(code, "class") == cls
            predicted += field(code, "causative") == rules.causative_digit(word, core)
        doc = DOCUMENTED_RULE_SHARES.get(g)
        print("  %-12s ours %5d %5d %5d   documented %s" % (GROUP_NAMES[g], len(by_group[g]), usual, predicted,
                                                           "%5d %5d %5d" % doc if doc else "-"))


def check_stated(assigner, words):
    """Leave-one-out: derive each stated code without it (and without the fields named for the word)
    and count, field by field, how often the rules and evidence give the stated value."""
    facts = assigner.facts
    agree = collections.Counter()
    total = 0
    for word, code in sorted(facts.code_of.items()):
        if word not in words or len(code) != 9:
            continue
        at = {k: v for k, v in facts.code_at.items() if v == code}
        named = facts.fields_of.pop(word, None)
        del facts.code_of[word]
        for k in at:
            del facts.code_at[k]
        assigner._memo.clear()
        derived = assigner.derive(word).code
        facts.code_of[word] = code
        facts.code_at.update(at)
        if named:
            facts.fields_of[word] = named
        total += 1
        for name in FIELDS:
            agree[name] += field(derived, name) == field(code, name)
    print("stated codes rebuilt without themselves: %d" % total)
    for name in FIELDS:
        print("  %-10s %5d  %.1f%%" % (name, agree[name], 100.0 * agree[name] / max(total, 1)))


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--data", default=paths.DATA)
    ap.add_argument("--facts", default=os.path.join(paths.HERE, "code_facts.tsv"))
    ap.add_argument("--candidates", default=os.path.join(paths.default_sources(), "verb-candidates.tsv"),
                    help="the shared candidate verb list (default: verb-candidates.tsv in $%s, else in "
                         "../shared/lexicon-sources beside the repository)" % paths.SOURCES_VARIABLE)
    ap.add_argument("--objective-use", default=OBJECTIVE_USE,
                    help="definite forms in running text, by collect-objective-use")
    ap.add_argument("--objective-readings", default=OBJECTIVE_READINGS,
                    help="a reader's verdict on the objective use of each verb whose code is ours")
    ap.add_argument("--engine", default=paths.HEADLESS,
                    help="the headless tool (igeragozo-headless) whose engine tries each supplied code's "
                         "candidates (default: the build's)")
    ap.add_argument("--no-engine", action="store_true", help="decide by the rules and hunspell alone")
    ap.add_argument("--dry-run", action="store_true", help="decide and report, write nothing")
    ap.add_argument("--report", action="store_true", help="print field distributions per group")
    ap.add_argument("--check-stated", action="store_true",
                    help="rebuild every stated code from the rules alone and print the fields' agreement")
    args = ap.parse_args(argv)

    versions.check("hunspell-hu")
    files = [FillFile(paths.require(p, "fill file")) for p in fill_paths(args.data)]
    entries = [(ff, line, g, i, w) for ff in files for line, g, i, w, _ in ff.entries()]
    words = {w for _, _, _, _, w in entries if w}
    assigner = CodeAssigner(words, Facts(paths.require(args.facts, "code facts")), Analyser(), load_candidates(args.candidates),
                            ObjectiveUse(args.objective_use), ObjectiveReadings(args.objective_readings))
    assigner.prefetch(words)
    if args.check_stated:
        check_stated(assigner, words)
        return 0

    engine_stats = collections.Counter()
    # without the engine other codes come out: a missing tool must not pass for a choice
    use_engine = not args.no_engine
    if use_engine:
        paths.require(args.engine, "headless tool (bash scripts/build.sh), or --no-engine")
        engine_stats = choose_with_engine(assigner, entries, EngineForms(args.engine))
        assigner._memo.clear()

    by_basis = collections.Counter()
    per_group = collections.defaultdict(collections.Counter)
    codes_by_group = collections.defaultdict(list)
    for ff, line, group, index, word in entries:
        if not word:
            ff.set_code(line, "", "")
            continue
        d = assigner.decide(group, index, word)
        ff.set_code(line, d.code, d.evidence_text())
        by_basis[d.basis] += 1
        per_group[group][d.basis] += 1
        codes_by_group[group].append(d.code)
    if not args.dry_run:
        for ff in files:
            ff.save()
        versions.record_table(os.path.join(args.data, "fill*.tsv"))

    print("codes by basis per group (stated / base verb / rules+engine+hunspell / rules+evidence / rules):")
    for g in sorted(per_group):
        c = per_group[g]
        print("  %-12s %5d %5d %5d %5d %5d" % (GROUP_NAMES[g], c["stated"], c["base"], c["engine"], c["evidence"],
                                             c["rule"]))
    print("  %-12s %5d %5d %5d %5d %5d" % ("all", by_basis["stated"], by_basis["base"], by_basis["engine"],
                                         by_basis["evidence"], by_basis["rule"]))
    kinds = collections.defaultdict(lambda: [0, 0])
    decided_words = {w for _, _, _, _, w in entries if w and not assigner.facts.code_of.get(w)}
    for word in decided_words:
        if assigner.derive(word).basis == "base":
            continue
        for kind, confirmed in assigner.choices.get(word, []):
            kinds[kind][0] += 1
            kinds[kind][1] += confirmed
    if use_engine:
        kinds["engine"] = [engine_stats["checked"], engine_stats["confirmed"] + engine_stats["changed"]]
    total = sum(v[0] for v in kinds.values())
    confirmed = sum(v[1] for v in kinds.values())
    print("lexical choices of the rule-decided codes settled by hunspell evidence: %d of %d (%.1f%%)"
          % (confirmed, total, 100.0 * confirmed / max(total, 1)))
    for kind, (n, k) in sorted(kinds.items()):
        print("  %-10s %5d of %5d" % (kind, k, n))
    if use_engine:
        print("engine check of lexical choices: %d checked, %d confirmed, %d changed, %d undecided"
              % (engine_stats["checked"], engine_stats["confirmed"], engine_stats["changed"],
                 engine_stats["undecided"]))
    if args.report:
        print_objective_counts(codes_by_group)
        print_rule_shares(entries, codes_by_group, words)
        for g in sorted(codes_by_group):
            print(GROUP_NAMES[g])
            for name in ("preverb", "vowel", "usage", "causative", "objective", "sg1to2"):
                dist = collections.Counter(field(c, name) for c in codes_by_group[g])
                print("  %-9s %s" % (name, " ".join("%s:%d" % kv for kv in sorted(dist.items()))))
            top = collections.Counter(field(c, "class") for c in codes_by_group[g]).most_common(12)
            print("  class     " + " ".join("%s:%d" % kv for kv in top))
    return 0
