#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// The program's name, version, licence and homepage.
namespace AboutBox {

QString text();
QMessageBox* open(QWidget* parent);

}  // namespace AboutBox
