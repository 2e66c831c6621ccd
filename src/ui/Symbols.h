#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The symbols the views show: a freedesktop theme icon where the theme has one, otherwise
// the program's own drawing of it, in the palette's text colour.
namespace Symbols {

enum class Symbol { settings, refresh, warning, close, success, stopped, noContainer, database, menu, add };

QIcon icon(Symbol symbol);
// The symbol's shape filled with one colour, for symbols drawn in green or orange.
QPixmap tinted(Symbol symbol, int side, const QColor& color);
// The program's own drawing, whatever the theme has.
QIcon bundled(Symbol symbol);

}  // namespace Symbols
