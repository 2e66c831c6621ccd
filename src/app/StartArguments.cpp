#include "app/StartArguments.h"

#include <QDir>
#include <QUrl>

namespace StartArguments {

std::optional<QString> dumpPath(const QStringList& arguments, const QString& workingFolder) {
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!optionsEnded && argument.startsWith(u'-'))) continue;
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"))) {
            const QUrl url(argument);
            // A file on another host is no file here.
            if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == u"localhost")) continue;
            path = url.toLocalFile();
        }
        return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path));
    }
    return std::nullopt;
}

}  // namespace StartArguments
