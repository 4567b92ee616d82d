#pragma once
// Conversion between inner texts (UTF-8, CR LF) and Qt strings (UTF-16, LF).
#include <QString>
#include <string>

namespace quorl {

QString ToQt(const std::string& inner);            // keeps line ends
QString ToQtLines(const std::string& inner);       // CR LF, CR -> LF for widgets
std::string FromQt(const QString& s);              // keeps line ends
std::string FromQtLines(const QString& s);         // LF -> CR LF from widgets

}  // namespace quorl
