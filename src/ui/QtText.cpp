#include "ui/QtText.h"

#include "base/Text.h"

namespace quorl {

QString ToQt(const std::string& inner) { return QString::fromUtf8(inner.data(), static_cast<qsizetype>(inner.size())); }

QString ToQtLines(const std::string& inner) { return ToQt(ReplaceAll(CrLfLineEnds(inner), "\r\n", "\n")); }

std::string FromQt(const QString& s) { return s.toStdString(); }

std::string FromQtLines(const QString& s) { return CrLfLineEnds(FromQt(s)); }

}  // namespace quorl
