#include "app/App.h"

#include <QApplication>
#include <QMainWindow>

namespace App {

int run(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tarnwell"));
    window.resize(1040, 740);
    window.show();
    return application.exec();
}

}  // namespace App
