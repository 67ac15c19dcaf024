"""Choosing the lexicon's words from the candidate list and the evidence of Debian's Hungarian texts."""
