#pragma once
// The control in Qt Designer's widget box. Designer initialises the plugin before it creates
// widgets, and a control created then is in design mode: it opens no document and keeps the
// properties the property editor gives it. A form loaded at run time (QUiLoader) gets a control in
// user mode, as any host's.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class ScanvoDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit ScanvoDesignerPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;

    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QWidget* createWidget(QWidget* parent) override;

private:
    bool m_Initialized = false;
};
