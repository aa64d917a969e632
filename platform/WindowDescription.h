#pragma once

#include <QImage>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>

class ClientSurface;

// The window description as data: one row per control with its place, size, start state and
// look. The look is a short list of settings separated by ';':
//   font=Face/px/bi    face, character height in pixels, b = bold, i = italic
//   fg=COLOUR          font colour            bg=COLOUR   background colour
//   transparent | center | right | wrap | autosize | disabled | stretch | flat (panel bevel off)
//   picture=KEY        the picture, asked of the picture source by key
//   pen=COLOUR/width   brush=COLOUR|clear     form=ellipse|roundrect|circle (shapes)
// COLOUR is #rrggbb or a colour name (teal, moneygreen, aqua, window, highlight, …).
struct ControlRow {
    const char* name;
    const char* kind;    // label, picture, shape, panel, memo, edit, listbox
    const char* parent;  // "" for the client surface
    int left, top, width, height;
    bool shown;
    const char* caption;
    const char* look;
};

struct MenuRow {
    const char* name;
    const char* parent;  // "" for the menu bar
    const char* caption;
    bool enabled;
};

using PictureSource = std::function<QImage(const QString& key)>;

namespace windowdesc {

QColor colour(const QString& text);  // a colour name or #rrggbb; invalid when unknown

// The face the controls that keep the window's font use: Times New Roman 19 px, bold, purple.
QFont windowFont();
QColor windowFontColour();
QColor windowBackground();  // the surface colour (the inactive caption gradient)
QColor highlightColour();
QColor hotLightColour();

// Creates the controls of the rows on the surface, in table order (a parent before its
// children). Throws InternalError on an unknown parent or kind.
void build(ClientSurface& surface, std::span<const ControlRow> rows, const PictureSource& pictures);
void buildMenu(QMenuBar& bar, std::span<const MenuRow> rows);

// Names the tables reference that the window lacks (the start-up self-check).
QStringList missingNames(const QObject& window, const QStringList& names);

}  // namespace windowdesc
