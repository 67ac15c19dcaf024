// The meaning the user chose for a homonym.
#pragma once

#include <cstdint>

namespace ragozo {

// Which meaning the user chose: the first (Yes) or the second (No) of the question.
enum class Meaning : std::uint8_t { first, second };

}  // namespace ragozo
