// Which second-person imperative forms the short/long toggle asks for.
#pragma once

namespace ragozo::window {

// It starts `untouched` (the long forms, under the design caption); the toggle
// then switches between the short and the long forms.
enum class ImperativeForms : short { untouched, shortForms, longForms };

}  // namespace ragozo::window
