#include "SqlStreamTesting.h"

#include <gtest/gtest.h>

using SqlStream::Piece;
using SqlStream::PieceKind;

namespace {

const char* kindName(PieceKind kind) {
    switch (kind) {
    case PieceKind::statement: return "statement";
    case PieceKind::clientCommand: return "clientCommand";
    case PieceKind::unknownCommand: return "unknownCommand";
    case PieceKind::delimiterChange: return "delimiterChange";
    case PieceKind::trailing: return "trailing";
    }
    return "?";
}

void expectCovers(const QByteArray& text, const QList<Piece>& pieces) {
    qint64 covered = 0;
    for (const Piece& piece : pieces) {
        EXPECT_LE(piece.begin, piece.textBegin);
        EXPECT_LE(piece.textBegin, piece.end);
        if (piece.nested) {
            // Inside the statement that is reported after it.
            EXPECT_EQ(piece.begin, piece.textBegin);
            EXPECT_GE(piece.begin, covered);
            continue;
        }
        EXPECT_EQ(piece.begin, covered) << text.toStdString();
        covered = piece.end;
    }
    EXPECT_EQ(covered, text.size()) << text.toStdString();
}

}  // namespace

namespace SqlStream {
void PrintTo(const Piece& piece, std::ostream* out) {
    *out << (piece.nested ? "nested " : "") << kindName(piece.kind) << '(' << piece.commandName.toStdString()
         << (piece.delimiter.isEmpty() ? "" : " " + piece.delimiter.toStdString()) << ") line " << piece.firstLine
         << " [" << piece.begin << ' ' << piece.textBegin << ' ' << piece.end << ')';
}
}  // namespace SqlStream

namespace SqlStreamTesting {

QList<Piece> lexChunks(const QList<QByteArray>& chunks) {
    SqlStream::Lexer lexer;
    QList<Piece> pieces;
    qint64 lastWholeEnd = 0;
    const SqlStream::PieceHandler collect = [&](const Piece& piece) {
        pieces << piece;
        if (!piece.nested && piece.kind != PieceKind::trailing) lastWholeEnd = piece.end;
    };
    for (const QByteArray& chunk : chunks) {
        lexer.feed(chunk, collect);
        EXPECT_EQ(lexer.lastCompleteEnd(), lastWholeEnd);
    }
    lexer.finish(collect);
    return pieces;
}

QList<Piece> lex(const QByteArray& text) {
    const QList<Piece> whole = lexChunks({text});
    expectCovers(text, whole);
    for (qsizetype cut = 1; cut < text.size(); ++cut) {
        EXPECT_EQ(lexChunks({text.left(cut), text.mid(cut)}), whole) << "cut at " << cut << ": " << text.toStdString();
    }
    QList<QByteArray> bytes;
    for (const char c : text) bytes << QByteArray(1, c);
    EXPECT_EQ(lexChunks(bytes), whole) << "byte by byte: " << text.toStdString();
    return whole;
}

QStringList describe(const QByteArray& text, const QList<Piece>& pieces) {
    QStringList lines;
    for (const Piece& piece : pieces) {
        QString line = piece.nested ? QStringLiteral("nested ") : QString();
        line += QLatin1String(kindName(piece.kind));
        if (piece.kind == PieceKind::clientCommand) line += u'(' + QString::fromUtf8(piece.commandName) + u')';
        if (piece.kind == PieceKind::delimiterChange) line += u'(' + QString::fromUtf8(piece.delimiter) + u')';
        line += u' ' + QString::number(piece.firstLine) + QStringLiteral(": ");
        line += QString::fromUtf8(text.mid(piece.textBegin, piece.end - piece.textBegin));
        lines << line;
    }
    return lines;
}

}  // namespace SqlStreamTesting
