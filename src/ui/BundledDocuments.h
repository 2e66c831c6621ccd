#pragma once

#include <QString>
#include <QUrl>

// The documents that ship with the program: the licence and the project's page.
namespace BundledDocuments {

// A readable file with the licence text: the installed copy, else the compiled-in one
// written to the user's cache folder. Empty when neither exists.
QString licenseFile();

// The project's website; without one, the installed README. Invalid when there is neither.
QUrl website();

}  // namespace BundledDocuments
