// The irregular verbs megy, jön, van, eszik, iszik and their kin.
#pragma once

#include "state/ConjugationState.h"

namespace ragozo {

void megy(ConjugationState& s);
void eszik(ConjugationState& s);

}  // namespace ragozo
