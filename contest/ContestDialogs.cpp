#include "ContestDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ContestRound.h"
#include "LetterTemplates.h"
#include "Replaceable.h"

namespace contestdialogs {
namespace {

QWidget* parentWindow() {
    return QApplication::activeWindow();
}

std::optional<RoundSetup> askNewRound(const RoundSetup& last) {
    QDialog dialog(parentWindow());
    dialog.setWindowTitle("Новый раунд");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Названия групп (от 2 до 8; пустые строки не считаются):"));
    auto* form = new QFormLayout;
    std::vector<QLineEdit*> names;
    for (int i = 0; i < ContestRound::kMaxGroups; ++i) {
        auto* edit = new QLineEdit(last.groups.value(i));
        edit->setMaxLength(40);
        form->addRow(QString("Группа %1:").arg(i + 1), edit);
        names.push_back(edit);
    }
    auto* minutes = new QSpinBox;
    minutes->setRange(1, 60);
    minutes->setSuffix(" мин");
    minutes->setValue(last.minutesPerTurn);
    form->addRow("Время хода:", minutes);
    auto* letter = new QComboBox;
    letter->setObjectName("RoundLetter");
    letter->addItem("выбирает группа");
    for (const LetterTemplate& t : lettertemplates::rows()) {
        const QChar c(t.letter);
        if (letter->findText(c) < 0) letter->addItem(c);
    }
    if (!last.letter.isNull()) letter->setCurrentText(last.letter);
    form->addRow("Буква раунда:", letter);
    auto* bell = new QCheckBox("Звонок в конце хода");
    bell->setObjectName("RoundBell");
    bell->setChecked(last.bell);
    form->addRow("", bell);
    layout->addLayout(form);
    QString items;
    for (const QString& rule : ContestRound::rules())
        items += "<li>" + rule.toHtmlEscaped() + "</li>";
    auto* rules = new QLabel("<b>Правила раунда</b><ul>" + items + "</ul>");
    rules->setTextFormat(Qt::RichText);
    rules->setWordWrap(true);
    rules->setObjectName("RoundRules");
    rules->setMinimumWidth(560);
    // A wrapped label asks for too little height on its own.
    rules->setMinimumHeight(rules->heightForWidth(560));
    layout->addWidget(rules);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Начать раунд", QDialogButtonBox::AcceptRole);
    buttons->addButton("Отмена", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    RoundSetup setup;
    for (QLineEdit* e : names) setup.groups << e->text();
    setup.minutesPerTurn = minutes->value();
    if (letter->currentIndex() > 0) setup.letter = letter->currentText().at(0);
    setup.bell = bell->isChecked();
    return setup;
}

void showResults(const ContestRound& round) {
    QDialog dialog(parentWindow());
    dialog.setWindowTitle("Итоги раунда");
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTextBrowser;
    table->setHtml(standingsHtml(round));
    table->setMinimumSize(560, 300);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Закрыть", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

QString askSavePath(const QString& suggested) {
    QString path = QFileDialog::getSaveFileName(parentWindow(), "Сохранить итоги раунда", suggested,
                                                "Таблица (*.csv)");
    if (!path.isEmpty() && !path.endsWith(".csv", Qt::CaseInsensitive)) path += ".csv";
    return path;
}

bool askPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parentWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool askEnd() {
    QMessageBox box(QMessageBox::Question, "Закончить раунд",
                    "Закончить раунд? Часы остановятся, и будут показаны итоги.",
                    QMessageBox::NoButton, parentWindow());
    QPushButton* end = box.addButton("Закончить раунд", QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton("Продолжить раунд", QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == end;
}

Dialogs desktop() {
    return Dialogs{askNewRound, showResults, askSavePath, askPrinter, askEnd, QApplication::beep};
}

Replaceable<Dialogs>& seam() {
    static Replaceable<Dialogs> s(desktop);
    return s;
}

}  // namespace

const Dialogs& dialogs() {
    return seam().get();
}
void setDialogs(Dialogs d) {
    seam().set(std::move(d));
}
void resetDialogs() {
    seam().reset();
}

QString standingsHtml(const ContestRound& round) {
    QString html =
        "<h2>Итоги раунда</h2><table border='1' cellspacing='0' cellpadding='4'>"
        "<tr><th>Место</th><th>Группа</th><th>Букв построено</th><th>Время</th>"
        "<th>Среднее покрытие</th><th>Буквы</th></tr>";
    int place = 0;
    for (const ContestRound::Score& s : round.standings()) {
        html += QString(
                    "<tr><td align='center'>%1</td><td>%2</td><td align='center'>%3</td>"
                    "<td align='center'>%4</td><td align='center'>%5 %</td><td>%6</td></tr>")
                    .arg(++place)
                    .arg(s.group.toHtmlEscaped())
                    .arg(s.lettersBuilt)
                    .arg(clockText(s.timeUsedMs))
                    .arg(static_cast<int>(s.averageCoverage() * 100))
                    .arg(QString(s.letters).toHtmlEscaped());
    }
    html += "</table><p>";
    for (const QString& note : columnNotes()) html += note.toHtmlEscaped() + "<br>";
    return html + "</p>";
}

const QStringList& columnNotes() {
    static const QStringList notes = {
        "Букв построено — сколько букв группа построила и проверила (F5) в свои ходы.",
        "Время — сколько времени прошло от начала хода до проверки, сложенное по всем "
        "построенным буквам: при равном числе букв выше группа с меньшим временем.",
        "Среднее покрытие — какую долю образца в среднем покрыли графики построенных букв.",
        "Буквы — построенные буквы по порядку.",
    };
    return notes;
}

}  // namespace contestdialogs
