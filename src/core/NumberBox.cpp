// Number boxes.
#include "core/NumberBox.h"

#include "core/BusyPointer.h"
#include "core/ComboBoxHooks.h"
#include "core/IniNumber.h"

#include <QComboBox>

namespace scanvo {

void OnNumberBoxDropDown(QComboBox* box, const NumberBoxModel& model)
{
    box->clear();
    const int count = model.count();
    for (int n = 1; n <= count; ++n)
        box->addItem(QString::number(n));
    box->setEditText(QString::number(model.current()));
}

void OnNumberBoxPicked(QComboBox* box, const NumberBoxModel& model)
{
    BusyPointer busy;
    const QString text = box->currentText();
    const int n = IniNumber16(text);
    if (!text.isEmpty() && n != model.current())
        model.moveTo(n);
    else
        box->setEditText(QString::number(model.current()));
}

void OnNumberBoxEnter(QComboBox* box, const NumberBoxModel& model)
{
    int n = IniNumber16(box->currentText());
    if (n < 1 || n > model.count()) {
        box->setEditText(QString::number(model.current()));
        n = model.current();
    }
    BusyPointer busy;
    if (n != 0)
        model.moveTo(n);
}

void ConnectNumberBox(QComboBox* box, NumberBoxModel model)
{
    InstallComboBoxHandlers(box, {[box, model] { OnNumberBoxDropDown(box, model); },
                                  [box, model] { OnNumberBoxEnter(box, model); }});
    QObject::connect(box, &QComboBox::activated, box, [box, model](int) { OnNumberBoxPicked(box, model); });
}

}  // namespace scanvo
