#include "ui/QtText.h"

#include "base/Encoding.h"
#include "base/Text.h"

namespace quorl {

QString ToQt(const std::string& inner) { return QString::fromStdString(Cp1252ToUtf8(inner)); }

QString ToQtLines(const std::string& inner) { return ToQt(ReplaceAll(inner, "\r\n", "\n")); }

std::string FromQt(const QString& s) { return Utf8ToCp1252(s.toStdString()); }

std::string FromQtLines(const QString& s) {
    std::string t = FromQt(s);
    t = ReplaceAll(t, "\r\n", "\n");
    return ReplaceAll(t, "\n", "\r\n");
}

}  // namespace quorl
