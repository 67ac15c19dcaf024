// The imperative marker, stems and endings.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void felsz(ConjugationState& s);

}  // namespace ragozo
