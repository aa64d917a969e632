#include "Handlers.h"

#include "TForm1.h"

namespace {
const HandlerBinding kBindings[] = {
    {"Label224", &TForm1::Label142Click},
    {"Label142", &TForm1::Label142Click},
    {"N9", &TForm1::N9Click},
    {"Label31", &TForm1::Label31Click},
    {"N10", &TForm1::N10Click},
};
}

std::span<const HandlerBinding> handlerBindings() { return kBindings; }
