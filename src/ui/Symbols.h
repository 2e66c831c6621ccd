#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The symbols the views show: a freedesktop theme icon where the theme has one, otherwise
// the style's own icon of the same meaning.
namespace Symbols {

enum class Symbol { settings, refresh, warning, close, success, stopped, noContainer, database };

QIcon icon(Symbol symbol);
// The symbol's shape filled with one colour, for symbols drawn in green or orange.
QPixmap tinted(Symbol symbol, int side, const QColor& color);

}  // namespace Symbols
