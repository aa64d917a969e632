#pragma once

// Connects the handlers of Function mode to the window's controls.
void bindFunctionMode();
