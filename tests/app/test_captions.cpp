// Every caption shows its whole text: on every screen a pupil can reach (the start screen, the
// introduction and the author panel, each mode, every lesson and every part of its letter,
// every template and example of Function mode), each visible label's caption fits its box with
// its wrap setting, in the font it is shown in. The captions that the substitute faces make too
// wide for their own font are shown slightly smaller; the test names them.
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include "Fonts.h"
#include "FormFixture.h"

namespace {

class CaptionSurvey {
  public:
    explicit CaptionSurvey(FormFixture& f) : f_(f) {}

    // Looks at every visible label of the current screen.
    void look(const QString& screen) {
        for (Label* l : f_.form().surface().findChildren<Label*>()) {
            if (!l->isVisible() || l->caption().isEmpty()) continue;
            const QString name = l->objectName();
            if (!l->captionFits(l->font())) fitted_.insert(name + " \"" + l->caption() + "\"");
            if (!l->shownWhole())
                clipped_ << QString("%1 on %2: \"%3\"").arg(name, screen, l->caption());
            if (QWidget* over = coveredBy(l))
                clipped_ << QString("%1 on %2 lies under %3").arg(name, screen, over->objectName());
        }
    }

    // The pixels the caption's letters cover, in the label's own coordinates.
    static QRect inkOf(Label* l) {
        const Label::Shown shown = l->shown();
        QImage img(l->size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setFont(shown.font);
        p.setPen(Qt::black);
        p.drawText(img.rect(), shown.flags, l->caption());
        p.end();
        QRect ink;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 128) ink |= QRect(x, y, 1, 1);
        return ink;
    }

    // An opaque control stacked above a caption over part of its text hides that part. The red
    // marker over a letter key restates the key's letter, so it hides nothing.
    static QWidget* coveredBy(Label* l) {
        // Only what lies on the client area can be seen at all.
        const QRect text =
            QRect(l->mapTo(l->window(), inkOf(l).topLeft()), inkOf(l).size()) & l->window()->rect();
        if (text.isEmpty()) return nullptr;
        const QList<QObject*> siblings = l->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(l) + 1; i < siblings.size(); ++i) {
            auto* w = qobject_cast<QWidget*>(siblings[i]);
            if (!w || !w->isVisible()) continue;
            const QRect place(w->parentWidget()->mapTo(l->window(), w->pos()), w->size());
            if (!place.intersects(text)) continue;
            auto* label = qobject_cast<Label*>(w);
            if (label && label->caption() == l->caption()) continue;
            const bool opaque = label ? !label->transparent() && label->color().alpha() != 0
                                      : qobject_cast<Picture*>(w) || qobject_cast<Panel*>(w);
            if (opaque) return w;
        }
        return nullptr;
    }

    // Clicks each visible control of a list in turn, looking after each click.
    void clickEach(const QStringList& names, const QString& screen) {
        for (const QString& n : names) {
            QWidget* w = f_.form().surface().findChild<QWidget*>(n);
            if (!w || !w->isVisible() || !w->isEnabled()) continue;
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
            pacing::processPendingEvents();
            look(screen + " / " + n);
        }
    }

    QStringList clipped() const { return clipped_; }
    QStringList fitted() const { return QStringList(fitted_.begin(), fitted_.end()); }

  private:
    FormFixture& f_;
    QStringList clipped_;
    QSet<QString> fitted_;
};

// The keys of a keyboard panel, in the window's order.
QStringList keysOf(FormFixture& f, const char* panel) {
    QStringList keys;
    for (Label* l : f.ctl(panel).findChildren<Label*>(Qt::FindDirectChildrenOnly))
        keys << l->objectName();
    return keys;
}

// The letter-part hotspots over the plane: every visible control of the surface that is not a
// key, a picture of the plane or a panel.
QStringList hotspots(FormFixture& f) {
    QStringList out;
    for (GraphicControl* g :
         f.form().surface().findChildren<GraphicControl*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = g->geometry();
        if (g->isVisible() && r.left() >= 697 && r.right() < 1188 && r.top() >= 86 &&
            r.bottom() < 570 && g->objectName() != "Image10" && !qobject_cast<Picture*>(g))
            out << g->objectName();
    }
    return out;
}

}  // namespace

class CaptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void everyCaptionShowsWhole() {
        FormFixture f;
        CaptionSurvey survey(f);
        survey.look("start");
        f.menu("N1");
        survey.look("introduction");
        f.menu("N2");
        for (int i = 0; i < 100; ++i) pacing::tick(f.form().timer("Timer3"));
        for (int i = 0; i < 50; ++i) pacing::tick(f.form().timer("Timer1"));
        survey.look("author panel");
        f.click("Label142");

        f.menu("N6");
        survey.look("Alphabet mode");
        for (const QString& key : keysOf(f, "Panel3")) {
            survey.clickEach({key}, "Alphabet");
            survey.clickEach(hotspots(f), "Alphabet " + key);
        }

        f.menu("N7");
        survey.look("Text mode");
        for (const QString& key : keysOf(f, "Panel6")) {
            survey.clickEach({key}, "Text");
            for (int i = 0; i < 80; ++i) pacing::tick(f.form().timer("Timer2"));
            survey.look("Text " + key + " hint");
        }

        f.menu("N8");
        survey.look("Function mode");
        for (const QString& key : keysOf(f, "Panel5")) survey.clickEach({key}, "Function");
        // A letter of two graphs, every key of the entry and the graph list on the way.
        for (const char* graph : {"Label100", "Label102"}) {
            survey.clickEach({"Label113", "Label132", graph, "Label132", "Label99", "Label132",
                              "Label100", "Label132"},
                             "Function entry");
            survey.clickEach({"Label148"}, "Function, a graph built");
        }
        auto& list = f.ctl<QListWidget>("ListBox1");
        for (int row = 0; row < list.count(); ++row) {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              list.visualItemRect(list.item(row)).center());
            survey.look("Function, graph list row " + QString::number(row));
        }
        for (QAction* example : f.form().menuItem("N5").menu()->actions()) {
            example->trigger();
            pacing::processPendingEvents();
            survey.look("example " + example->text());
        }

        if (!survey.fitted().isEmpty())
            qInfo("captions shown smaller than their font: %s",
                  qPrintable(survey.fitted().join("; ")));
        for (const QString& c : survey.clipped()) qWarning("%s", qPrintable(c));
        QVERIFY(survey.clipped().isEmpty());
    }
};

QTEST_MAIN(CaptionsTest)
#include "test_captions.moc"
