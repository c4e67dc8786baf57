#pragma once
// Registration of a chosen text in ProccessedTexts. A text is known by its
// file name alone: choosing a name seen before keeps its id and only renews
// its date; a new name gets MAX(id) + 1. The table is created when missing.
// The whole step runs in one write transaction, so two processes registering
// texts at once never share an id. Throws quillon::Error on a database error
// or an empty name; nothing is changed then.

#include <QString>

namespace quillon::store {
class Store;
}

namespace quillon {

// Registers the text and returns its id.
int registerText(store::Store& store, const QString& fileName);

// The part of a path after its last folder separator ('/' or '\').
QString textFileName(const QString& path);

}  // namespace quillon
