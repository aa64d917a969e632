// screenshots [folder]: drives the main window through its screens, pauses off, and saves each
// client area as a PNG (docs/ by default). Run offscreen: QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "Pacing.h"
#include "ScenePacing.h"
#include "TForm1.h"

namespace {
// A user's click on a control of the window.
void click(TForm1& form, const char* name) {
    emit form.ctl<GraphicControl>(name).clicked();
}

// A user's press on a part shape, near its left end.
void press(TForm1& form, const char* name) {
    emit form.ctl<GraphicControl>(name).mouseDown(Qt::LeftButton, QPoint(2, 2));
}

// Alphabet mode, the lesson of the letter on `key`, then a click on one of its parts.
void pickPart(TForm1& form, const char* key, const char* part, bool shape) {
    form.Label142Click();
    form.Label145Click();
    click(form, key);
    if (shape)
        press(form, part);
    else
        click(form, part);
}

void save(TForm1& form, const QString& folder, const QString& name) {
    pacing::processPendingEvents();
    form.grab().save(QDir(folder).filePath(name + ".png"));
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = startPictureTool(argc, argv);

    const std::vector<std::pair<QString, std::function<void(TForm1&)>>> scenes = {
        {"start-screen", [](TForm1&) {}},
        {"alphabet-mode",
         [](TForm1& f) {
             f.Label142Click();
             f.Label145Click();
         }},
        {"text-mode",
         [](TForm1& f) {
             f.Label142Click();
             f.N7Click();
         }},
        {"function-mode",
         [](TForm1& f) {
             f.Label142Click();
             f.Label147Click();
         }},
        {"author-panel",
         [](TForm1& f) {
             f.N2Click();
             f.Timer3Timer();
             for (int i = 0; i < 41; ++i) f.Timer1Timer();
         }},
        {"introduction", [](TForm1& f) { f.N1Click(); }},
        {"function-letter",
         [](TForm1& f) {
             f.Label142Click();
             f.Label147Click();
             click(f, "Label44");
             // The letter "П" from three typed graphs: two uprights and the top bar.
             const char* graphs[][4] = {
                 {"0", "x", "0", "3"}, {"2", "x", "0", "3"}, {"x", "3", "0", "2"}};
             for (const auto& g : graphs) {
                 for (int box = 1; box <= 4; ++box) {
                     auto& edit = f.ctl<QLineEdit>(QString("Edit%1").arg(box));
                     edit.setText(g[box - 1]);
                     click(f, "Label132");
                 }
                 click(f, "Label148");
             }
         }},
        {"text-literon",
         [](TForm1& f) {
             f.Label142Click();
             f.Label146Click();
             // Л И Т Е Р О Н, one key and one slot each.
             const char* keys[] = {"Label210", "Label219", "Label220", "Label195",
                                   "Label208", "Label209", "Label196"};
             const char* slotNames[] = {"Image1", "Image2", "Image3", "Image4",
                                        "Image5", "Image6", "Image7"};
             for (int i = 0; i < 7; ++i) {
                 click(f, keys[i]);
                 click(f, slotNames[i]);
             }
         }},
        // Part picks: the crossbar of "Н" as its guide line, the lower arm of "К" as a parabola,
        // "О" as an ellipse, the middle of "М" as the corner of |x|.
        {"pick-guide", [](TForm1& f) { pickPart(f, "Label14", "HSN", true); }},
        {"pick-parabola", [](TForm1& f) { pickPart(f, "Label11", "Label76", false); }},
        {"pick-ellipse", [](TForm1& f) { pickPart(f, "Label15", "ImElips", false); }},
        {"pick-corner", [](TForm1& f) { pickPart(f, "Label13", "Label108", false); }},
        // The mended captions of docs/content-corrections.md: the upper arm of "Ж", the oval of
        // "О".
        {"correction-zhe", [](TForm1& f) { pickPart(f, "Label9", "Label90", false); }},
        {"correction-o", [](TForm1& f) { pickPart(f, "Label15", "ImElips", false); }},
    };
    for (const auto& [name, drive] : scenes) {
        TForm1 form;
        form.show();
        pacing::processPendingEvents();
        drive(form);
        save(form, folder, name);
    }
    return 0;
}
