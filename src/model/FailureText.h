#pragma once

#include <QString>
#include <QStringList>

// A failure's message split for reading: the one line that says what went wrong, then the
// rest. The server's "ERROR …" line wins over the client's echo around it.
namespace FailureText {

struct Split {
    QString summary;
    QStringList details;
    bool operator==(const Split&) const = default;
};

Split split(const QString& message);

}  // namespace FailureText
