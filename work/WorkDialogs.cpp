#include "WorkDialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Replaceable.h"

namespace workdialogs {
namespace {

const QString kWorkFilter = "Работа Литерона (*.literon)";

QWidget* parentWindow() {
    return QApplication::activeWindow();
}

QString withSuffix(QString path, const QString& suffix) {
    if (!path.isEmpty() && QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += "." + suffix;
    return path;
}

// The buttons of a question in Russian words.
void russianButtons(QInputDialog& ask) {
    ask.setOkButtonText("ОК");
    ask.setCancelButtonText("Отмена");
}

QString askOpenPath(const QString& folder) {
    return QFileDialog::getOpenFileName(parentWindow(), "Открыть работу", folder,
                                        kWorkFilter + ";;Все файлы (*)");
}

std::optional<SaveChoice> askSavePath(const QString& suggested, const QString& comment) {
    QString path =
        QFileDialog::getSaveFileName(parentWindow(), "Сохранить работу", suggested, kWorkFilter);
    if (path.isEmpty()) return std::nullopt;
    QInputDialog ask(parentWindow());
    ask.setWindowTitle("Сохранить работу");
    ask.setLabelText("Комментарий к работе (например, название группы):");
    ask.setTextValue(comment);
    russianButtons(ask);
    if (ask.exec() != QDialog::Accepted) return std::nullopt;
    return SaveChoice{withSuffix(path, "literon"), ask.textValue().simplified()};
}

std::optional<PictureChoice> askPicture(const QString& suggested) {
    const QStringList filters = {"Рисунок PNG (*.png)", "Документ PDF (*.pdf)",
                                 "Рисунок SVG (*.svg)"};
    QString filter = filters.front();
    const QString path = QFileDialog::getSaveFileName(parentWindow(), "Сохранить рисунок",
                                                      suggested, filters.join(";;"), &filter);
    if (path.isEmpty()) return std::nullopt;
    PictureChoice c = pictureChoice(path, int(std::max<qsizetype>(0, filters.indexOf(filter))));
    if (c.format == cellpicture::Format::Png) {
        const QStringList scales = {"1×", "2×", "3×", "4×"};
        QInputDialog ask(parentWindow());
        ask.setWindowTitle("Сохранить рисунок");
        ask.setLabelText("Масштаб рисунка:");
        ask.setComboBoxItems(scales);
        ask.setTextValue(scales[1]);
        russianButtons(ask);
        if (ask.exec() != QDialog::Accepted) return std::nullopt;
        c.scale = static_cast<int>(scales.indexOf(ask.textValue())) + 1;
    }
    return c;
}

// Asks what to print (the letter with its graphs, or where there is a template a worksheet for
// pupils) and in which colours.
std::optional<PrintChoice> askWhatToPrint(bool worksheetOffered) {
    QDialog d(parentWindow());
    d.setWindowTitle("Печать");
    auto* layout = new QVBoxLayout(&d);
    auto* drawing = new QRadioButton("Букву с графиками и их формулами");
    auto* worksheet = new QRadioButton("Рабочий лист: плоскость и шаблон буквы без графиков");
    drawing->setChecked(true);
    if (worksheetOffered) {
        layout->addWidget(new QLabel("Что напечатать?"));
        layout->addWidget(drawing);
        layout->addWidget(worksheet);
    }
    auto* colours =
        new QCheckBox("Цвета экрана: голубая плоскость и бледный шаблон (больше краски)");
    colours->setObjectName("ScreenColours");
    layout->addWidget(colours);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Дальше", QDialogButtonBox::AcceptRole);
    buttons->addButton("Отмена", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    layout->addWidget(buttons);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return PrintChoice{worksheet->isChecked(), colours->isChecked()};
}

std::optional<PrintChoice> askPrint(QPrinter& printer, bool worksheetOffered) {
    const auto what = askWhatToPrint(worksheetOffered);
    if (!what) return std::nullopt;
    const PrintChoice c = *what;
    QPrintDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle("Печать");
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return c;
}

Dialogs desktopDialogs() {
    return Dialogs{askOpenPath, askSavePath, askPicture, askPrint};
}

Replaceable<Dialogs>& seam() {
    static Replaceable<Dialogs> s(desktopDialogs);
    return s;
}

}  // namespace

PictureChoice pictureChoice(const QString& typedPath, int chosenType) {
    const char* suffixes[] = {"png", "pdf", "svg"};
    int kind = std::clamp(chosenType, 0, 2);
    for (int k = 0; k < 3; ++k)
        if (QFileInfo(typedPath).suffix().compare(suffixes[k], Qt::CaseInsensitive) == 0) kind = k;
    return PictureChoice{withSuffix(typedPath, suffixes[kind]),
                         static_cast<cellpicture::Format>(kind), 1};
}

const Dialogs& dialogs() {
    return seam().get();
}
void setDialogs(Dialogs d) {
    seam().set(std::move(d));
}
void resetDialogs() {
    seam().reset();
}

}  // namespace workdialogs
