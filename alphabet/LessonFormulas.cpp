#include "LessonFormulas.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <optional>

namespace {

// One formula of a caption: "y(2)=1,5" is coordinate y of curve 2.
struct Formula {
    int label = 0;  // index of its caption in the labels read
    QChar coordinate;
    int number = 0;
    QString expr;
    QStringList notes;
    QString unreadable;
    bool used = false;
};

// The prefix labels and the caption labels they stand before.
const std::map<QString, QString> kPrefixOf = {{"Label47", "Label48"},
                                              {"Label50", "Label51"},
                                              {"Label53", "Label54"},
                                              {"Label56", "Label57"},
                                              {"Label59", "Label60"}};

void note(QStringList& notes, const QString& text) {
    if (!notes.contains(text)) notes << text;
}

// The expression as the parser reads it.
QString readExpression(QString e, QStringList& notes) {
    e.remove(QRegularExpression(QStringLiteral("\\s")));
    if (e.contains(u'х') || e.contains(u'Х') || e.contains(u'а')) {
        e.replace(u'х', u'x').replace(u'Х', u'x').replace(u'а', u'a');
        note(notes, QStringLiteral("кириллическая буква в формуле прочитана как латинская"));
    }
    if (e.contains(u'{')) {
        e.replace(u'{', u'(');
        note(notes, QStringLiteral("«{» прочитана как «(»"));
    }
    e.replace(QRegularExpression(QStringLiteral("(\\d),(\\d)")), QStringLiteral("\\1.\\2"));
    static const QRegularExpression parameterA(
        QStringLiteral("(?<![A-Za-z_])[aA](?![A-Za-z_0-9])"));
    if (e.contains(parameterA)) {
        e.replace(parameterA, QStringLiteral("x"));
        note(notes, QStringLiteral("параметр a прочитан как x"));
    }
    // A number or a closing bracket before a bracket or a name is a product.
    static const QRegularExpression product(
        QStringLiteral("((?<![A-Za-z_.\\d])\\d+(?:\\.\\d+)?|\\))(?=[A-Za-z_(])"));
    if (e.contains(product)) {
        e.replace(product, QStringLiteral("\\1*"));
        note(notes, QStringLiteral("пропущен знак умножения"));
    }
    return e;
}

// The formulas of one caption, split at its semicolons.
std::vector<Formula> readCaption(int label, const QString& caption) {
    std::vector<Formula> out;
    static const QRegularExpression head(
        QStringLiteral("^([xyхуXY])(?:\\((\\d+)\\)|(\\d+))?(=?)(.*)$"));
    for (QString part : caption.split(u';', Qt::SkipEmptyParts)) {
        part.remove(QRegularExpression(QStringLiteral("\\s")));
        if (part.isEmpty()) continue;
        Formula f;
        f.label = label;
        const QRegularExpressionMatch m = head.match(part);
        if (!m.hasMatch()) {
            f.unreadable = QStringLiteral("не названа координата (x(n)= или y(n)=)");
            f.expr = part;
            out.push_back(f);
            continue;
        }
        const QChar c = m.captured(1).front().toLower();
        f.coordinate = (c == u'х') ? QChar(u'x') : (c == u'у') ? QChar(u'y') : c;
        if (c == u'х' || c == u'у')
            note(f.notes, QStringLiteral("кириллическая буква в формуле прочитана как латинская"));
        f.number = (m.captured(2).isEmpty() ? m.captured(3) : m.captured(2)).toInt();
        if (m.captured(4).isEmpty()) note(f.notes, QStringLiteral("нет знака «=»"));
        f.expr = readExpression(m.captured(5), f.notes);
        if (f.expr.isEmpty()) f.unreadable = QStringLiteral("нет формулы после «=»");
        out.push_back(f);
    }
    return out;
}

bool changesWithX(const QString& expr) {
    static const QRegularExpression x(QStringLiteral("(?<![A-Za-z_])x(?![A-Za-z_0-9])"));
    return expr.contains(x);
}
bool hasCosine(const QString& e) {
    return e.contains(QStringLiteral("cos("));
}
bool hasSine(const QString& e) {
    return e.contains(QStringLiteral("sin("));
}
bool trigonometric(const QString& e) {
    return hasCosine(e) || hasSine(e);
}

double number(QString text) {
    return text.replace(u',', u'.').toDouble();
}

// The range of a description, into g.
void readLimits(const QString& label, const QString& text, LessonGraph& g) {
    static const QRegularExpression range(
        QStringLiteral("от(?:\\s+от)*\\s+(-?\\d+(?:[.,]\\d+)?)\\s+до\\s+(-?\\d+(?:[.,]\\d+)?)"));
    std::vector<QRegularExpressionMatch> found;
    for (auto it = range.globalMatch(text); it.hasNext();) found.push_back(it.next());
    if (found.empty()) return;
    const qsizetype letterAt = text.indexOf(QStringLiteral("Для буквы"));
    const QRegularExpressionMatch* chosen = &found.front();
    if (letterAt >= 0) {
        for (const auto& m : found) {
            if (m.capturedStart() > letterAt) {
                chosen = &m;
                break;
            }
        }
        if (chosen != &found.front()) {
            g.letterArc = true;
            g.wholeFrom = number(found.front().captured(1));
            g.wholeTo = number(found.front().captured(2));
        }
    }
    g.hasLimits = true;
    g.limitsLabel = label;
    g.from = number(chosen->captured(1));
    g.to = number(chosen->captured(2));
    g.limitsText = QStringLiteral("от %1 до %2").arg(chosen->captured(1), chosen->captured(2));
    // The variable named between "Пределы"/"пределами" and "от".
    const QString before = text.left(chosen->capturedStart());
    const qsizetype word = std::max(before.lastIndexOf(QStringLiteral("ределы")),
                                    before.lastIndexOf(QStringLiteral("ределами")));
    const QString named = word >= 0 ? before.mid(word) : QString();
    if (named.contains(QRegularExpression(QStringLiteral("\\(\\s*[aа]\\s*\\)"))))
        g.limitsOf = QStringLiteral("a");
    else if (named.contains(QRegularExpression(QStringLiteral("\\s[yу]\\d*\\s"))))
        g.limitsOf = QStringLiteral("y");
    else if (named.contains(QRegularExpression(QStringLiteral("\\s[xх]\\d*\\s"))))
        g.limitsOf = QStringLiteral("x");
    if (g.from == g.to) note(g.notes, QStringLiteral("пустой промежуток"));
    if (text.contains(QRegularExpression(QStringLiteral("от\\s+от"))))
        note(g.notes, QStringLiteral("«от» повторено в пределах"));
    if (found.size() > 1 && !g.letterArc) note(g.notes, QStringLiteral("пределы повторены"));
}

}  // namespace

std::vector<LessonGraph> readFormulaLabels(std::span<const FormulaLabel> labels) {
    // Prefix labels join the caption they stand before.
    std::vector<const FormulaLabel*> read;
    std::map<QString, QString> prefixFor;  // caption label → prefix text
    for (const FormulaLabel& l : labels) {
        const QString name = QString::fromLatin1(l.label);
        const QString caption = QString::fromUtf8(l.caption).trimmed();
        if (kPrefixOf.count(name) && caption.endsWith(u'=')) {
            prefixFor[kPrefixOf.at(name)] = caption;
            continue;
        }
        read.push_back(&l);
    }

    std::vector<Formula> formulas;
    for (int i = 0; i < int(read.size()); ++i) {
        const QString name = QString::fromLatin1(read[size_t(i)]->label);
        QString caption = QString::fromUtf8(read[size_t(i)]->caption);
        if (auto p = prefixFor.find(name); p != prefixFor.end()) caption = p->second + caption;
        for (Formula& f : readCaption(i, caption)) formulas.push_back(std::move(f));
    }

    std::vector<LessonGraph> graphs;
    auto start = [&](std::initializer_list<const Formula*> parts) {
        LessonGraph g;
        for (const Formula* f : parts) {
            const FormulaLabel& l = *read[size_t(f->label)];
            const QString name = QString::fromLatin1(l.label);
            if (!g.captionLabels.contains(name)) {
                g.captionLabels << name;
                QString caption = QString::fromUtf8(l.caption).trimmed();
                for (const auto& [target, prefix] : prefixFor)
                    if (target == name) caption = prefix + caption;
                g.caption += (g.caption.isEmpty() ? QString() : QStringLiteral(" + ")) + caption;
            }
            for (const QString& n : f->notes) note(g.notes, n);
            if (g.unreadable.isEmpty()) g.unreadable = f->unreadable;
        }
        g.number = (*parts.begin())->number;
        // The range from the first description of the parts.
        for (const Formula* f : parts) {
            const FormulaLabel& l = *read[size_t(f->label)];
            if (l.description) {
                readLimits(QString::fromLatin1(l.descriptionLabel),
                           QString::fromUtf8(l.description), g);
                if (g.hasLimits) break;
            }
        }
        return g;
    };

    // x(n) and y(n) of one curve: in one caption, or both changing with x in two.
    for (Formula& fx : formulas) {
        if (fx.used || fx.coordinate != u'x' || !fx.unreadable.isEmpty()) continue;
        Formula* partner = nullptr;
        for (Formula& fy : formulas)
            if (!fy.used && fy.coordinate == u'y' && fy.number == fx.number && fy.label == fx.label)
                partner = &fy;
        if (!partner && changesWithX(fx.expr))
            for (Formula& fy : formulas)
                if (!partner && !fy.used && fy.coordinate == u'y' && fy.number == fx.number &&
                    changesWithX(fy.expr))
                    partner = &fy;
        if (!partner) continue;
        fx.used = partner->used = true;
        LessonGraph g = start({&fx, partner});
        g.xExpr = fx.expr;
        g.yExpr = partner->expr;
        graphs.push_back(g);
    }
    // Two y-captions in a row, a cosine and a sine: one ellipse.
    for (size_t i = 0; i + 1 < formulas.size(); ++i) {
        Formula& a = formulas[i];
        Formula& b = formulas[i + 1];
        if (a.used || b.used || a.coordinate != u'y' || b.coordinate != u'y' ||
            a.label == b.label || !trigonometric(a.expr) || !trigonometric(b.expr))
            continue;
        a.used = b.used = true;
        LessonGraph g = start({&a, &b});
        const bool cosineFirst = hasCosine(a.expr) && !hasCosine(b.expr);
        const bool sineFirst = hasSine(a.expr) && !hasSine(b.expr);
        if (sineFirst || cosineFirst) {
            g.xExpr = sineFirst ? b.expr : a.expr;
            g.yExpr = sineFirst ? a.expr : b.expr;
        } else {
            g.xExpr = a.expr;
            g.yExpr = b.expr;
            note(g.notes, QStringLiteral("x и y эллипса взяты по порядку подписей"));
        }
        graphs.push_back(g);
    }
    // Every other formula is a curve of its own.
    for (Formula& f : formulas) {
        if (f.used) continue;
        f.used = true;
        LessonGraph g = start({&f});
        if (g.unreadable.isEmpty()) {
            g.xExpr = f.coordinate == u'x' ? f.expr : QStringLiteral("x");
            g.yExpr = f.coordinate == u'x' ? QStringLiteral("x") : f.expr;
        }
        graphs.push_back(g);
    }
    for (LessonGraph& g : graphs)
        if (g.unreadable.isEmpty() && !g.hasLimits &&
            std::any_of(labels.begin(), labels.end(),
                        [](const FormulaLabel& l) { return l.description != nullptr; }))
            g.unreadable = QStringLiteral("в описании нет пределов «от … до …»");

    // In the order of their first caption.
    auto firstLabel = [&](const LessonGraph& g) {
        for (int i = 0; i < int(read.size()); ++i)
            if (g.captionLabels.contains(QString::fromLatin1(read[size_t(i)]->label))) return i;
        return int(read.size());
    };
    std::stable_sort(graphs.begin(), graphs.end(), [&](const LessonGraph& a, const LessonGraph& b) {
        return firstLabel(a) < firstLabel(b);
    });
    return graphs;
}

std::vector<LessonGraph> readLessonFormulas(const LetterLesson& lesson) {
    return readFormulaLabels(lesson.formulas);
}
