#pragma once
// Windows-1251 at the boundary: texts, dictionary words and output files are
// Windows-1251 bytes, the database and the forms hold Unicode. Every
// conversion goes through these helpers. Bytes that Windows-1251 leaves
// undefined (0x98) decode to U+FFFD; characters it cannot encode become '?'.

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace quillon {

QString fromCp1251(std::string_view bytes);
inline QString fromCp1251(const QByteArray& bytes) {
    return fromCp1251(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
QByteArray toCp1251(const QString& text);
std::string toCp1251String(const QString& text);

}  // namespace quillon
