#pragma once
// Reading a text file for display and printing: at most its first
// 18,874,368 bytes, decoded from Windows-1251.

#include <QString>
#include <optional>

namespace quillon {

inline constexpr qint64 kTextViewLimit = 18'874'368;

// The decoded head of the file, or nothing when it cannot be opened or read.
std::optional<QString> readTextHead(const QString& path, qint64 limit = kTextViewLimit);

}  // namespace quillon
