// The short imperative stems of the second person singular.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/VerbCode.h"

namespace ragozo {

// The short stem before "gy" of the subjective cell: tesz, vesz, lesz: té, vé,
// lé; visz: ví; van: lé; eszik: é; iszik: í, with their preverbs (elvisz:
// elví, megvan: meglé, megeszik: megé). Any other verb keeps `stem`.
std::string shortSubjectiveImperativeStem(std::string_view verb, std::string_view stem);

// The stem of the short objective cell: the entry less 1 (akaszt: akasz), the
// -sz/-z -ik verbs the entry less 3 (mászik: más), edz the entry less 1 and
// "z", the -dzik verbs the entry less 3 and "z" (bimbódzik: bimbódz). Nothing
// for a class without a short objective stem.
std::optional<std::string> shortObjectiveImperativeStem(std::string_view verb, VerbClass cls);

}  // namespace ragozo
