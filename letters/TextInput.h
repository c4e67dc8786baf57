#pragma once
// Reading a text file the way the letter statistics see it: in text mode,
// every CR LF pair read as one LF (a lone CR stays), in chunks, so that texts
// of any size are handled in bounded memory.

#include <QByteArray>
#include <QString>
#include <functional>

namespace quillon::letters {

// Calls consume(data, size) for successive chunks of the file's text-mode
// bytes. Returns false, without calling consume, when the file cannot be
// opened (missing, unreadable, a folder). Throws quillon::Error when reading
// fails part-way.
bool readTextMode(const QString& path, const std::function<void(const char*, qsizetype)>& consume);

// Text-mode bytes of an in-memory text (CR LF -> LF).
QByteArray toTextMode(const QByteArray& raw);

}  // namespace quillon::letters
