#!/usr/bin/env python3
"""Writes the window fuzz target's seed corpus (corpus/) from readable action lists.

Each seed is a sequence of user actions in the byte format that UserActions.h
describes. Run from anywhere; it rewrites corpus/ beside this file.
"""
from pathlib import Path

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


def main():
    corpus = Path(__file__).resolve().parent / "corpus"
    corpus.mkdir(exist_ok=True)
    for old in corpus.glob("*"):
        old.unlink()
    for name, seed in sorted(SEEDS.items()):
        (corpus / name).write_bytes(seed)


if __name__ == "__main__":
    main()
