"""Assigning the nine-character verb codes of the lexicon's entries."""
