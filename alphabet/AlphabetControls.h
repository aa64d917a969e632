#pragma once

#include <span>

#include "WindowDescription.h"

// The window-description rows of Alphabet mode's controls, parents before children.
std::span<const ControlRow> alphabetControls();
