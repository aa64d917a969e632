#include "Handlers.h"

#include "SharedControls.h"
#include "TForm1.h"

namespace {
const HandlerBinding kBindings[] = {
    {"Label224", &TForm1::Label142Click},
    {"Label142", &TForm1::Label142Click},
    {shared::kStartMenu, &TForm1::N9Click},
    {"Label31", &TForm1::Label31Click},
    {"N10", &TForm1::N10Click},

    {shared::kAlphabetMenu, &TForm1::N6Click},
    {"Label145", &TForm1::Label145Click},
    {shared::kTextMenu, &TForm1::N7Click},
    {"Label146", &TForm1::Label146Click},
    {shared::kFunctionsMenu, &TForm1::N8Click},
    {"Label147", &TForm1::Label147Click},
    {"Panel1", &TForm1::Panel1Click},
    {"Panel2", &TForm1::Panel2Click},

    {"N1", &TForm1::N1Click},
    {"N2", &TForm1::N2Click},
    {"Timer3", &TForm1::Timer3Timer},
    {"Timer1", &TForm1::Timer1Timer},
};
}

std::span<const HandlerBinding> handlerBindings() {
    return kBindings;
}
