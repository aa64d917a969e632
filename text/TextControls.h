#pragma once

#include <span>

#include "WindowDescription.h"

// The window-description rows of Text mode's controls, parents before children.
std::span<const ControlRow> textControls();
