#pragma once
// DeviceOptionsDialog: a scanner's own settings, built from its option descriptors. Every option
// that can be written gets an editor named after the option (check box, spin box, combo box or
// line edit); the device's groups become group boxes. The caller writes back changedValues().

#include "platform/scanner/DeviceOption.h"

#include <QDialog>
#include <QList>
#include <QPair>

namespace scanvo::scanner {

class DeviceOptionsDialog : public QDialog {
    Q_OBJECT
public:
    DeviceOptionsDialog(const QList<DeviceOption>& options, const QString& deviceName, QWidget* parent = nullptr);

    // The options whose editor now holds a value other than the device's, in the device's order.
    QList<QPair<QString, QVariant>> changedValues() const;

private:
    struct Editor {
        DeviceOption option;
        QWidget* widget;
    };

    QWidget* createEditor(const DeviceOption& option);
    static QVariant editorValue(const Editor& editor);

    QList<Editor> m_editors;
};

}  // namespace scanvo::scanner
