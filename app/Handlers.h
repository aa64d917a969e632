#pragma once

#include <span>

class TForm1;

// Which handler of the window a control's event runs: a click (or a menu command, or a timer
// tick). Found by grepping the control's name.
struct HandlerBinding {
    const char* control;
    void (TForm1::*handler)();
};

std::span<const HandlerBinding> handlerBindings();
