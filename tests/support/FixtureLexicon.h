// A small lexicon of real verbs for tests and benchmarks.
//
// Holds the verbs that the engine's rules name as examples (ad, eszik, van,
// megy, melegszik, omlik, lő, téved, ragad ...) and the window's cases (vár,
// kér, lehet, virrad ...) with their codes, so a test can take a verb from
// entry to table without the full lexicon. The entries are those of
// tests/support/fixture-lexicon.tsv, embedded at build time; the golden files
// of the headless tool read the same file, so there is one list to edit. Each
// word is stored in its own letter group, from element 1 on in the order of
// the file; the elements after the last fixture word keep no value.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "lexicon/Lexicon.h"

namespace ragozo::testing {

struct FixtureEntry {
  std::string_view word;
  std::string_view code;
};

// The entries of word<TAB>code lines (blank and '#' lines skipped), viewing into `text`. A
// malformed line throws, so that a test never runs with a verb left out.
std::vector<FixtureEntry> parseEntries(std::string_view text);

// Stores `entries` into `lexicon` as the fill procedures would: each letter group from element 1
// on, in the given order.
void storeEntries(Lexicon& lexicon, std::span<const FixtureEntry> entries);

// Every fixture entry, in storing order.
std::span<const FixtureEntry> fixtureEntries();

// Stores every fixture entry into `lexicon` as the fill procedures would.
void storeFixtureLexicon(Lexicon& lexicon);

// A lexicon filled with the fixture entries, built once and shared.
const Lexicon& fixtureLexicon();

}  // namespace ragozo::testing
