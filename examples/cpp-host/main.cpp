// Creates the control by its ProgID and prints its class and document type; exits 1 if it cannot.
#include "ScanvoFactory.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    QWidget* control = ScanvoCreateControl("Scanvo.Imaging", &window);
    if (control == nullptr || ScanvoCreateControl("No.Such", &window) != nullptr)
        return 1;
    std::printf("%s DocType=%d\n", control->metaObject()->className(), control->property("DocType").toInt());
    return 0;
}
