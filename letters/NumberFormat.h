#pragma once
// Floating values as the statistics show and save them: the general format
// with up to 15 significant digits, no trailing zeros, no decimal separator
// for whole numbers, and the decimal separator of the given locale. Values
// from 0.00001 up to 15 integer digits are written without an exponent;
// smaller or larger magnitudes as mantissa, "E" and a signed exponent.

#include <QLocale>
#include <QString>

namespace quillon::letters {

QString formatGeneral(double value, const QLocale& locale = QLocale::system());

// A 32-bit value is widened first, so that the float's own rounding shows in
// the last digits (one in three: 33.3333320617676).
inline QString formatGeneral(float value, const QLocale& locale = QLocale::system()) {
    return formatGeneral(static_cast<double>(value), locale);
}

}  // namespace quillon::letters
