// The statements must not depend on how the stream was cut into chunks. The input is the
// lengths of the chunks (1 to 255, cycled) up to a zero byte, then the SQL text.
#include <QList>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "sql/SqlStream.h"

namespace {

struct Lexed {
    QList<SqlStream::Piece> pieces;
    qint64 lastCompleteEnd = 0;
};

Lexed lex(const QByteArray& stream, const QList<int>& chunks) {
    Lexed lexed;
    SqlStream::Lexer lexer;
    const auto collect = [&lexed](const SqlStream::Piece& piece) { lexed.pieces.append(piece); };
    qsizetype at = 0;
    for (qsizetype i = 0; at < stream.size(); ++i) {
        const qsizetype length = chunks.isEmpty() ? stream.size() : chunks.at(i % chunks.size());
        const qsizetype taken = qMin(length, stream.size() - at);
        lexer.feed(stream.constData() + at, taken, collect);
        at += taken;
        // Whole pieces only ever lie before the bytes fed so far.
        FUZZ_CHECK(lexer.lastCompleteEnd() <= at);
    }
    lexer.finish(collect);
    lexed.lastCompleteEnd = lexer.lastCompleteEnd();
    return lexed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto [chunks, stream] = FuzzInput::chunked(data, size);

    const Lexed whole = lex(stream, {});
    const Lexed split = lex(stream, chunks);
    FUZZ_CHECK(whole.pieces == split.pieces);
    FUZZ_CHECK(whole.lastCompleteEnd == split.lastCompleteEnd);

    // The pieces that are not nested cover the stream from its start, in order, without gaps.
    qint64 end = 0;
    for (const SqlStream::Piece& piece : whole.pieces) {
        FUZZ_CHECK(piece.begin <= piece.textBegin && piece.textBegin <= piece.end);
        FUZZ_CHECK(piece.end <= stream.size());
        FUZZ_CHECK(piece.firstLine >= 1);
        if (piece.nested) continue;
        FUZZ_CHECK(piece.begin == end);
        end = piece.end;
    }
    return 0;
}
