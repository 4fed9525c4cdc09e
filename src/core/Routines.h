#pragma once
// Routines: the small string and path helpers every part uses to split paths and file names.
// Positions are 1-based. "/" is the separator on disk; "\" is read as a separator too, so document
// names written with backslashes split the same way. None of them fails on empty input.

#include <QChar>
#include <QString>

namespace scanvo {

// True for "/" and "\".
bool IsPathSeparator(QChar c);

// Everything up to and including the last separator; empty if there is none.
QString PathDirPart(const QString& path);
// Everything after the last separator; the whole input if there is none.
QString PathFilePart(const QString& path);
// Selector 1: PathDirPart; any other value: PathFilePart.
QString PathComponent(const QString& path, int selector);

// Everything after the last "."; the whole input if there is none.
QString NameExtension(const QString& name);
// Everything before the last "."; the whole input if there is none.
QString NameWithoutExtension(const QString& name);

// The last maximal run of "0" to "9"; empty if the name has no digit.
QString DigitRun(const QString& name);
// Everything before that run; empty if the name has no digit.
QString TextBeforeDigitRun(const QString& name);
// Everything after the run's last digit; the whole input if it has no digit.
QString TextAfterDigitRun(const QString& name);

// Position of the last occurrence of c as decimal text, "0" if absent.
QString LastPositionOf(const QString& text, QChar c);

// Key filter of the numeric text boxes: returns keyCode when its upper-cased character is one of
// the upper-cased allowed characters (or backspace, code 8, when allowBackspace is set); Enter (13)
// always passes. A rejected key gives 0, which the text box then ignores.
int FilterKey(int keyCode, const QString& allowed, bool allowBackspace);

}  // namespace scanvo
