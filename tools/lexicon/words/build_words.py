"""Builds the group, index and word columns of lexicon/data/fill01.tsv .. fill15.tsv.

Every word the design states stands at its stated element; the full lists are copied as stated.
The stretches left open (a/á, b 1-643, k, l, m, n/o/ó/ö/ő, p) are filled with Hungarian verbs from
the candidate list, in lexicon order between the stated anchors, keeping the blocks and preverb
runs. The words of a whole group are chosen together (group_choice.py): every stated total of the
group (groups.py: letters, compounds per preverb and simple verbs, lengths, endings, vowel digits,
compounds of entries) holds, every everyday verb (everyday-verbs.txt), every word the code facts
name and every witnessed verb in use (IN_USE) stands where its place is free, and within that the
summed cost, evidence less use in running text (verb-use.tsv), is as low as it can be. Words
failing the checks of verbhood.py, or that a reader rated dubious or no verb (reading-verdicts.tsv),
are rejected first; only where nothing else sorts into a stretch or meets a stated letter count
does a word rated dubious keep the layout whole, listed as thinly witnessed. Where the witnessed
verbs run out, a stretch is offered compounds and derivatives of the lexicon's verbs that hunspell-hu
reads (derivations.py), those a reader rated real first; each stretch that still holds a word no
reader confirmed is written with the candidates tried there to unconfirmed-places.tsv. A word the data files
hold now is kept where nothing better takes its place (--fresh: no such preference). Codes already
present in the data files are kept for a word that stays (the codes are built by their own tool);
stated codes are filled in. Prints per group the words that changed and the summed use before and
after.

Usage: python3 -m tools.lexicon build-words [--sources DIR] [--corpus FILE] [--split FILE] [--use FILE] [--data DIR] [--seconds N] [--fresh]
                                            [--unrated FILE]
"""
import argparse
import collections
import math
import os
import re

from . import code_view
from . import corpus_compounds
from . import derivations
from . import group_choice
from . import groups as G
from . import lexorder
from . import verb_use
from . import verbhood
from .. import paths, versions
from ..assign_codes import load_candidates
from ..codes.facts import Facts
from ..paths import require

HERE = os.path.dirname(os.path.abspath(__file__))

# Evidence cost of a supplied word: the lower, the stronger.
# A word-list-only compound and an unattested one cost more than use can repay: they stand only
# where no witnessed verb fits between the anchors under the stated totals.
COST = {"everyday": 0.0, "t1": 0.0, "t2": 1.0, "t3": 4.0, "corpus": 5.0, "corpus1": 6.0, "corpus2a": 7.0, "corpus1a": 10.0,
        "weak": 5000.0, "split": 8000.0, "unattested": 10000.0, "derivative": 12000.0, "dubious": 20000.0}
# Use outweighs the steps between witnessed kinds: a verb met a thousand times in running text (about
# ten doublings) gains 20, more than any tier or corpus step; a word-list-only or unattested compound
# stays behind every witnessed one whatever its use.
USE_WEIGHT = 2.0
# An everyday verb, one whose code the code facts settle, or one met often in running text stands
# wherever the layout lets it; no figure may take it out again (the figures would otherwise trade a
# verb in use for a rarer one of the same ending or length).
EVERYDAY_COST = -1e6
# The measure of use (read_use) from which a verb counts as in use in that sense.
IN_USE = 10.0
# Each word off a stated total costs more than any trade between witnessed words can gain (their
# costs differ by less than 60); a swap of two words moves at most some sixteen totals, which costs
# less than a word-list-only, split or unattested compound: such a word comes in to fill elements,
# not figures. The letters of the words are hard facts that the lexicon's tests check, and outweigh
# everything.
TOTAL_MISS = 300.0
LETTER_MISS = 1e6
# What keeping a word of the data files is worth: less than one occurrence in running text, so it
# only settles choices that are otherwise equal.
STAY_BONUS = 0.1
# How many unrated fallback candidates a stretch is offered for each element it lacks, those built on
# the verbs most in use first: hunspell-hu confirms some hundred thousand, too many to read.
OFFERS_PER_ELEMENT = 8
# What a reader's rating "real" or "common" is worth to a word that rests on thin evidence (a word list,
# a split witness, hunspell-hu alone): it comes before the unrated ones of its kind, never before a
# witnessed word, and never at the price of a stated total (TOTAL_MISS).
RATED_REAL_BONUS = 500.0
EVERYDAY = os.path.join(paths.HERE, "everyday-verbs.txt")
VERDICTS = os.path.join(HERE, "reading-verdicts.tsv")
# A reader's verdicts that keep a word out of the lexicon.
REJECTING_VERDICTS = ("dubious", "not a verb")
THIN_EVIDENCE = ("weak", "split", "unattested", "derivative", "dubious")
CODE_FACTS = os.path.join(paths.HERE, "code_facts.tsv")
UNCONFIRMED_PLACES = os.path.join(HERE, "unconfirmed-places.tsv")
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


def read_verdicts(path=VERDICTS):
    """word -> (verdict, reason), from the reader's ratings (reading-verdicts.tsv)."""
    out = {}
    for line in open(require(path, "reading verdicts"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        word, verdict, reason = line.rstrip("\n").split("\t")
        out[word] = (verdict, reason)
    return out


def read_code_fact_words(path=CODE_FACTS):
    """The words the code facts name: their forms were checked one by one, so they stay entries."""
    return {line.split("\t")[0] for line in open(require(path, "code facts"), encoding="utf-8")
            if not line.startswith("#") and line.strip()}


# What one occurrence in the games' dialogue counts for against one in the help files, manual pages
# and catalogues. The dialogue is some 100,000 words beside 4.3 million, but it is spoken language
# (questions, requests, the second person, narration), which the technical texts hardly hold: "létezik",
# "sajnál", "találkozik" are everyday words there. Counted as the texts' sizes would have it (about 40)
# one game's words ("épít", "támad") would outweigh the whole help of an office suite; counted once,
# speech would stay a rounding error. Eight times makes the dialogue about a sixth of the measure, and a
# verb heard once in it counts as much as one met eight times in a help file.
DIALOGUE_WEIGHT = 8.0


def read_use(path):
    """verb -> (use: occurrences in running text, the dialogue weighed by DIALOGUE_WEIGHT, plus forms in
    the word list; forms seen; verbal forms: those only the verb explains; occurrences in running text
    and dialogue, weighed the same), from verb_use.py's table."""
    out = {}
    for line in open(require(path, "verb use table (verb-use)"), encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        verb, occurrences, listed, forms, verbal, dialogue = line.rstrip("\n").split("\t")
        running = float(occurrences) + DIALOGUE_WEIGHT * float(dialogue)
        out[verb] = (running + int(listed), int(forms), int(verbal), running)
    return out


def weigh_use(pool, use, kept):
    """Lowers each candidate's cost by its use; a verb that must stay (`kept`) or that running text
    uses often comes first of all."""
    for w, c in pool.items():
        measure = use.get(w, (0, 0, 0, 0.0))
        c.cost = COST[c.evidence] - USE_WEIGHT * math.log2(1 + measure[0])
        if w in kept or (measure[0] >= IN_USE and not c.thinly_witnessed()):
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

    def __init__(self, rules, anchors, loose, tails, pool, existing=None, rejected=(), audit=None, rated_real=(),
                 last_resort=None, bases=None, derived=None, dubious=()):
        self.r = rules
        self.dubious = dubious            # words a reader rated dubious: a fallback's last resort
        # word -> (sources, the verb it derives from or itself, its use): the verbs a fallback compound
        # is built on
        self.bases = bases or {}
        # word -> (sources, its verb, its use): productive derivatives offered in the runs of simple verbs
        self.derived = derived or {}
        self.last_resort = last_resort or {}  # word -> candidate a reader rated dubious
        self.rated_real = rated_real      # words a reader rated real or common
        self.audit = audit or (lambda words: None)  # takes the words that fail the checks out of a pool
        self.rejected = rejected          # words a source offered but that are no real entry
        self.existing_words = set(existing or ())  # supplied words now in the data files
        self.problems = []                # what the choice could not do as asked
        self.anchors = anchors            # index -> word within the ordered run
        self.tails = tails                # words standing after the run
        self.loose = loose                # stated words without an element
        self.pool = pool
        self.soft = []  # (name, predicate, target, weight): figures to come near, not to meet
        self.offered = []  # the fallback's candidates, for a reader to rate
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
        self._last_resort(taken)
        short = []
        for s in self.slots:
            need = s["last"] - s["first"] + 1 - len(s["forced"])
            s["need"] = need
            if need < 0:
                short.append((s["first"], s["last"], s["label"], need, "too many stated words"))
            elif len(s["pool"]) < need:
                short.append((s["first"], s["last"], s["label"], need - len(s["pool"]), "short"))
        return problems, short

    def _last_resort(self, taken):
        """Words a reader rated dubious, at a cost above every other kind: one stands only where nothing
        else sorts into a stretch or meets a letter count the design states, so that the stated layout
        stays whole; its place is listed as thinly witnessed."""
        for w in sorted(self.last_resort, key=lexorder.key):
            c = self.last_resort[w]
            if w in taken or group_of(w) != self.r.group or not self.allowed(c):
                continue
            s = self.slot_for(w)
            if s is not None:
                s["pool"].append(Candidate(w, c.kind, c.preverb, c.stem, c.sources, c.tier, "dubious"))

    def _fallback(self, taken):
        """Where a run has too few witnessed verbs: compounds of its preverb and any verb of the lexicon
        (stated, listed or derived from one: "megvizsgáltat") that hunspell-hu analyses as that compound,
        and in a run of simple verbs the productive derivatives of lexicon verbs; recorded as unattested.
        hunspell-hu builds thousands that no one says ("általhasznál", "kitojóz"): those a reader rated
        real come first (cost_of), a compound rated dubious only where a stretch would otherwise stay
        short, and none rated no verb (`rejected`)."""
        wanted, simple, needs = {}, {}, {}
        for n, s in enumerate(self.slots):
            # a generated derivative counts as missing: an unattested compound may take its place
            need = s["last"] - s["first"] + 1 - len(s["forced"]) - sum(c.evidence != "derivative" for c in s["pool"])
            if need <= 0:
                continue
            needs[n] = need
            pv = next((p for p in self.r.preverbs if lexorder.fold(p) == s["label"]), None)
            if pv is None:
                for w, (sources, _, weight) in self.derived.items():
                    if w not in taken and w not in self.pool and w not in self.rejected and self.slot_for(w) is s:
                        simple[w] = (n, sources, weight)
                continue
            for b, (sources, origin, weight) in self.bases.items():
                w = pv + b
                if w in taken or w in self.pool or w in wanted or w in self.last_resort or self.slot_for(w) is not s:
                    continue
                if w in self.rejected and w not in self.dubious:
                    continue
                wanted[w] = (n, pv, b, sources, origin, weight)
        confirmed = hunspell_compounds({w: (pv, (b, origin)) for w, (_, pv, b, _, origin, _) in wanted.items()})
        offers = collections.defaultdict(list)  # stretch -> [(use of the base, candidate)]
        last_resort = collections.defaultdict(list)  # stretch -> the compounds a reader rated dubious
        for w in sorted(confirmed):
            n, pv, b, sources, _, weight = wanted[w]
            if w in self.dubious:
                last_resort[n].append(Candidate(w, "pv", pv, b, f"hunspell+{sources}", 4, "dubious"))
                continue
            offers[n].append((weight, Candidate(w, "pv", pv, b, f"hunspell+{sources}", 4, "unattested")))
        for w in sorted(simple):
            n, sources, weight = simple[w]
            offers[n].append((weight, Candidate(w, "lex", "", w, f"hunspell+{sources}", 4, "unattested")))
        kept, stretch_of = {}, {}
        for n, offered in offers.items():
            offered = [(weight, c) for weight, c in offered if self.allowed(c)]
            rated = [c for _, c in offered if c.word in self.rated_real]
            unrated = [c for _, c in sorted(offered, key=lambda x: (-x[0], lexorder.key(x[1].word)))
                       if c.word not in self.rated_real]
            for c in rated + unrated[:OFFERS_PER_ELEMENT * needs[n]]:
                kept[c.word], stretch_of[c.word] = c, n
        self.audit(kept)
        self.offered = sorted(kept, key=lexorder.key)
        for w, c in kept.items():
            self.slots[stretch_of[w]]["pool"].append(c)
        # where even these fall short, the compounds a reader rated dubious keep the stretch whole
        offered_in = collections.Counter(stretch_of[w] for w in kept)
        for n, need in needs.items():
            if need > offered_in[n] and last_resort[n]:
                words = {c.word: c for c in last_resort[n]}
                self.audit(words)
                self.slots[n]["pool"].extend(words.values())

    def choose(self, view, known, beyond=(), seconds=900):
        """Chooses the words of every stretch at once (group_choice.py): each stretch as many as it
        has elements, every everyday and code-facts word that fits, every stated total of the group
        met as far as the candidates allow, and within that the lowest summed cost. `view` gives the
        entries' code fields (code_view.py), `known` the lexicon's words (for the compounds of
        entries), `beyond` the group's stated words after its supplied run that such a total counts."""
        fixed = [view.entry(w) for w in list(self.anchors.values()) + list(self.tails)
                 + [w for s in self.slots for w in s["forced"]]]
        stretches, entries = [], []
        for s in self.slots:
            s["pool"].sort(key=lambda c: lexorder.key(c.word))
            need = max(0, min(s["need"], len(s["pool"])))
            must = {c for c in s["pool"] if c.cost == EVERYDAY_COST}
            if len(must) > need:
                self.problems.append(f"stretch {s['first']}-{s['last']}: more everyday words than elements")
                must = set(sorted(must, key=lambda c: lexorder.key(c.word))[:need])
            stretches.append(group_choice.Stretch(need, [(self.cost_of(c), c in must) for c in s["pool"]]))
            entries.append([view.entry(c.word) for c in s["pool"]])
        totals = list(self.r.totals())
        if self.r.of_entries is not None:
            totals.append(("compounds of entries", lambda e: bool(e.preverb) and e.word[len(e.preverb):] in known,
                           self.r.of_entries))
        problem = []
        for name, counts, target in totals:
            base = fixed + ([view.entry(w) for w in beyond] if name == "compounds of entries" else [])
            problem.append(group_choice.Total(
                name, target, sum(1 for e in base if counts(e)),
                [(n, c) for n, es in enumerate(entries) for c, e in enumerate(es) if counts(e)],
                LETTER_MISS if name.startswith(("initial ", "second ")) else TOTAL_MISS))
        chosen, self.missed, self.status = group_choice.solve(stretches, problem, seconds)
        for s, picks in zip(self.slots, chosen):
            s["chosen"] = [s["pool"][c] for c in picks]

    def cost_of(self, c):
        """A candidate's cost in the group's program: its evidence less its use (weigh_use), a little
        less for a word the data files hold now, so that equal choices leave the data as it is, and
        less for a thinly witnessed word a reader rated real."""
        if c.cost == EVERYDAY_COST:
            return 0.0
        staying = c.word in self.existing_words
        rated = c.evidence in THIN_EVIDENCE and c.word in self.rated_real
        return round(c.cost - (STAY_BONUS if staying else 0.0) - (RATED_REAL_BONUS if rated else 0.0), 4)

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


def change_report(group, status, before, after, use):
    """Words out and in (up to ten of each) and the summed use of the group's supplied words before
    and after: occurrences in running text and in the word list, and the sum of log2(1 + use) that
    the choice weighs."""
    before, after = set(before), set(after)
    gone, new = sorted(before - after, key=lexorder.key), sorted(after - before, key=lexorder.key)

    def summed(words):
        return (f"{sum(use.get(w, 0) for w in words):.0f} occurrences, "
                f"{sum(math.log2(1 + use.get(w, 0)) for w in words):.0f} weighed")
    return (f"group {group}: {status}; {len(gone)} words out, {len(new)} in; use before {summed(before)}, "
            f"after {summed(after)}\n  out: {' '.join(gone[:10])}\n  in: {' '.join(new[:10])}")


def hunspell_compounds(words):
    """The words that hunspell-hu analyses as a verb made of exactly the given preverb and stem;
    `words` maps each to (preverb, (stem, the verb the stem derives from))."""
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
        preverb, stems = words[parts[0]]
        if r is not None and r[0] == preverb and r[1] in stems:
            out.add(parts[0])
    return out


def verbal_forms(c, use, witnessed):
    """The forms seen in the texts (`use`) or quoted as the candidate's witness (read by
    verb_use.verb_readings_of into `witnessed`) that only the word as a verb explains."""
    return use.get(c.word, (0, 0, 0))[2] + sum(c.word in witnessed[f][1] for f in c.witness_forms() if f in witnessed)


def misspelt_forms(forms, known):
    """The forms that, with marks put back on plain vowels, hunspell-hu reads as a form of a known
    verb: form -> the verbs ("leirtatok": "leírtátok", the past of "leír")."""
    variants = {f: verbhood.diacritic_variants(f, 64) for f in forms}
    lines = verbhood.analyses({v for vs in variants.values() for v in vs})
    out = collections.defaultdict(set)
    for f, vs in variants.items():
        for v in vs:
            for tokens in lines.get(v, []):
                r = verbhood.verb_readings(tokens)
                if r is not None and verbhood.verbal(r[2]) and r[0] + r[1] in known:
                    out[f].add(r[0] + r[1])
    return out


def base_has(word, preverb, entries, known):
    """Whether the word, not its twin with or without -ik, is the one its base verb has: the base
    the lexicon's stated words hold, else the one the sources know."""
    twin = verbhood.twin_of(word)
    ik, plain = (word, twin) if word.endswith("ik") else (twin, word)
    for verbs in (entries, known):
        if ik[len(preverb):] in verbs or plain[len(preverb):] in verbs:
            return (ik[len(preverb):] in verbs) == word.endswith("ik")
    return word.endswith("ik")


def evidence_of(pool, use, known, entries):
    """word -> verbhood.Evidence: what the sources say of each candidate beyond its analyses
    (`entries`: the stated words)."""
    forms = {f for c in pool.values() for f in c.witness_forms()}
    witnessed = verb_use.verb_readings_of(forms)
    misspelt = misspelt_forms({f for c in pool.values() if c.thinly_witnessed() for f in c.witness_forms()}, known)
    lines = verbhood.analyses(forms)
    out = {}
    for w, c in pool.items():
        witness = None
        if c.evidence.startswith("corpus"):
            witness = {}
            for f in c.witness_forms():
                verbs, _, other, nominal = witnessed.get(f, (set(), set(), False, set()))
                witness[f] = verbhood.Reading(verbs, nominal, other, bool(misspelt.get(f, set()) - {w}),
                                              f != w and verbhood.is_dictionary_form(f, lines.get(f, [])))
        split_groups = c.sources.split(":", 1)[1].split(";")[0].split(",") if c.evidence == "split" else None
        complete = witness is not None and int(re.match(r"\d+", c.sources).group()) <= len(witness)
        out[w] = verbhood.Evidence(use.get(w, (0, 0, 0, 0))[3], c.sources if c.evidence.startswith("t") else "",
                                   c.stem if c.kind in ("der", "pvder") else None, witness, complete, split_groups,
                                   use.get(verbhood.twin_of(w), (0, 0, 0, 0))[3],
                                   base_has(w, c.preverb, entries, known), use.get(w, (0, 0, 0, 0))[2])
    return out, witnessed


def reject_faults(pool, known, listed, shared, vouched, use, entries):
    """Takes out of the pool every word that is no real verb entry (see verbhood.fault); kind -> words.
    `vouched` holds the words a headword, the design or the everyday list gives; `use` is read_use's;
    `entries` the stated words."""
    words = set(pool) | {w[len(c.preverb):] for w, c in pool.items() if c.preverb}
    words |= {v for w in pool for v in verbhood.accent_variants(w)}
    lines = verbhood.analyses(words)
    thin = {w: c for w, c in pool.items() if c.thinly_witnessed()}
    evidence, witnessed = evidence_of(pool, use, known, entries)
    out = collections.defaultdict(set)
    for w, c in list(pool.items()):
        verbal = verbal_forms(c, use, witnessed) if w in thin else None
        kind = verbhood.fault(w, c.preverb, known, listed, lines, shared.get(w, ()),
                              c.evidence in ("corpus2a", "corpus1a"), w in vouched or c.vouched(), verbal,
                              evidence[w])
        if kind == verbhood.UNWITNESSED_DERIVATIVE:
            c.evidence, c.cost = "derivative", COST["derivative"]  # thin evidence, last of all
            out[kind].add(w)
        elif kind:
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
    if c.evidence in ("weak", "split", "unattested", "dubious"):
        return f"{c.evidence}:{c.sources} {AUDITED}"
    if c.evidence == "derivative":
        return f"weak:{c.sources} {AUDITED}"  # a generated derivative: word lists only
    return f"tier{c.tier}:{c.sources} {AUDITED}"


# Every supplied word the builder writes has passed verbhood.fault.
AUDITED = "audit:ok"


def write_unconfirmed_places(path, fills, rated_real, turned_down):
    """Each stretch that still holds a word no reader confirmed (thin evidence, not rated real or
    common), with the candidates tried for it: those it was offered and did not take, and those a
    reader turned down (`turned_down`) that sort there."""
    lines = ["# Stretches of supplied words that still hold a word no reader confirmed (weak, split, unattested or\n"
             "# dubious, not rated real or common), with every candidate tried there: offered and not taken, or\n"
             "# rated dubious or no verb by a reader. Written by python3 -m tools.lexicon build-words.\n"
             "# group\tfirst\tlast\tunconfirmed words\tcandidates tried\n"]
    for g, fill in sorted(fills.items()):
        sorted_there = collections.defaultdict(set)  # stretch -> the turned-down words that sort there
        for w in turned_down:
            s = fill.slot_for(w) if group_of(w) == g else None
            if s is not None:
                sorted_there[s["first"]].add(w)
        for s in fill.slots:
            chosen = {c.word for c in s["chosen"]}
            unconfirmed = [c.word for c in s["chosen"] if c.evidence in THIN_EVIDENCE and c.word not in rated_real]
            if not unconfirmed:
                continue
            tried = ({c.word for c in s["pool"]} | sorted_there[s["first"]]) - chosen
            lines.append(f"{g}\t{s['first']}\t{s['last']}\t{' '.join(sorted(unconfirmed, key=lexorder.key))}\t"
                         f"{' '.join(sorted(tried, key=lexorder.key))}\n")
    with open(path, "w", encoding="utf-8") as f:
        f.writelines(lines)


def fallback_bases(pool, lexicon_verbs, known, data_codes, use):
    """The verbs a fallback compound may be built on: every simple verb of the lexicon (stated or
    everyday) and every strongly witnessed one of the candidate list, and the productive derivatives
    of these (derivations.py), each with its use (a derivative's own, or a quarter of its verb's
    where that is more).
    Returns ({word: (sources, the verb it derives from or itself, use)}, {derived word: (sources,
    its verb, use)})."""
    simple = {c.word: c.sources for c in pool.values() if not c.preverb and c.kind == "lex" and c.tier <= 2}
    for w in lexicon_verbs:
        if not any(w.startswith(p) and w[len(p):] in known for p in corpus_compounds.PREVERBS):
            simple.setdefault(w, pool[w].sources if w in pool else "S")
    transitive = {w for (_, _, w), (code, _) in data_codes.items() if len(code) == 9 and code[7] == "1"}
    made = derivations.derived_verbs(simple, lambda v: v in transitive, set(simple))
    derived = {w: (simple[v], v, max(use.get(w, (0.0,))[0], use.get(v, (0.0,))[0] / 4)) for w, v in made.items()}
    bases = {w: (src, w, use.get(w, (0.0,))[0]) for w, src in simple.items()}
    bases.update(derived)
    return bases, derived


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
    ap.add_argument("--seconds", type=int, default=900, help="time limit of the solver for one group")
    ap.add_argument("--fresh", action="store_true",
                    help="no preference for the words the data files hold now")
    ap.add_argument("--unrated", help="write the thinly witnessed candidates (word lists, split witnesses, "
                                      "hunspell-hu alone) that no reader rated yet to this file, one a line, "
                                      "for a reader to rate")
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
    verdicts = read_verdicts()
    turned_down = {w for w, (verdict, _) in verdicts.items() if verdict in REJECTING_VERDICTS}
    rated_dubious = {w for w, (verdict, _) in verdicts.items() if verdict == "dubious"}
    rejected = set(turned_down)
    rated_real = {w for w, (verdict, _) in verdicts.items() if verdict not in REJECTING_VERDICTS}
    last_resort = {w: c for words in (split, corpus, pool) for w, c in words.items()
                   if verdicts.get(w, ("",))[0] == "dubious"}
    for words in (pool, corpus, split):
        for w in rejected & set(words):
            del words[w]
    print(f"rejected by the reading verdicts: {len(rejected)}")
    for name, words, witness in (("candidate list", pool, {}), ("corpus", corpus, shared), ("split", split, {})):
        for kind, faulty in sorted(reject_faults(words, known, listed, witness, vouched, use, stated).items()):
            if kind == verbhood.UNWITNESSED_DERIVATIVE:
                print(f"thin evidence in the {name} ({kind}): {len(faulty)}")
                continue
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
        for kind, faulty in reject_faults(words, known, listed, {}, vouched, use, stated).items():
            rejected.update(faulty)

    existing = collections.defaultdict(dict)  # group -> index -> supplied word in the data files now
    data_codes = read_existing_codes(args.data)
    bases, derived = fallback_bases(pool, stated | everyday, known, data_codes, use)
    print(f"fallback bases: {len(bases)}, of them derived: {len(derived)}")
    for (g, i, w), _ in data_codes.items():
        if w and i not in indexed[g]:
            existing[g][i] = w
    entries = {}  # (group, index) -> (word, evidence)
    for g in range(15):
        for i, (w, _) in indexed[g].items():
            entries[(g, i)] = (w, None)
    report, fills = [], {}
    for g, rules in G.SUPPLIED.items():
        anchors = {i: w for i, (w, _) in indexed[g].items() if rules.first <= i <= rules.last}
        # the words after the run are its tail; b's run is followed by the stated second fill instead
        tails = [w for i, (w, _) in indexed[g].items() if i > rules.last and g != 1]
        fill = GroupFill(rules, anchors, loose[g], tails, dict(pool), {} if args.fresh else existing[g].values(),
                         rejected, audit, rated_real, last_resort, bases, derived, rated_dubious)
        fill.recognise_compounds()
        problems, short = fill.prepare()
        for w in problems:
            report.append(f"group {g}: stated word without a place: {w}")
        for item in short:
            report.append(f"group {g}: slot {item[0]}-{item[1]} [{item[2]}] {item[4]} by {item[3]}")
        fills[g] = fill

    codes = {w: c for (g, i, w), (c, _) in data_codes.items() if w and c}
    codes.update(Facts(CODE_FACTS).code_of)
    candidates = load_candidates(os.path.join(args.sources, "verb-candidates.tsv"))
    named = {w: p for rules in G.SUPPLIED.values() for w, p in rules.preverb_of.items()}
    stated_words = {w for w, _ in entries.values()}
    beyond = {g: [w for i, (w, _) in indexed[g].items() if i > rules.last] for g, rules in G.SUPPLIED.items()
              if rules.of_entries_whole}

    def choose_all(lexicon_words):
        """Chooses every supplied group against the lexicon's words (for the compounds of entries and
        the preverb split) and returns the chosen words."""
        view = code_view.CodeView(lexicon_words, codes, Facts(CODE_FACTS), candidates, named)
        out = set()
        for g, fill in fills.items():
            fill.choose(view, lexicon_words, beyond.get(g, ()), args.seconds)
            out |= {c.word for s in fill.slots for c in s["chosen"]}
        return out

    # the first pass takes the lexicon's words as they are in the data files; the second counts the
    # compounds of entries and splits the preverbs against the words of the first
    first = choose_all(stated_words | {w for g in existing for w in existing[g].values()})
    choose_all(stated_words | first)
    use_measure = {w: u[0] for w, u in use.items()}
    for g, fill in fills.items():
        for line in fill.problems:
            report.append(f"group {g}: {line}")
        for total, got in fill.missed:
            report.append(f"group {g}: {total.name}: {got} (stated {total.target})")
        for i, item in fill.result().items():
            entries[(g, i)] = item
        print(change_report(g, fill.status, [w for w in existing[g].values() if w not in stated],
                            [c.word for s in fill.slots for c in s["chosen"]], use_measure))

    write_unconfirmed_places(UNCONFIRMED_PLACES, fills, rated_real, turned_down)
    if args.unrated:
        offered = {w for fill in fills.values() for w in fill.offered}
        offered |= {c.word for fill in fills.values() for s in fill.slots for c in s["pool"] if c.evidence in THIN_EVIDENCE}
        offered -= set(verdicts)
        with open(args.unrated, "w", encoding="utf-8") as f:
            f.writelines(w + "\n" for w in sorted(offered, key=lexorder.key))
        print(f"unrated candidates offered: {len(offered)} (in {args.unrated})")

    by_word = {(g, w): code for (g, i, w), code in data_codes.items() if w}
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
                # a word that stays keeps its code, wherever the words newly in its stretch put it
                code, code_source = data_codes.get((g, i, w)) or by_word.get((g, w), ("", ""))
                sc = stated_code.get((g, i), "")
                if sc and "|" not in sc:
                    code, code_source = sc, "stated"
                lines.append(f"{g}\t{i}\t{w}\t{code}\t{evidence_text(c)}\t{code_source}\n")
        with open(os.path.join(args.data, f"fill{n:02d}.tsv"), "w", encoding="utf-8") as f:
            f.writelines(lines)
    versions.record_table(os.path.join(args.data, "fill*.tsv"))
    for line in report:
        print(line)
