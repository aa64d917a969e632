#pragma once

#include <span>

#include "WindowDescription.h"

// The window-description rows of Function mode's controls, parents before children.
std::span<const ControlRow> functionControls();
