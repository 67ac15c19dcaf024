"""The productive derivations of the lexicon's verbs, as candidates where witnessed verbs run out.

Hungarian builds new verbs from verbs every day: the causative of a transitive verb ("vizsgáltat",
hence "megvizsgáltat"), the frequentative ("olvasgat", "nézeget"), the middle voice ("húzódik"),
the -ít/-ul pairs ("tanít", "tanul"), the reflexive -odik/-edik/-ödik. Such a word is offered only
where hunspell-hu reads it as a verb of its own, or as the causative of that very verb; that is no
witness that anyone says it, so it comes in as unattested, and a reader's rating decides between
the real ones ("megvizsgáltat") and the ones no one says.
"""
import subprocess

from . import verbhood

CAUSATIVE = ("tat", "tet", "at", "et")
FREQUENTATIVE = ("gat", "get", "ogat", "eget", "öget")
MIDDLE = ("ódik", "ődik", "odik", "edik", "ödik")
# -ít and -ul/-ül verbs of one root trade their endings.
SWAPS = {"ít": ("ul", "ül"), "ul": ("ít",), "ül": ("ít",)}


def stem_of(verb):
    """The verb's stem that the suffixes attach to: an -ik verb without its -ik."""
    return verb[:-2] if verb.endswith("ik") and len(verb) > 3 else verb


# A verb that already ends in a derivational suffix is not derived again ("nézegetget", "húzódódik").
DERIVED_ENDINGS = ("gat", "get", "tat", "tet", "dik", "ul", "ül", "kozik", "kezik", "közik")


def proposals(verb, transitive):
    """The words a suffix or an ending swap makes of `verb` (not yet confirmed): the frequentative of
    any verb, the causative and the middle voice of a transitive one."""
    out = set()
    for ending, others in SWAPS.items():
        if verb.endswith(ending):
            out |= {verb[:-len(ending)] + o for o in others}
    if verb.endswith(DERIVED_ENDINGS):
        return out
    stem = stem_of(verb)
    suffixes = list(FREQUENTATIVE) + (list(CAUSATIVE) + list(MIDDLE) if transitive else [])
    out |= {stem + s for s in suffixes}
    out.discard(verb)
    return out


def derived_verbs(verbs, transitive, known):
    """{derived word: the lexicon verb it is built on} for every proposal that hunspell-hu's analyses
    confirm (see `confirmed`) and that is not a word of `known` already. `transitive(verb)` tells whether the
    causative and the middle voice apply."""
    origin = {}
    for v in sorted(verbs):
        for w in proposals(v, transitive(v)):
            if w not in known:
                origin.setdefault(w, v)
    if not origin:
        return {}
    proc = subprocess.run(["hunspell", "-d", "hu_HU", "-m"], input="\n".join(origin) + "\n",
                          capture_output=True, text=True, check=True)
    lines = {}
    for line in proc.stdout.splitlines():
        parts = line.split()
        if parts and parts[0] in origin:
            lines.setdefault(parts[0], []).append(parts[1:])
    return confirmed(origin, lines)


def confirmed(origin, lines):
    """The proposals (`origin`: word -> its verb) that some analysis line (`lines`: word -> token lists
    as hunspell-hu gives them) reads as a verb's dictionary form: a verb of its own ("olvasgat"
    st:olvasgat, "húzódik" st:húzódik), or the causative of that very verb ("vizsgáltat" st:vizsgál
    ds:tAt_FACTITIVE_vrb_tr); not a noun's form ("kérget"), a participle's ("vizsgáltat" read as
    "vizsgált" + accusative), nor a frequentative or middle voice that hunspell-hu only builds
    ("laminálódik" st:laminál ds:Ódik): it builds them for any verb, and people say few of them."""
    out = {}
    for word, base in origin.items():
        for tokens in lines.get(word, []):
            r = verbhood.verb_readings(tokens)
            if r is None or r[0] or any(t.startswith("is:") for t in r[2]):
                continue
            suffixes = [t for t in r[2] if t.startswith("ds:")]
            own = r[1] == word and not suffixes
            derived_here = r[1] in (base, stem_of(base)) and len(suffixes) == 1 and "FACTITIVE" in suffixes[0]
            if own or derived_here:
                out[word] = base
                break
    return out
