#pragma once
// Creating a Scanvo control by its ProgID ("Scanvo.Imaging"). An unknown ProgID gives null.
class QWidget;
extern "C" QWidget* ScanvoCreateControl(const char* progId, QWidget* parent);
