#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quillon::letters {

QString formatGeneral(double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, correctly rounded: d.dddddddddddddde±x
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative)
        s.erase(0, 1);
    const auto ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const QString point = locale.decimalPoint();
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += QLatin1Char('0') + point + QString(-exponent - 1, QLatin1Char('0')) +
                   QString::fromLatin1(digits.c_str());
        } else {
            const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += QString::fromLatin1(digits.c_str()) +
                       QString(static_cast<int>(intDigits - digits.size()), QLatin1Char('0'));
            } else {
                out += QString::fromLatin1(digits.substr(0, intDigits).c_str()) + point +
                       QString::fromLatin1(digits.substr(intDigits).c_str());
            }
        }
    } else {
        out += QString::fromLatin1(digits.substr(0, 1).c_str());
        if (digits.size() > 1)
            out += point + QString::fromLatin1(digits.substr(1).c_str());
        out += QLatin1Char('E');
        out += exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
        out += QString::number(std::abs(exponent));
    }
    return out;
}

}  // namespace quillon::letters
