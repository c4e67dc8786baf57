#pragma once
// Writing the letters files: Windows-1251 text with CR LF line ends, the
// previous contents replaced. A file that cannot be written is an error
// (quillon::Error naming the file); a failed write leaves the previous file
// in place where the folder allows it.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon::letters {

// The statistics areas as letters files 1 and 2 hold them: every message line,
// two empty lines, every output line, each line ended by CR LF.
QByteArray lettersFileBytes(const QStringList& message, const QStringList& output);

// The output area's whole text as letters file 3 holds it: its lines joined by
// CR LF, followed by one CR LF.
QByteArray areaTextBytes(const QStringList& output);

// Replaces the file at path with bytes; throws quillon::Error on failure.
void writeFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace quillon::letters
