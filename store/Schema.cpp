#include "store/Schema.h"

#include <array>

namespace quillon::store {

QString kindDisplayName(int typeId) {
    static const std::array<const char*, 11> names = {
        "Словник",
        "Словник для сети",
        "Список предложений",
        "Пары слов (номера)",
        "Пары слов (слова)",
        "Пары слов",
        "Сеть",
        "Распределеие частот",
        "Объединение словников по словам",
        "Объединение словников с учетом частей речи",
        "Объединение списков предложений",
    };
    if (typeId < 0 || typeId >= static_cast<int>(names.size())) {
        return {};
    }
    return QString::fromUtf8(names[static_cast<size_t>(typeId)]);
}

}  // namespace quillon::store
