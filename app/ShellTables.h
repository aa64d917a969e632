#pragma once

#include <span>

#include "WindowDescription.h"

std::span<const ControlRow> shellControls();
std::span<const MenuRow> shellMenu();
