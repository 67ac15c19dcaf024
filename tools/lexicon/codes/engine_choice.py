"""The engine step: conjugate each supplied code's candidates with the program and keep the best.

For every verb whose code the rules decided (not stated, not taken from a base verb), each
candidate code differs from the rule's code in one field: another class of the verb's row (or one
stated verbs of that row carry, or the unstable-vowel class), another vowel digit, or the other
causative digit. The program's engine conjugates the verb under every candidate (the headless
tool with `--lexicon`), and each candidate is scored over the forms where it and the rule's code
differ: one point for a form hunspell-hu analyses as the verb with the cell's tag, minus one for a
form it does not. A candidate replaces the rule's code only when the rule's code gives a table form
that hunspell rejects, the candidate scores higher and hunspell recognises most of its own differing
forms, so a verb hunspell does not know keeps the rule's code.
Fields named for the word are never varied, and stated codes are never touched.
"""
import collections

from .assign import Decision
from .engine import MOODS, verb_forms_recognised
from .facts import with_field


Trial = collections.namedtuple("Trial", "code gain recognised rule_recognised rule_faults mostly detail")


def recognised_pairs(analyser, word, pairs):
    """The (form, tag) pairs hunspell analyses as the verb with that tag."""
    return {p for p in pairs if verb_forms_recognised(analyser, word, [p])}


def trial(analyser, word, rule_code, code, mine_only, theirs_only):
    """Compares a candidate with the rule's code over the forms where they differ."""
    mine_ok = recognised_pairs(analyser, word, mine_only)
    theirs_ok = recognised_pairs(analyser, word, theirs_only)
    gain = (2 * len(theirs_ok) - len(theirs_only)) - (2 * len(mine_ok) - len(mine_only))
    # A fault of the rule's code is a table form hunspell rejects; where table forms differ, a derived
    # form alone is weak evidence ("fulladt" is read as the past participle of "megfullad" only).
    cells = [p for p in mine_only + theirs_only if p[1] in MOODS.values()]
    faults = sum(1 for p in mine_only if (p[1] in MOODS.values() or not cells) and p not in mine_ok)
    detail = "%s %d/%d vs %s %d/%d" % (rule_code[1:7], len(mine_ok), len(mine_only), code[1:7], len(theirs_ok),
                                        len(theirs_only))
    return Trial(code, gain, len(theirs_ok), len(mine_ok), faults, 2 * len(theirs_ok) > len(theirs_only), detail)


def candidate_codes(assigner, word, decision):
    """The rule's code's alternatives for the engine to try, without the fields named for the word."""
    named = assigner.facts.fields_of.get(word, {})
    codes = []
    for name, value in decision.alternatives:
        if name in named:
            continue
        code = with_field(decision.code, name, value)
        if code != decision.code and code not in codes:
            codes.append(code)
    return codes


def choose_with_engine(assigner, entries, engine):
    """Replaces rule-decided codes whose forms hunspell recognises worse than a candidate's.
    Returns counts for the report: checked, confirmed, changed, undecided."""
    stats = collections.Counter()
    current, candidates = {}, {}
    for _, _, group, index, word in entries:
        if not word or word in current or assigner.facts.stated_code(group, index, word):
            continue
        d = assigner.derive(word)
        if d.basis not in ("rule", "evidence"):
            continue
        codes = candidate_codes(assigner, word, d)
        if codes:
            current[word], candidates[word] = d, codes
    if not current:
        return stats
    base_forms = engine.forms({w: d.code for w, d in current.items()})
    results = collections.defaultdict(list)
    for k in range(max(len(c) for c in candidates.values())):
        codes = {w: c[k] for w, c in candidates.items() if len(c) > k}
        forms = engine.forms(codes)
        pending = {}
        for word in codes:
            own, theirs = base_forms[word], forms[word]
            if own != theirs:
                pending[word] = (sorted(own - theirs), sorted(theirs - own))
        assigner.analyser.analyse_all({f for a, b in pending.values() for f, _ in a + b})
        for word, (mine_only, theirs_only) in pending.items():
            results[word].append(trial(assigner.analyser, word, current[word].code, codes[word], mine_only,
                                       theirs_only))
    for word, d in current.items():
        stats["checked"] += 1
        tried = results.get(word, [])
        if not tried or not any(t.recognised or t.rule_recognised for t in tried):
            stats["undecided"] += 1
            continue
        detail = "; ".join(t.detail for t in tried)
        # Only a rule's code that gives a form hunspell rejects is replaced: a candidate that merely
        # adds recognised forms ("barátkozok" beside "barátkozom") is no evidence against it.
        eligible = [t for t in tried if t.gain > 0 and t.rule_faults > 0 and t.mostly]
        if eligible:
            best = max(eligible, key=lambda t: t.gain)
            stats["changed"] += 1
            notes = d.notes + ["engine chose %s over %s: %s" % (best.code, d.code, detail)]
            assigner.overrides[word] = Decision(best.code, "engine", notes)
        elif all(t.gain < 0 for t in tried):
            stats["confirmed"] += 1
            assigner.overrides[word] = Decision(d.code, "engine", d.notes + ["engine: " + detail])
        else:
            stats["undecided"] += 1
    return stats
