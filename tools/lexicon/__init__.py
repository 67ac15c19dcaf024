"""Tools that rebuild the lexicon's words and codes (lexicon/data/fill*.tsv) with hunspell-hu
evidence and check its forms. Run as `python3 -m tools.lexicon COMMAND` from the repository root."""
