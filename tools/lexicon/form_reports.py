"""Two reports of check_forms.py that need no hunspell-hu figure of their own.

- Compounds out of step with their base verb: a compound of a separable preverb and a lexicon verb
  ("elfogad" = "el" + "fogad") conjugates as its base does, so each of its table forms should be
  the preverb followed by the base verb's form in the same cell. A cell where it is not shows
  that one of the two codes differs from the other in a field that matters (a class, a vowel
  digit); some differences are real ("belecsap" beside "csap" once was not).
- Forms that hunspell-hu reads only as another lexicon verb's form: a shown cell of a verb
  hunspell-hu knows, whose form it never reads as the verb itself but does read as a form of
  another verb of the lexicon. The form is likely wrong, or a homograph hunspell-hu lacks for
  this verb ("elvesztem" of "elvész", read only as "elveszt"). Two verbs to which the program gives the same form in the same cell share it
  (twins such as "öregszik" and "öregedik") and are not reported. A wrong form that hunspell-hu
  builds for the verb too ("megért" as the past of "megérik") is beyond this report; the
  principal-parts table of the tests holds such forms.
"""
import collections

from .codes.preverbs import split


def base_of(entry, words):
    """(preverb, base verb) of a compound whose remainder is a lexicon verb, else None."""
    if not entry.code.startswith("2"):
        return None
    preverb, rest = split(entry.word, words)
    return (preverb, rest) if preverb and rest in words else None


def forms_by_verb(forms):
    """{verb: {cell key: form}} of every produced cell."""
    by_verb = collections.defaultdict(dict)
    for form in forms:
        by_verb[form.entry.word][form.cell.key] = form.form
    return by_verb


def compound_mismatches(forms):
    """{compound: [(cell key, compound form, preverb + base form)]} for every cell that differs."""
    words = {f.entry.word for f in forms}
    by_verb = forms_by_verb(forms)
    entries = {f.entry.word: f.entry for f in forms}
    mismatches = {}
    for word, cells in by_verb.items():
        split_word = base_of(entries[word], words)
        if split_word is None:
            continue
        preverb, base = split_word
        base_cells = by_verb[base]
        differing = [(key, cells.get(key, ""), preverb + base_cells[key] if key in base_cells else "")
                     for key in sorted(set(cells) | set(base_cells))
                     if cells.get(key, "") != (preverb + base_cells[key] if key in base_cells else "")]
        if differing:
            mismatches[word] = differing
    return mismatches


def other_verb_forms(forms, verbs_unknown):
    """[(form, [other verbs])] for every shown form of a verb hunspell-hu knows that it reads as
    another lexicon verb's form and never as the verb's own, where the program does not give that
    other verb the same form in the same cell."""
    by_verb = forms_by_verb(forms)
    found = []
    for form in forms:
        if form.restricted or form.entry.word in verbs_unknown:
            continue
        if any(r.verb and r.lemma == form.entry.word for r in form.readings):
            continue
        others = sorted({r.lemma for r in form.readings
                         if r.verb and not r.derived and r.lemma != form.entry.word and r.lemma in by_verb
                         and by_verb[r.lemma].get(form.cell.key) != form.form})
        if others:
            found.append((form, others))
    return found


def print_reports(forms, verbs_unknown, out, examples=40):
    """Prints both reports over the forms that check_forms.py collected and judged."""
    mismatches = compound_mismatches(forms)
    print("\n== Compounds whose forms are not the preverb and their base verb's forms", file=out)
    print("   %d compounds; the differing cells of each (compound form | preverb + base form):" % len(mismatches),
          file=out)
    for word in sorted(mismatches)[:examples] if examples else sorted(mismatches):
        cells = mismatches[word]
        shown = "; ".join("%s %s | %s" % (key, mine or "-", theirs or "-") for key, mine, theirs in cells[:3])
        print("  %s (%d cells): %s" % (word, len(cells), shown), file=out)

    others = other_verb_forms(forms, verbs_unknown)
    print("\n== Shown forms that hunspell-hu reads only as another lexicon verb's form", file=out)
    print("   %d forms of %d verbs:" % (len(others), len({f.entry.word for f, _ in others})), file=out)
    for form, lemmas in others[:examples] if examples else others:
        print("  %s %s %s: %s  (a form of %s)" % (form.entry.word, form.entry.code, form.cell.key, form.form,
                                               ", ".join(lemmas)), file=out)
