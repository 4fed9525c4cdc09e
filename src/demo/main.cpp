// Pagedemo: shows how a host embeds the control.
#include "frmDemo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    frmDemo form;
    form.show();
    return app.exec();
}
