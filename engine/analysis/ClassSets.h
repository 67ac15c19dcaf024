// The named sets of conjugation classes that many rules test.
//
// A class code is a two-character text ("05", "3a", "99") and is compared
// exactly, never as a number. Every rule tests it against a fixed list; the
// lists that recur across the stem builders, the producers and the table cells
// are named here once. Membership is unordered: the order of members does not
// matter. A class code outside every set (or the empty code after the reset of
// a new entry) belongs to none.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

namespace ragozo {

// The stem loses its last two letters in some forms (tesz, vesz, visz, hisz, lesz; eszik, iszik).
inline constexpr std::array<std::string_view, 4> shortStemClasses{"25", "37", "60", "83"};

// -sz and -szik verbs with a second stem in -d-, -ez- or -esz- (vész, cselekszik, melegszik, alszik).
inline constexpr std::array<std::string_view, 6> szikClasses{"2a", "33", "3a", "3b", "3c", "52"};

// -ik verbs whose stem ends in two consonants; some forms insert a linking vowel
// before the last one (omlik, ugrik, vérzik, fürdik).
inline constexpr std::array<std::string_view, 13> insertVowelClasses{
    "41", "64", "87", "8d", "42", "65", "88", "66", "4a", "44", "67", "90", "89"};

// The stem drops its last vowel before a vowel-initial suffix (sodor, ácsorog, címez).
inline constexpr std::array<std::string_view, 4> unstableVowelClasses{"05", "06", "08", "19"};

// -ik verbs whose stem ends in -sz or -z (úszik, játszik, látszik, rajzik).
inline constexpr std::array<std::string_view, 9> sibilantIkClasses{"34", "57", "80", "35", "58",
                                                                    "81", "36", "59", "82"};

// Verbs without -ik whose stem ends in -szt, -st, -at/-et, -dz, -sz, -tsz, -t or -sát.
inline constexpr std::array<std::string_view, 9> consonantStemClasses{"14", "15", "16", "20", "21",
                                                                       "22", "23", "26", "29"};

// Whether `classCode` equals one of the members exactly.
inline bool inClassSet(std::string_view classCode, std::span<const std::string_view> members) {
  return std::find(members.begin(), members.end(), classCode) != members.end();
}

// The same test for a rule's own list, written in place: inClassSet(code, {"01", "02"}).
inline bool inClassSet(std::string_view classCode, std::initializer_list<std::string_view> members) {
  return inClassSet(classCode, std::span<const std::string_view>(members.begin(), members.size()));
}

}  // namespace ragozo
