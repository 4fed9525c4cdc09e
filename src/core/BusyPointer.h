#pragma once
// The hourglass of a longer operation: shown while the guard lives, the default pointer again
// when it goes, on every path out of the operation.

#include <QCursor>
#include <QGuiApplication>

namespace scanvo {

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace scanvo
