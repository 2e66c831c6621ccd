#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <ostream>

#include "sql/SqlStream.h"

namespace SqlStream {
void PrintTo(const Piece& piece, std::ostream* out);
}

namespace SqlStreamTesting {

// Feeds the chunks in order, then finishes; checks lastCompleteEnd() after every chunk on the way.
QList<SqlStream::Piece> lexChunks(const QList<QByteArray>& chunks);

// Lexes the text whole, and checks that the pieces cover it and that every cut into two chunks, and
// feeding it byte by byte, give the same pieces.
QList<SqlStream::Piece> lex(const QByteArray& text);

// One line per piece: "kind(command) line: text", the text from textBegin to end.
QStringList describe(const QByteArray& text, const QList<SqlStream::Piece>& pieces);

inline QStringList lexed(const QByteArray& text) { return describe(text, lex(text)); }

}  // namespace SqlStreamTesting
