#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// The program's name, version, licence, the container engine in use and the homepage.
namespace AboutBox {

QString text(const QString& engine);
QMessageBox* open(QWidget* parent, const QString& engine);

}  // namespace AboutBox
