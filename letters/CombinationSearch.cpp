#include "CombinationSearch.h"

#include "LetterTable.h"

namespace quillon::letters {

bool isSearchStringAllowed(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'\u0410' && u <= u'\u044F')
            continue;
        switch (u) {
            case u' ':
            case u',':
            case u'.':
            case u';':
            case u':':
            case u'!':
            case u'?':
                continue;
            default:
                return false;
        }
    }
    return true;
}

CombinationCounter::CombinationCounter(std::string_view pattern)
    : pattern_(pattern), partner_(pattern) {
    for (char& c : partner_) {
        const auto b = static_cast<unsigned char>(c);
        if (kLetterOfByte[b] >= 0)
            c = static_cast<char>(otherCase(b));
    }
}

void CombinationCounter::add(const char* data, qsizetype size) {
    const std::size_t n = pattern_.size();
    if (n == 0) {
        count_ += size;
        return;
    }
    const char first = pattern_[0];
    const char firstOther = partner_[0];
    const char* p = data;
    const char* const end = data + size;
    while (p < end) {
        if (skipNext_) {
            skipNext_ = false;
            ++p;
            continue;
        }
        if (matched_ == 0) {
            // Every byte that cannot start the combination is a failed
            // attempt of its own: skip to the next possible start.
            while (p < end && *p != first && *p != firstOther)
                ++p;
            if (p == end)
                break;
        }
        if (*p == pattern_[matched_] || *p == partner_[matched_]) {
            ++p;
            if (++matched_ == n) {
                ++count_;
                matched_ = 0;
                skipNext_ = true;
            }
        } else {
            matched_ = 0;  // this byte ended the attempt and starts none
            ++p;
        }
    }
}

std::int64_t countCombination(const QByteArray& text, std::string_view pattern) {
    CombinationCounter counter(pattern);
    counter.add(text.constData(), text.size());
    return counter.count();
}

}  // namespace quillon::letters
