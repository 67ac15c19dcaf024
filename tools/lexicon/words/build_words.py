"""Builds the group, index and word columns of lexicon/data/fill01.tsv .. fill15.tsv.

Every word the design states stands at its stated element; the full lists are copied as stated.
The stretches left open (a/á, b 1-643, k, l, m, n/o/ó/ö/ő, p) are filled with Hungarian verbs from
the candidate list, in lexicon order between the stated anchors, keeping the blocks, preverb runs
and letter counts, preferring the verbs most used in running text (verb-use.tsv) and the strongest
evidence, with every everyday verb (everyday-verbs.txt) and every word the code facts name, and then nudged towards the stated length
and ending distributions without giving up evidence. A rebuild keeps the words of every stretch
(between two stated words) whose supplied words are all still allowed; only the stretches that lost
a word (see verbhood.py: no noun compounds as witnesses, bases that are verbs, no doubled preverbs,
dictionary forms only) are chosen again (--fresh chooses everything anew). Codes already present in the data files are
kept for an unchanged word (the codes are built by their own tool); stated codes are filled in.

Usage: python3 -m tools.lexicon build-words [--sources DIR] [--corpus FILE] [--split FILE] [--use FILE] [--data DIR] [--seed N] [--fresh]
"""
import argparse
import collections
import math
import os
import random
import re

from . import corpus_compounds
from . import groups as G
from . import lexorder
from . import verb_use
from . import verbhood
from .. import paths, versions
from ..paths import require

HERE = os.path.dirname(os.path.abspath(__file__))

# Evidence cost of a supplied word: the lower, the stronger.
# A word-list-only compound and an unattested one cost more than any figure can repay: they stand
# only where no witnessed verb fits between the anchors.
COST = {"everyday": 0.0, "t1": 0.0, "t2": 1.0, "t3": 4.0, "corpus": 5.0, "corpus1": 6.0, "corpus2a": 7.0, "corpus1a": 10.0,
        "weak": 500.0, "split": 800.0, "unattested": 1000.0}
# Letter counts are hard facts and outweigh everything; compounds per preverb and simple verbs per
# prefix are soft figures that outweigh the steps between witnessed kinds but not a missing witness.
QUOTA_WEIGHT = 40.0
LETTER_QUOTA_WEIGHT = 5000.0
LENGTH_WEIGHT = 0.6
ENDING_WEIGHT = 0.6
# Use outweighs the steps between witnessed kinds: a verb met a thousand times in running text (about
# ten doublings) gains 20, more than any tier or corpus step; a word-list-only or unattested compound
# stays behind every witnessed one whatever its use.
USE_WEIGHT = 2.0
# An everyday verb, or one whose code the code facts settle, stands wherever the layout lets it; no
# figure may take it out again.
EVERYDAY_COST = -1e6
EVERYDAY = os.path.join(paths.HERE, "everyday-verbs.txt")
CODE_FACTS = os.path.join(paths.HERE, "code_facts.tsv")
STATED = os.path.join(paths.REPO, "tests", "lexicon", "facts", "stated-words.tsv")

# Verbs that the lists say are not entries (bases of compounds named as having no entry of their own).
NOT_ENTRIES = {"bátorodik", "békél", "keseredik", "kócol", "lapol", "ábdál", "csapzik", "dolgoz", "szar",
               "szólalkozik", "tintáz", "hamísít"}


def read_stated(path):
    indexed, loose = collections.defaultdict(dict), collections.defaultdict(dict)
    for line in open(require(path, "stated words"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        g, i, w, c = line.rstrip("\n").split("\t")
        g = int(g)
        if i:
            indexed[g][int(i)] = (w, c)
        else:
            loose[g][w] = c
    for g in loose:  # a word already placed needs no second place
        placed = {w for w, _ in indexed[g].values()}
        loose[g] = {w: c for w, c in loose[g].items() if w not in placed}
    return indexed, loose


class Candidate:
    __slots__ = ("word", "kind", "preverb", "stem", "sources", "tier", "evidence", "cost")

    def __init__(self, word, kind, preverb, stem, sources, tier, evidence):
        self.word, self.kind, self.preverb, self.stem = word, kind, preverb, stem
        self.sources, self.tier, self.evidence = sources, tier, evidence
        self.cost = COST[evidence]

    def thinly_witnessed(self):
        """Whether one or two text forms, or forms open to other readings, are all that witness the
        word: a noun or adverb cut down to look like a compound ("különad" on "különadó") hides there."""
        if self.evidence.startswith("corpus"):
            return self.evidence != "corpus" or int(re.match(r"\d+", self.sources).group()) <= 2
        return False

    def witness_forms(self):
        """The text forms quoted as a corpus witness ("2OX:különadó,különadót;ledgersmb")."""
        if not self.evidence.startswith("corpus"):
            return []
        return self.sources.split(";")[0].split(":", 1)[1].split(",")

    def vouched(self):
        """Whether a dictionary headword (F) or the design (S) gives the word."""
        return self.evidence.startswith("t") and any(s in self.sources for s in "FS")


def read_everyday(path=EVERYDAY):
    """The verbs a learner meets in the first two years (one a line, '#' comments)."""
    return [w for w in (line.split("#")[0].strip() for line in open(require(path, "everyday verbs"), encoding="utf-8")) if w]


def read_code_fact_words(path=CODE_FACTS):
    """The words the code facts name: their forms were checked one by one, so they stay entries."""
    return {line.split("\t")[0] for line in open(require(path, "code facts"), encoding="utf-8")
            if not line.startswith("#") and line.strip()}


def read_use(path):
    """verb -> (use: occurrences in running text plus forms in the word list, forms seen, verbal
    forms: those only the verb explains), from verb_use.py's table."""
    out = {}
    for line in open(require(path, "verb use table (verb-use)"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        verb, occurrences, listed, forms, verbal = line.rstrip("\n").split("\t")
        out[verb] = (float(occurrences) + int(listed), int(forms), int(verbal))
    return out


def weigh_use(pool, use, kept):
    """Lowers each candidate's cost by its use; a verb that must stay (`kept`) comes first of all."""
    for w, c in pool.items():
        c.cost = COST[c.evidence] - USE_WEIGHT * math.log2(1 + use.get(w, (0,))[0])
        if w in kept:
            c.cost = EVERYDAY_COST


def read_candidates(path):
    out = {}
    for n, line in enumerate(open(require(path, "candidate verb list"), encoding="utf-8")):
        if n == 0:
            continue
        word, kind, preverb, stem, amb, sources, tier = line.rstrip("\n").split("\t")
        tier = int(tier)
        compound = kind in ("pv", "pvder")
        if tier == 4:
            continue
        evidence = f"t{min(tier, 3)}"
        if compound and tier > 2 and not any(s in sources for s in "FT"):
            evidence = "weak"  # listed by a word list only: used last, where nothing better fits
        out[word] = Candidate(word, kind, preverb if compound else "", stem, sources, tier, evidence)
    return out


def read_corpus(path, shared):
    """Compounds witnessed by inflected forms in a corpus word list: word -> (preverb, stem, witness);
    fills `shared` with the other compounds that every witness form of a word also reads as."""
    out = {}
    for line in open(require(path, "corpus compounds (corpus-compounds)"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        word, preverb, stem, count, sure, witness, *rest = line.rstrip("\n").split("\t")
        packages = rest[:1]
        shared[word] = set(filter(None, rest[1].split(","))) if len(rest) > 1 else set()
        if sure == "sure":
            strength = "corpus" if int(count) > 1 else "corpus1"
        else:
            strength = "corpus2a" if int(count) > 1 else "corpus1a"
        mark = "" if sure == "sure" else "?"
        shipped = f";{packages[0]}" if packages and packages[0] else ""
        out[word] = Candidate(word, "pv", preverb, stem, f"{count}{mark}{witness}{shipped}", 3, strength)
    return out


def read_split(path):
    """Compounds witnessed only with the preverb standing after a finite form of the verb."""
    out = {}
    for line in open(require(path, "split compounds (split-compounds)"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        word, preverb, stem, count, pairs, where = line.rstrip("\n").split("\t")
        out[word] = Candidate(word, "pv", preverb, stem, f"{count}:{pairs};{where}", 3, "split")
    return out


def group_of(word):
    for g, letters in G.INITIALS.items():
        if word[0] in letters:
            return g
    return None


def starts_folded(word, prefix):
    return lexorder.fold(word).startswith(prefix)


class GroupFill:
    """Chooses the supplied words of one group."""

    def __init__(self, rules, anchors, loose, tails, pool, rng, existing=None, rejected=(), audit=None):
        self.r, self.rng = rules, rng
        self.audit = audit or (lambda words: None)  # takes the words that fail the checks out of a pool
        self.rejected = rejected          # words a source offered but that are no real entry
        self.existing = existing or {}    # index -> supplied word now in the data files
        self.anchors = anchors            # index -> word within the ordered run
        self.tails = tails                # words standing after the run
        self.loose = loose                # stated words without an element
        self.pool = pool
        self.soft = []  # (name, predicate, target, weight): figures to come near, not to meet
        self.slots = self._slots()

    def label(self, i):
        """The most specific block that element i lies in."""
        best = ""
        for prefix, a, b in self.r.blocks:
            if a <= i <= b and len(prefix) > len(best):
                best = prefix
        return best

    def fits_label(self, word, label):
        if not starts_folded(word, label):
            return False
        for prefix, _, _ in self.r.blocks:
            if len(prefix) > len(label) and prefix.startswith(label) and starts_folded(word, prefix):
                return False
        return True

    def allowed(self, c):
        """Whether a candidate may stand in this group's run at all."""
        w = c.word
        f = lexorder.fold(w)
        if any(ch not in "abcdefghijklmnoprstuvyz" for ch in f):
            return False  # no q, w or x (the one word with x is stated) and nothing but letters
        if any(ch == "y" and (n == 0 or f[n - 1] not in "glnt") for n, ch in enumerate(f)):
            return False
        if c.preverb:
            if c.preverb not in self.r.preverbs or not w.startswith(c.preverb):
                return False
            longer = [p for p in self.r.preverbs if len(p) > len(c.preverb) and starts_folded(w, lexorder.fold(p))]
            return not longer and w[len(c.preverb):] not in NOT_ENTRIES
        for p in self.r.guarded:  # "~" marks a prefix compared without accents
            if starts_folded(w, p[1:]) if p.startswith("~") else w.startswith(p):
                return False
        return w not in NOT_ENTRIES

    def _slots(self):
        """Runs of free elements, each with its key bounds and block label."""
        r = self.r
        idx = sorted(self.anchors)
        bounds = [(r.first - 1, None)] + [(i, lexorder.key(self.anchors[i])) for i in idx] + [(r.last + 1, None)]
        slots = []
        for (i0, k0), (i1, k1) in zip(bounds, bounds[1:]):
            run = []
            for i in range(i0 + 1, i1):
                lab = self.label(i)
                if run and run[-1][2] == lab:
                    run[-1][1] = i
                else:
                    run.append([i, i, lab])
            for n, (a, b, lab) in enumerate(run):
                # a run before (after) a run of a nested block sorts before (after) all of that block's words
                before = [r[2] for r in run[n + 1:] if not lab.startswith(r[2])]
                after = [r[2] for r in run[:n] if not lab.startswith(r[2])]
                slots.append({"first": a, "last": b, "label": lab, "lo": k0, "hi": k1, "before": before,
                              "after": after, "forced": [], "pool": []})
        return slots

    def slot_for(self, word):
        k = lexorder.key(word)
        for s in self.slots:
            if (s["lo"] is None or k > s["lo"]) and (s["hi"] is None or k < s["hi"]) and self.fits_label(word, s["label"]):
                f = lexorder.fold(word)
                if all(f < p and not f.startswith(p) for p in s["before"]) and \
                        all(f > p and not f.startswith(p) for p in s["after"]):
                    return s
        return None

    def prepare(self):
        taken = set(self.anchors.values()) | set(self.tails)
        problems = []
        for w in sorted(self.loose, key=lexorder.key):
            if w in taken:
                continue
            s = self.slot_for(w)
            if s is None:
                problems.append(w)
                continue
            s["forced"].append(w)
            taken.add(w)
        for c in self.pool.values():
            if c.word in taken or group_of(c.word) != self.r.group or not self.allowed(c):
                continue
            s = self.slot_for(c.word)
            if s is not None:
                s["pool"].append(c)
        self._fallback(taken)
        short = []
        for s in self.slots:
            need = s["last"] - s["first"] + 1 - len(s["forced"])
            s["need"] = need
            if need < 0:
                short.append((s["first"], s["last"], s["label"], need, "too many stated words"))
            elif len(s["pool"]) < need:
                short.append((s["first"], s["last"], s["label"], need - len(s["pool"]), "short"))
        return problems, short

    def _fallback(self, taken):
        """Where a preverb run has too few witnessed compounds, compounds of its preverb and a strongly
        witnessed verb that hunspell-hu analyses as that compound; recorded as unattested."""
        bases = [c for c in self.pool.values() if not c.preverb and c.kind == "lex" and c.tier <= 2]
        wanted = {}
        for s in self.slots:
            need = s["last"] - s["first"] + 1 - len(s["forced"]) - len(s["pool"])
            pv = next((p for p in self.r.preverbs if lexorder.fold(p) == s["label"]), None)
            if pv is None or need <= 0:
                continue
            for b in bases:
                w = pv + b.word
                if w in taken or w in self.pool or w in wanted or w in self.rejected or self.slot_for(w) is not s:
                    continue
                wanted[w] = (s, pv, b)
        confirmed = hunspell_compounds({w: (pv, b.word) for w, (s, pv, b) in wanted.items()})
        fallback = {}
        for w in sorted(confirmed):
            s, pv, b = wanted[w]
            c = Candidate(w, "pv", pv, b.word, f"hunspell+{b.sources}", 4, "unattested")
            if self.allowed(c):
                fallback[w] = c
        self.audit(fallback)
        for w, c in fallback.items():
            wanted[w][0]["pool"].append(c)

    # --- cost model -------------------------------------------------------------------------
    def stats(self, words):
        lengths = collections.Counter(len(w) for w in words)
        ends = collections.Counter(G.ending_family(self.r.scheme, w) for w in words)
        return lengths, ends

    def choose(self, iterations):
        fixed = list(self.anchors.values()) + list(self.tails)
        pv_of = {w: c.preverb for w, c in self.pool.items()}
        for s in self.slots:
            s["pool"].sort(key=lambda c: (c.cost, -len(c.sources), lexorder.key(c.word)))
            need = max(s["need"], 0)
            # a stretch whose words in the data files all may still stand there keeps them; a
            # stretch that lost one takes the best remaining candidates and is tuned as a whole
            by_word = {c.word: c for c in s["pool"]}
            kept = [by_word[w] for w in (self.existing.get(i) for i in range(s["first"], s["last"] + 1))
                    if w in by_word]
            # an everyday verb new to the stretch takes the place of the costliest word kept
            must = [c for c in s["pool"] if c.cost == EVERYDAY_COST and c not in kept]
            kept = sorted(kept + must, key=lambda c: c.cost)[:need]
            kept.sort(key=lambda c: lexorder.key(c.word))
            rest = [c for c in s["pool"] if c not in kept]
            s["chosen"] = kept + rest[:need - len(kept)]
            s["spare"] = rest[need - len(kept):]
            s["free_from"] = len(kept) if self.existing and len(kept) == need else 0
        all_words = fixed + [w for s in self.slots for w in s["forced"]]
        base_len, base_end = self.stats(all_words)
        quotas = [(n, q, t, LETTER_QUOTA_WEIGHT if n.startswith(("initial ", "second ")) else QUOTA_WEIGHT)
                  for n, q, t in self.r.quotas] + self.soft
        quota_base = [sum(1 for w in all_words if q(w, self._pv(w, pv_of))) for _, q, _, _ in quotas]
        chosen_words = [c for s in self.slots for c in s["chosen"]]
        lengths = base_len + collections.Counter(len(c.word) for c in chosen_words)
        ends = base_end + collections.Counter(G.ending_family(self.r.scheme, c.word) for c in chosen_words)
        quota = [b + sum(1 for c in chosen_words if q(c.word, c.preverb)) for b, (_, q, _, _) in zip(quota_base, quotas)]

        def delta_cost(out, inn):
            d = inn.cost - out.cost
            lo, li = len(out.word), len(inn.word)
            if lo != li:
                t = self.r.lengths
                d += LENGTH_WEIGHT * (abs(lengths[lo] - 1 - t.get(lo, 0)) - abs(lengths[lo] - t.get(lo, 0))
                                      + abs(lengths[li] + 1 - t.get(li, 0)) - abs(lengths[li] - t.get(li, 0)))
            eo, ei = G.ending_family(self.r.scheme, out.word), G.ending_family(self.r.scheme, inn.word)
            if eo != ei:
                t = self.r.endings
                d += ENDING_WEIGHT * (abs(ends[eo] - 1 - t.get(eo, 0)) - abs(ends[eo] - t.get(eo, 0))
                                      + abs(ends[ei] + 1 - t.get(ei, 0)) - abs(ends[ei] - t.get(ei, 0)))
            for n, (_, q, target, weight) in enumerate(quotas):
                step = (1 if q(inn.word, inn.preverb) else 0) - (1 if q(out.word, out.preverb) else 0)
                if step:
                    d += weight * (abs(quota[n] + step - target) - abs(quota[n] - target))
            return d

        def apply(out, inn):
            for c, step in ((out, -1), (inn, 1)):
                lengths[len(c.word)] += step
                ends[G.ending_family(self.r.scheme, c.word)] += step
                for n, (_, q, _, _) in enumerate(quotas):
                    if q(c.word, c.preverb):
                        quota[n] += step

        swappable = [s for s in self.slots if len(s["chosen"]) > s["free_from"] and s["spare"]]
        for _ in range(iterations if swappable else 0):
            s = self.rng.choice(swappable)
            a = self.rng.randrange(s["free_from"], len(s["chosen"]))
            b = self.rng.randrange(len(s["spare"]))
            out, inn = s["chosen"][a], s["spare"][b]
            if delta_cost(out, inn) < -1e-9:
                apply(out, inn)
                s["chosen"][a], s["spare"][b] = inn, out
        hard = len(self.r.quotas)
        self.quota_result = list(zip([q[0] for q in quotas[:hard]], quota[:hard], [q[2] for q in quotas[:hard]]))

    def _pv(self, word, pv_of):
        """The preverb of a fixed word: as named, else the candidate list's, else the longest it begins with."""
        if word in self.r.simple:
            return ""
        if word in self.r.preverb_of:
            return self.r.preverb_of[word]
        if pv_of.get(word):
            return pv_of[word]
        fits = [p for p in self.r.preverbs if word.startswith(p) and len(word) > len(p) + 1]
        if self.r.group == 7 and word in pv_of:
            return ""  # l has simple verbs in le-; the candidate list tells them apart
        return max(fits, key=len) if fits else ""

    def recognise_compounds(self):
        """The candidate list files some compounds as plain verbs (the ott- verbs, "közbenjár"): a plain
        candidate that is a preverb of this group followed by another candidate verb is taken as a compound."""
        for w, c in list(self.pool.items()):
            if c.preverb or c.kind != "lex" or w in self.r.simple or group_of(w) != self.r.group:
                continue
            fits = [p for p in self.r.preverbs if w.startswith(p) and w[len(p):] in self.pool]
            if fits and not (self.r.group == 7 and max(fits, key=len) == "le"):
                p = max(fits, key=len)
                self.pool[w] = Candidate(w, "pv", p, w[len(p):], c.sources, c.tier, c.evidence)

    def result(self):
        """index -> (word, evidence or None for a stated word)."""
        out = {i: (w, None) for i, w in self.anchors.items()}
        for s in self.slots:
            items = [(w, None) for w in s["forced"]] + [(c.word, c) for c in s["chosen"]]
            items.sort(key=lambda x: lexorder.key(x[0]))
            for n, item in enumerate(items):
                out[s["first"] + n] = item
        return out


def hunspell_compounds(words):
    """The words that hunspell-hu analyses as a verb made of exactly the given preverb and stem."""
    if not words:
        return set()
    import subprocess
    proc = subprocess.run(["hunspell", "-d", "hu_HU", "-m"], input="\n".join(words) + "\n",
                          capture_output=True, text=True, check=True)
    out = set()
    for line in proc.stdout.splitlines():
        parts = line.split()
        if not parts or parts[0] not in words:
            continue
        r = verbhood.verb_readings(parts[1:])
        if r is not None and r[:2] == words[parts[0]]:
            out.add(parts[0])
    return out


def verbal_forms(c, use, witnessed):
    """The forms seen in the texts (`use`) or quoted as the candidate's witness (read by
    verb_use.verb_readings_of into `witnessed`) that only the word as a verb explains."""
    return use.get(c.word, (0, 0, 0))[2] + sum(c.word in witnessed.get(f, ((), (), False))[1] for f in c.witness_forms())


def reject_faults(pool, known, listed, shared, vouched, use):
    """Takes out of the pool every word that is no real verb entry (see verbhood.fault); kind -> words.
    `vouched` holds the words a headword, the design or the everyday list gives; `use` is read_use's."""
    words = set(pool) | {w[len(c.preverb):] for w, c in pool.items() if c.preverb}
    words |= {v for w in pool for v in verbhood.accent_variants(w)}
    lines = verbhood.analyses(words)
    thin = {w: c for w, c in pool.items() if c.thinly_witnessed()}
    witnessed = verb_use.verb_readings_of({f for c in thin.values() for f in c.witness_forms()})
    out = collections.defaultdict(set)
    for w, c in list(pool.items()):
        verbal = verbal_forms(c, use, witnessed) if w in thin else None
        kind = verbhood.fault(w, c.preverb, known, listed, lines, shared.get(w, ()),
                              c.evidence in ("corpus2a", "corpus1a"), w in vouched or c.vouched(), verbal)
        if kind:
            out[kind].add(w)
            del pool[w]
    return out


def evidence_text(c):
    """The word's evidence, then the verdict of the checks it passed ("audit:ok")."""
    if c is None:
        return "stated"
    if c.evidence == "everyday":
        return f"everyday {AUDITED}"
    if c.evidence.startswith("corpus"):
        return f"corpus:{c.sources} {AUDITED}"
    if c.evidence in ("weak", "split", "unattested"):
        return f"{c.evidence}:{c.sources} {AUDITED}"
    return f"tier{c.tier}:{c.sources} {AUDITED}"


# Every supplied word the builder writes has passed verbhood.fault.
AUDITED = "audit:ok"


def read_existing_codes(data_dir):
    """(group, index, word) -> (code, code_source) from the current data files."""
    out = {}
    for n in range(1, 16):
        path = os.path.join(data_dir, f"fill{n:02d}.tsv")
        if not os.path.exists(path):
            continue
        for line in open(path, encoding="utf-8"):
            if line.startswith("#") or not line.strip():
                continue
            f = line.rstrip("\n").split("\t")
            f += [""] * (6 - len(f))
            out[(int(f[0]), int(f[1]), f[2])] = (f[3], f[5])
    return out


HEADER = """# Lexicon entries of one fill procedure, in the order it stores them (see README.md).
# group\tindex\tword\tcode\tword_source\tcode_source
"""


def main(argv=None, prog=None):
    ap = argparse.ArgumentParser(prog=prog, description=__doc__.splitlines()[0])
    ap.add_argument("--sources", default=paths.default_sources(), help=paths.SOURCES_HELP)
    ap.add_argument("--corpus", default=os.path.join(HERE, "corpus-compounds.tsv"))
    ap.add_argument("--split", default=os.path.join(HERE, "split-compounds.tsv"))
    ap.add_argument("--use", default=os.path.join(HERE, "verb-use.tsv"))
    ap.add_argument("--data", default=paths.DATA)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--iterations", type=int, default=400000)
    ap.add_argument("--fresh", action="store_true",
                    help="choose every supplied word anew instead of keeping those still allowed where they stand")
    args = ap.parse_args(argv)
    versions.check("hunspell-hu")

    indexed, loose = read_stated(STATED)
    pool = read_candidates(os.path.join(args.sources, "verb-candidates.tsv"))
    shared = {}
    corpus, split = read_corpus(args.corpus, shared), read_split(args.split)
    # every source's words are checked on their own, so a faulty witness does not hide a listed word
    listed = set(pool)
    stated = {w for g in indexed for w, _ in indexed[g].values()} | {w for g in loose for w in loose[g]}
    everyday = set(read_everyday())
    use = read_use(args.use)
    known, vouched = stated | listed | everyday, stated | everyday
    rejected = set()
    for name, words, witness in (("candidate list", pool, {}), ("corpus", corpus, shared), ("split", split, {})):
        for kind, faulty in sorted(reject_faults(words, known, listed, witness, vouched, use).items()):
            print(f"rejected from the {name} ({kind}): {len(faulty)}: {' '.join(sorted(faulty))}")
            rejected |= faulty
    for w, c in list(corpus.items()) + list(split.items()):
        if w not in pool or pool[w].cost > c.cost:
            pool[w] = c
    for w in everyday - set(pool) - stated:
        pool[w] = Candidate(w, "lex", "", w, "", 3, "everyday")
    simple = {w for rules in G.SUPPLIED.values() for w in rules.simple}
    for w in (everyday & set(pool)) - stated - simple:
        # a compound the candidate list files as a variant ("megöregszik") still stands in its preverb's run
        fits = [p for p in corpus_compounds.PREVERBS if w.startswith(p) and w[len(p):] in known]
        if fits and not pool[w].preverb:
            pool[w].preverb, pool[w].kind = max(fits, key=len), "pv"
    weigh_use(pool, use, everyday | read_code_fact_words())

    def audit(words):
        for kind, faulty in reject_faults(words, known, listed, {}, vouched, use).items():
            rejected.update(faulty)

    existing = collections.defaultdict(dict)  # group -> index -> supplied word in the data files now
    for (g, i, w), _ in read_existing_codes(args.data).items():
        if w and i not in indexed[g]:
            existing[g][i] = w
    entries = {}  # (group, index) -> (word, evidence)
    for g in range(15):
        for i, (w, _) in indexed[g].items():
            entries[(g, i)] = (w, None)
    def fill_groups(known):
        """Chooses every supplied group; with `known` (the lexicon's words), also comes near the stated
        number of compounds whose verb after the preverb is an entry."""
        report, chosen = [], {}
        for g, rules in G.SUPPLIED.items():
            anchors = {i: w for i, (w, _) in indexed[g].items() if rules.first <= i <= rules.last}
            # the words after the run are its tail; b's run is followed by the stated second fill instead
            tails = [w for i, (w, _) in indexed[g].items() if i > rules.last and g != 1]
            fill = GroupFill(rules, anchors, loose[g], tails, dict(pool), random.Random(args.seed),
                             {} if args.fresh else existing[g], rejected, audit)
            fill.recognise_compounds()
            if known is not None and rules.of_entries is not None:
                fill.soft.append(("compounds of entries", lambda w, pv: bool(pv) and w[len(pv):] in known,
                                  rules.of_entries, ENDING_WEIGHT))
            problems, short = fill.prepare()
            for w in problems:
                report.append(f"group {g}: stated word without a place: {w}")
            for item in short:
                report.append(f"group {g}: slot {item[0]}-{item[1]} [{item[2]}] {item[4]} by {item[3]}")
            fill.choose(args.iterations)
            for name, got, want in fill.quota_result:
                if got != want:
                    report.append(f"group {g}: {name}: {got} (stated {want})")
            for i, item in fill.result().items():
                chosen[(g, i)] = item
        return report, chosen

    # a first pass gives the lexicon's words, against which the second counts compounds of entries
    _, first = fill_groups(None)
    known = {w for w, _ in entries.values()} | {w for w, _ in first.values()}
    report, chosen = fill_groups(known)
    entries.update(chosen)

    codes = read_existing_codes(args.data)
    stated_code = {(g, i): c for g in indexed for i, (_, c) in indexed[g].items()}
    for n, ranges in G.FILL_RANGES.items():
        lines = [HEADER]
        for g, a, b in ranges:
            for i in range(a, b + 1):
                if i == 0 or i in G.HOLES.get(g, []):
                    lines.append(f"{g}\t{i}\t\t\t\t\n")
                    continue
                if (g, i) not in entries:
                    report.append(f"group {g}: element {i} has no word")
                    continue
                w, c = entries[(g, i)]
                code, code_source = codes.get((g, i, w), ("", ""))
                sc = stated_code.get((g, i), "")
                if sc and "|" not in sc:
                    code, code_source = sc, "stated"
                lines.append(f"{g}\t{i}\t{w}\t{code}\t{evidence_text(c)}\t{code_source}\n")
        with open(os.path.join(args.data, f"fill{n:02d}.tsv"), "w", encoding="utf-8") as f:
            f.writelines(lines)
    versions.record_table(os.path.join(args.data, "fill*.tsv"))
    for line in report:
        print(line)
