// The lexicon's entries as constant tables, one per fill procedure.
//
// Generated at build time from the text files under lexicon/data.
#pragma once

#include <array>
#include <span>

namespace ragozo {

struct FillEntry {
  short group;
  short index;
  const char* word;
  const char* code;
};

inline constexpr int kFillProcedureCount = 15;

// Table n - 1 holds the entries that loadWordsN and loadCodesN store, in order.
extern const std::array<std::span<const FillEntry>, kFillProcedureCount> kFillTables;

}  // namespace ragozo
