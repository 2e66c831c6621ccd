#include "ui/BundledDocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

// The compiled-in resources (licence, icon) sit in a static library, where nothing would
// keep the linker from dropping them; registering them here does.
static int registerResources() {
    Q_INIT_RESOURCE(resources);
    return 0;
}
[[maybe_unused]] static const int resourcesRegistered = registerResources();

namespace BundledDocuments {
namespace {

const QString kResource = QStringLiteral(":/LICENSE.txt");

QString installed(const QString& name) {
    const QString path = QDir(QStringLiteral(TARNWELL_DOC_DIR)).filePath(name);
    return QFileInfo(path).isFile() ? path : QString();
}

}  // namespace

QString licenseFile() {
    if (const QString path = installed(QStringLiteral("LICENSE.txt")); !path.isEmpty()) return path;
    QFile resource(kResource);
    if (!resource.open(QIODevice::ReadOnly)) return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    const QString path = QDir(folder).filePath(QStringLiteral("LICENSE.txt"));
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    if (copy.write(resource.readAll()) < 0) return {};
    return path;
}

QUrl website() {
    const QString homepage = QStringLiteral(TARNWELL_HOMEPAGE);
    if (!homepage.isEmpty()) return QUrl(homepage);
    if (const QString readme = installed(QStringLiteral("README.md")); !readme.isEmpty()) {
        return QUrl::fromLocalFile(readme);
    }
    return {};
}

}  // namespace BundledDocuments
