#!/usr/bin/env python3
"""Writes the window fuzz targets' seeds from readable action lists.

Each seed is a sequence of user actions in the byte format that UserActions.h
describes. corpus/ is for the target over the tests' lexicon; corpus-lexicon/,
for the target over the built-in lexicon, holds one verb of that lexicon for
each letter group and each class and usage its codes hold (the middle one in
the lexicon's order, so that the seeds spread over the groups), some typed
with a preverb or a suffix. Run from anywhere; it rewrites both
folders beside this file.
"""
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO))
from tools.lexicon.codes.fillfiles import FillFile, fill_paths  # noqa: E402 (needs the repository on the path)

TYPE, PASTE, PASTE_LONG, CLEAR, BACKSPACE, CONJUGATE, MOOD, ALL_PERSONS, OBJECTIVE, IMPERATIVE, \
    DERIVED, SHORT, ANSWER, CELL, BOX, ABOUT = range(16)


def text(kind, value):
    data = value.encode() if isinstance(value, str) else value
    return bytes([kind, len(data)]) + data


def typed(value):
    return text(TYPE, value)


def mood(m):  # 1 to 4
    return bytes([MOOD, m - 1])


def every_mood_and_toggle(verb):
    seed = typed(verb) + bytes([CONJUGATE])
    for m in (1, 2, 3, 4):
        seed += mood(m) + bytes([ALL_PERSONS, OBJECTIVE, IMPERATIVE, SHORT, SHORT, IMPERATIVE])
    return seed + bytes([DERIVED, BOX, 3, CELL, 9, DERIVED])


REAL_VERBS = ["ad", "vár", "kér", "eszik", "iszik", "megy", "jön", "van", "alszik", "elvisz", "alapszik",
              "izzik", "tanul", "fut", "hisz", "lő", "fekszik", "nő", "édesget", "hat", "kiszurkol"]
GUESSED = ["frobozik", "blablál", "kutyorog", "zümmörít", "felomol", "szétforszol", "körbeörvényel"]

SEEDS = {f"verb-{v}": every_mood_and_toggle(v) for v in REAL_VERBS + GUESSED}
SEEDS.update({
    "homonym-teved-no": bytes([ANSWER, 1]) + every_mood_and_toggle("téved"),
    "homonym-ragad-yes": bytes([ANSWER, 0]) + every_mood_and_toggle("ragad"),
    "empty-then-typed": bytes([CONJUGATE]) + typed("ad") + bytes([CONJUGATE]),
    "blanks-and-tabs": typed("   ") + bytes([CONJUGATE]) + typed("\t\t") + bytes([CONJUGATE]) + typed(" ad ") + bytes([CONJUGATE]),
    "invalid-utf8": typed(b"\xff\xfe\xc3") + bytes([CONJUGATE]) + typed(b"a\xc3") + mood(4),
    "nul-bytes": typed(b"a\x00d") + bytes([CONJUGATE]) + text(PASTE, b"\x00\x00ik") + bytes([CONJUGATE]),
    "combining-accent": typed("va\u0301r") + bytes([CONJUGATE]) + typed("e\u0301l") + mood(2),
    "capitals": typed("AD") + bytes([CONJUGATE]) + typed("Eszik") + mood(3) + typed("ÁLL") + mood(4),
    "long-paste": text(PASTE_LONG, "megszentségtelenít") + bytes([CONJUGATE, DERIVED]) + mood(4),
    # Found by the fuzzer: long entries without a vowel that decides harmony, guessed again and again;
    # the guess took seconds while it was quadratic in the entry's length.
    "slow-vowel-guess": b"\x00\x04-k\xc3\xa1r\x05\x06\xa5\xa5\xa5\xa5\xa5r\x03\x00illmh\x06\x07\x08%%%%%%%%)"
                        b"\x0b\x0b\t\nhhhhhhhh\xa7hhhhhhhh",
    "long-pattern-verb": bytes([DERIVED]) + typed("x") + bytes([DERIVED, BACKSPACE]) + typed("a" * 30 + "omol") + bytes([CONJUGATE]),
    "about-window": typed("vár") + bytes([CONJUGATE, ABOUT]) + typed("kér") + bytes([CONJUGATE]),
    "paste-after-result": typed("ad") + bytes([CONJUGATE]) + text(PASTE, "vesz") + text(PASTE, "vesz") + bytes([CONJUGATE]),
    "edit-after-result": typed("adok") + bytes([CONJUGATE, BACKSPACE, BACKSPACE, CONJUGATE, CLEAR]) + typed("lát") + mood(2),
    "impossible-ending": typed("futtattat") + bytes([CONJUGATE]) + typed("ítít") + bytes([CONJUGATE]),
    # Histories that once left their mark on the next entry: a toggle pressed over a refused
    # entry, the short/long toggle over a verb not found, the imperative toggle's caption, the
    # entry of an unknown verb kept after the imperative, a verb pasted with white space around it.
    # The target conjugates the last entry itself, typed again.
    "refused-then-objective": typed("adhattat") + bytes([CONJUGATE, OBJECTIVE]) + typed("alél"),
    "kept-entry-then-objective": typed("hatik") + bytes([CONJUGATE, OBJECTIVE, BACKSPACE, BACKSPACE]),
    "not-found-in-imperative": typed("vár") + mood(4) + typed("xyzq"),
    "imperative-caption": typed("alábocsájt") + mood(4) + bytes([IMPERATIVE]) + typed("virrad") + bytes([CONJUGATE]),
    "unknown-after-imperative": typed("vár") + mood(4) + mood(1) + typed("xyzq"),
    "pasted-white-space": text(PASTE, "eszik\r\n") + bytes([CONJUGATE]) + typed("\t\v\fad\xa0") + bytes([CONJUGATE])
                          + text(PASTE, "\u00a0iszik\u3000"),
})


def lexicon_verbs():
    """The middle verb of the built-in lexicon of each letter group, class and usage (lexicon/data/README.md)."""
    kinds = {}
    for path in fill_paths(REPO / "lexicon" / "data"):
        for _, group, _, word, code in FillFile(path).entries():
            if not word or len(code) != 9:
                continue
            for kind in (("group", group), ("class", code[4:6]), ("usage", code[2:4])):
                kinds.setdefault(kind, []).append(word)
    return sorted({words[len(words) // 2] for words in kinds.values()})


def lexicon_seeds():
    verbs = lexicon_verbs()
    seeds = {f"verb-{v}": every_mood_and_toggle(v) for v in verbs}
    # Every fifth verb typed with a preverb and with "hat" after it, which it may or may not take.
    for v in verbs[::5]:
        seeds[f"typed-meg{v}"] = every_mood_and_toggle("meg" + v)
        seeds[f"typed-{v}hat"] = every_mood_and_toggle(v + "hat")
    return seeds


def write(folder, seeds):
    folder.mkdir(exist_ok=True)
    for old in folder.glob("*"):
        old.unlink()
    for name, seed in sorted(seeds.items()):
        (folder / name).write_bytes(seed)


def main():
    here = Path(__file__).resolve().parent
    write(here / "corpus", SEEDS)
    write(here / "corpus-lexicon", lexicon_seeds())


if __name__ == "__main__":
    main()
