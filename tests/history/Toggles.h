// The five toggles beside the table, pressed as a user presses them: only while they show.
#pragma once

#include <array>
#include <string>

#include "window/MainWindow.h"

namespace ragozo::history {

enum class Toggle { allPersons, objective, imperative, imperativeForms, derivedForms };

// The order in which the checks press them: the imperative toggle before the
// short/long one, which showing the imperative may bring up.
inline constexpr std::array<Toggle, 5> kEveryToggle{Toggle::allPersons, Toggle::objective, Toggle::imperative,
                                                    Toggle::imperativeForms, Toggle::derivedForms};

bool isVisible(const window::MainWindow& w, Toggle toggle);

// Presses `toggle` if it shows; says whether it did.
bool pressIfVisible(window::MainWindow& w, Toggle toggle);

std::string nameOf(Toggle toggle);

}  // namespace ragozo::history
