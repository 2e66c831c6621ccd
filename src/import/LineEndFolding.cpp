#include "import/LineEndFolding.h"

#include <cstring>

QByteArrayView LineEndFolding::fold(QByteArrayView block) {
    const char* data = block.data();
    const qsizetype size = block.size();
    if (!heldReturn_ && (size == 0 || !std::memchr(data, '\r', size_t(size)))) return block;
    out_.clear();
    if (heldReturn_) {
        if (size == 0) return {};
        heldReturn_ = false;
        if (data[0] != '\n') out_.append('\r');
    }
    qsizetype from = 0;
    while (from < size) {
        const auto* found = static_cast<const char*>(std::memchr(data + from, '\r', size_t(size - from)));
        if (!found) {
            out_.append(data + from, size - from);
            break;
        }
        const qsizetype at = found - data;
        out_.append(data + from, at - from);
        if (at + 1 == size) {
            heldReturn_ = true;
        } else if (data[at + 1] != '\n') {
            out_.append('\r');
        }
        from = at + 1;
    }
    return out_;
}

QByteArrayView LineEndFolding::finish() {
    if (!heldReturn_) return {};
    heldReturn_ = false;
    return "\r";
}
