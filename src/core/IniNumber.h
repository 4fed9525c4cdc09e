#pragma once
// Numbers stored as text in INI files and typed into option boxes: the leading numeric part of the
// text counts (blanks before it are skipped, text without one reads as 0), rounded to the nearest
// integer with halves to even.

#include <QString>
#include <QtGlobal>

namespace scanvo {

// The leading numeric part of text as a double: optional sign, digits, optional decimal point and
// digits, optional exponent. 0 when text does not start with a number.
double LeadingNumber(const QString& text);

// LeadingNumber rounded half to even into 16 or 32 bits. A value outside the range gives 0 and sets
// *inRange to false; otherwise *inRange is set to true.
qint16 IniNumber16(const QString& text, bool* inRange = nullptr);
qint32 IniNumber32(const QString& text, bool* inRange = nullptr);

}  // namespace scanvo
