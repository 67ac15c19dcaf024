"""python3 -m tools.lexicon COMMAND [OPTIONS]: the lexicon tools (COMMAND --help for each)."""
import importlib
import sys

# command -> (module, what it does); modules load only when their command runs
COMMANDS = {
    "build-words": ("words.build_words", "choose the words of lexicon/data/fill*.tsv"),
    "audit-words": ("words.audit_words", "list how well the data's supplied words are witnessed"),
    "sample-words": ("words.sample_words", "draw supplied words at random for a reader to rate"),
    "corpus-compounds": ("words.corpus_compounds", "collect preverb compounds from Debian texts"),
    "split-compounds": ("words.split_compounds", "collect compounds seen with the preverb after the verb"),
    "verb-use": ("words.verb_use", "measure how much each verb is used in Debian texts"),
    "collect-objective-use": ("codes.collect_objective_use", "count definite forms of verbs in Debian texts"),
    "assign-codes": ("assign_codes", "fill the code column of lexicon/data/fill*.tsv"),
    "check-forms": ("check_forms", "check the table forms against hunspell-hu"),
}


def usage():
    lines = [__doc__.strip(), "", "commands:"]
    lines += ["  %-22s %s" % (name, summary) for name, (_, summary) in COMMANDS.items()]
    return "\n".join(lines)


def main(argv):
    if not argv or argv[0] in ("-h", "--help"):
        print(usage())
        return 0
    if argv[0] not in COMMANDS:
        print("unknown command %r\n\n%s" % (argv[0], usage()), file=sys.stderr)
        return 2
    module = importlib.import_module("." + COMMANDS[argv[0]][0], __package__)
    return module.main(argv[1:], prog="python3 -m tools.lexicon " + argv[0]) or 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
