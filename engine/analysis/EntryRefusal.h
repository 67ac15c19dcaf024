// Entries no Hungarian verb can be: stacks of suffixes that no verb carries.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"

namespace ragozo {

// Whether the entry ends in a stack of suffixes that no verb carries:
// potential plus causative ("hattat", "hetet"), double causatives,
// frequentatives stacked with either ("gatget", "hatgat"), or a doubled
// "ul"/"ül"/"ít"/"ik" ("ulul", "ítít"). An entry shorter than an ending is
// compared whole, so "hatat" itself is refused. The doubled endings do not
// count for "körülül", and a verb the lexicon holds as typed ("megetet") is
// never refused. Endings are compared exactly (case-sensitive).
bool hasImpossibleEnding(std::string_view verb, const Lexicon& lexicon);

}  // namespace ragozo
