// Test entry: a Qt application object for event loops, and settings, import journals and saved
// copies in a temporary folder so no test ever reads or writes the user's real ones.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef TARNWELL_TEST_UI
#include <QApplication>
#endif

int main(int argc, char* argv[]) {
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toUtf8());
    qputenv("XDG_STATE_HOME", (settingsDir.path() + QStringLiteral("/state")).toUtf8());
    qputenv("XDG_DATA_HOME", (settingsDir.path() + QStringLiteral("/data")).toUtf8());
#ifdef TARNWELL_TEST_UI
    QApplication application(argc, argv);
#else
    QCoreApplication application(argc, argv);
#endif
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnwell"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
