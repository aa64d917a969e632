#include "WindowDescription.h"

#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <stdexcept>

#include "Controls.h"
#include "Fonts.h"
#include "InternalError.h"
#include "Surface.h"

namespace windowdesc {

QColor windowBackground() {
    return QColor(215, 228, 242);
}
QColor highlightColour() {
    return QColor(0, 120, 215);
}
QColor hotLightColour() {
    return QColor(0, 102, 204);
}
QColor windowFontColour() {
    return QColor(128, 0, 128);
}
QFont windowFont() {
    return fonts::make("Times New Roman", 19, true);
}

QColor colour(const QString& text) {
    static const QHash<QString, QColor> named = {
        {"black", QColor(0, 0, 0)},           {"maroon", QColor(128, 0, 0)},
        {"green", QColor(0, 128, 0)},         {"navy", QColor(0, 0, 128)},
        {"purple", QColor(128, 0, 128)},      {"teal", QColor(0, 128, 128)},
        {"grey", QColor(128, 128, 128)},      {"silver", QColor(192, 192, 192)},
        {"red", QColor(255, 0, 0)},           {"lime", QColor(0, 255, 0)},
        {"yellow", QColor(255, 255, 0)},      {"blue", QColor(0, 0, 255)},
        {"fuchsia", QColor(255, 0, 255)},     {"aqua", QColor(0, 255, 255)},
        {"white", QColor(255, 255, 255)},     {"moneygreen", QColor(192, 220, 192)},
        {"skyblue", QColor(166, 202, 240)},   {"window", QColor(255, 255, 255)},
        {"highlight", highlightColour()},     {"hotlight", hotLightColour()},
        {"btnshadow", QColor(160, 160, 160)}, {"background", windowBackground()},
    };
    const QString t = text.trimmed().toLower();
    if (t.startsWith('#')) return QColor(t);
    return named.value(t, QColor());
}

namespace {

struct Look {
    QHash<QString, QString> values;
    bool has(const QString& k) const { return values.contains(k); }
    QString get(const QString& k) const { return values.value(k); }
};

// Every setting a look may hold: a misspelt one fails the window's building, not silently.
const QStringList kLookKeys = {"font",  "fg",      "bg",       "transparent", "center",
                               "right", "wrap",    "autosize", "disabled",    "stretch",
                               "flat",  "picture", "pen",      "brush",       "form"};

Look parseLook(const ControlRow& row) {
    Look look;
    for (const QString& part : QString::fromUtf8(row.look).split(';', Qt::SkipEmptyParts)) {
        const QString p = part.trimmed();
        const int eq = p.indexOf('=');
        const QString key = eq < 0 ? p : p.left(eq).trimmed();
        if (!kLookKeys.contains(key))
            throw InternalError(std::string("unknown look '") + key.toStdString() + "' on " +
                                row.name);
        look.values.insert(key, eq < 0 ? QString() : p.mid(eq + 1).trimmed());
    }
    return look;
}

QColor mustColour(const QString& name, const char* control) {
    const QColor c = colour(name);
    if (!c.isValid())
        throw InternalError(std::string("unknown colour '") + name.toStdString() + "' on " +
                            control);
    return c;
}

QFont lookFont(const Look& look) {
    if (!look.has("font")) return windowFont();
    const QStringList f = look.get("font").split('/');
    const QString flags = f.value(2);
    return fonts::make(f.value(0), f.value(1).toInt(), flags.contains('b'), flags.contains('i'));
}

QWidget* create(const ControlRow& row, QWidget* parent, const Look& look,
                const PictureSource& pictures) {
    const QString kind = QString::fromUtf8(row.kind);
    const QString caption = QString::fromUtf8(row.caption);
    const QColor fg = look.has("fg") ? mustColour(look.get("fg"), row.name)
                                     : (look.has("font") ? QColor(Qt::black) : windowFontColour());
    if (kind == "label") {
        auto* l = new Label(parent);
        l->setLabelFont(lookFont(look));
        l->setFontColor(fg);
        // Without a colour of its own a label takes its parent's: it reads as part of its panel.
        QColor parentColour = windowBackground();
        if (auto* panel = qobject_cast<Panel*>(parent)) parentColour = panel->color();
        l->setColor(look.has("bg") ? mustColour(look.get("bg"), row.name) : parentColour);
        l->setTransparent(look.has("transparent"));
        l->setAlignment(look.has("center")  ? Qt::AlignHCenter
                        : look.has("right") ? Qt::AlignRight
                                            : Qt::AlignLeft);
        l->setWordWrap(look.has("wrap"));
        l->setCaption(caption);
        return l;
    }
    if (kind == "picture") {
        auto* p = new Picture(parent);
        p->setStretch(look.has("stretch"));
        if (look.has("picture") && pictures)
            p->setPictureLoader([pictures, key = look.get("picture")] { return pictures(key); });
        return p;
    }
    if (kind == "shape") {
        auto* s = new Shape(parent);
        if (look.has("pen")) {
            const QStringList pen = look.get("pen").split('/');
            s->setPenColor(mustColour(pen.value(0), row.name));
            s->setPenWidth(pen.value(1, "1").toInt());
        }
        if (look.has("brush"))
            s->setBrushColor(look.get("brush") == "clear"
                                 ? QColor(Qt::transparent)
                                 : mustColour(look.get("brush"), row.name));
        const QString form = look.get("form");
        if (form == "ellipse")
            s->setForm(Shape::Ellipse);
        else if (form == "roundrect")
            s->setForm(Shape::RoundRect);
        else if (form == "circle")
            s->setForm(Shape::Circle);
        return s;
    }
    if (kind == "panel") {
        auto* p = new Panel(parent);
        p->setColor(look.has("bg") ? mustColour(look.get("bg"), row.name) : windowBackground());
        p->setBevel(!look.has("flat"));
        return p;
    }
    if (kind == "memo") {
        auto* m = new QPlainTextEdit(parent);
        m->setPlainText(caption);
        m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        return m;
    }
    if (kind == "edit") {
        auto* e = new QLineEdit(parent);
        e->setText(caption);
        return e;
    }
    if (kind == "listbox") return new QListWidget(parent);
    throw InternalError(std::string("unknown control kind '") + row.kind + "' for " + row.name);
}

void styleWindowed(QWidget* w, const Look& look, const char* name) {
    if (qobject_cast<GraphicControl*>(w) || qobject_cast<Panel*>(w)) return;
    w->setFont(lookFont(look));
    QPalette pal = w->palette();
    if (look.has("fg")) pal.setColor(QPalette::Text, mustColour(look.get("fg"), name));
    if (look.has("bg")) pal.setColor(QPalette::Base, mustColour(look.get("bg"), name));
    w->setPalette(pal);
}

}  // namespace

void build(ClientSurface& surface, std::span<const ControlRow> rows,
           const PictureSource& pictures) {
    for (const ControlRow& row : rows) {
        QWidget* parent = &surface;
        if (row.parent && *row.parent) {
            parent = surface.control(QString::fromUtf8(row.parent));
            if (!parent)
                throw InternalError(std::string("control ") + row.name +
                                    " names an unknown parent " + row.parent);
        }
        const Look look = parseLook(row);
        QWidget* w = create(row, parent, look, pictures);
        surface.name(w, QString::fromUtf8(row.name));
        w->setGeometry(row.left, row.top, row.width, row.height);
        styleWindowed(w, look, row.name);
        if (auto* l = qobject_cast<Label*>(w); l && look.has("autosize")) l->setAutoSize(true);
        w->setEnabled(!look.has("disabled"));
        w->setVisible(row.shown);
    }
    surface.arrangeLayers();
}

void buildMenu(QMenuBar& bar, std::span<const MenuRow> rows) {
    QHash<QString, QMenu*> menus;
    // A top-level row with children becomes a menu; without them, a plain action on the bar.
    QSet<QString> parents;
    for (const MenuRow& r : rows)
        if (r.parent && *r.parent) parents.insert(QString::fromUtf8(r.parent));
    for (const MenuRow& r : rows) {
        const QString name = QString::fromUtf8(r.name);
        const QString caption = QString::fromUtf8(r.caption);
        QAction* action = nullptr;
        if (!r.parent || !*r.parent) {
            if (parents.contains(name)) {
                QMenu* m = bar.addMenu(caption);
                m->setObjectName(name + "Menu");
                menus.insert(name, m);
                action = m->menuAction();
            } else {
                action = bar.addAction(caption);
            }
        } else {
            QMenu* parent = menus.value(QString::fromUtf8(r.parent));
            if (!parent)
                throw InternalError(std::string("menu item ") + r.name + " has an unknown parent");
            action = parent->addAction(caption);
        }
        action->setObjectName(name);
        action->setEnabled(r.enabled);
    }
}

QStringList missingNames(const QObject& window, const QStringList& names) {
    QStringList missing;
    for (const QString& n : names)
        if (!window.findChild<QObject*>(n)) missing << n;
    return missing;
}

}  // namespace windowdesc
