#pragma once
// Imaging: the whole document workstation as one embeddable widget. Hosts create it by its ProgID
// and drive it through its properties and the methods SetDocument and Refresh; a container that
// persists the control also calls the property lifecycle (InitProperties or ReadProperties, then
// WriteProperties whenever it saves).

#include "core/ControlState.h"

#include <QFont>
#include <QString>
#include <QVariantMap>
#include <QWidget>

namespace scanvo {

class KeyPresses;
class PropertyBag;

class Imaging : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setControlEnabled NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setControlFont NOTIFY FontChanged)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(QString LocalPath READ LocalPath WRITE setLocalPath NOTIFY LocalPathChanged)
    Q_PROPERTY(qint16 DocType READ DocType WRITE setDocType NOTIFY DocTypeChanged)
    Q_PROPERTY(QString DocName READ DocName WRITE setDocName NOTIFY DocNameChanged)
    Q_PROPERTY(QString DocNameRule READ DocNameRule WRITE setDocNameRule NOTIFY DocNameRuleChanged)
    Q_PROPERTY(qint16 ImagingButtonCaption READ ImagingButtonCaption WRITE setImagingButtonCaption
                   NOTIFY ImagingButtonCaptionChanged)
    Q_PROPERTY(qint16 ImagingBarAlign READ ImagingBarAlign WRITE setImagingBarAlign NOTIFY ImagingBarAlignChanged)
    Q_PROPERTY(qint16 ScanBarAlign READ ScanBarAlign WRITE setScanBarAlign NOTIFY ScanBarAlignChanged)

public:
    static constexpr const char* kProgId = "Scanvo.Imaging";

    // Initialise: loads the layout settings and opens the scanner source.
    explicit Imaging(QWidget* parent = nullptr);
    // Terminate: writes back a modified page and closes the scanner source.
    ~Imaging() override;

    quint32 BackColor() const { return m_State.props.m_BackColor; }
    void setBackColor(quint32 value);
    quint32 ForeColor() const { return m_ForeColor; }
    void setForeColor(quint32 value);
    // Enabled and Font are passed to the widget itself; the setters are named apart from
    // QWidget::setEnabled and QWidget::setFont, which do not notify.
    bool Enabled() const { return isEnabled(); }
    void setControlEnabled(bool value);
    QFont Font() const { return font(); }
    void setControlFont(const QFont& value);
    qint16 BorderStyle() const { return m_BorderStyle; }
    void setBorderStyle(qint16 value);
    QString LocalPath() const { return m_State.props.m_LocalPath; }
    void setLocalPath(const QString& value);
    qint16 DocType() const { return m_State.props.m_DocType; }
    void setDocType(qint16 value);
    QString DocName() const { return m_State.props.m_DocName; }
    void setDocName(const QString& value);
    QString DocNameRule() const { return m_State.props.m_DocNameRule; }
    void setDocNameRule(const QString& value);
    qint16 ImagingButtonCaption() const { return m_State.props.m_ImagingButtonCaption; }
    void setImagingButtonCaption(qint16 value);
    qint16 ImagingBarAlign() const { return m_State.props.m_ImagingBarAlign; }
    void setImagingBarAlign(qint16 value);
    qint16 ScanBarAlign() const { return m_State.props.m_ScanBarAlign; }
    void setScanBarAlign(qint16 value);

    // Opens the document DocName below LocalPath with the requested DocType.
    Q_INVOKABLE void SetDocument();
    // Repaints the control.
    Q_INVOKABLE void Refresh();
    // Writes the open document's pages (the checked ones when some are checked) into the PDF file
    // path, showing the export's progress; the user can cancel it. options: "ocr" (bool, default
    // false) adds a searchable text layer recognised in "languages" (Tesseract names joined by
    // '+', default from the export settings); "pdfa" (bool, default from the export settings)
    // makes it PDF/A-2b. True when the file was written; otherwise path is left as it was.
    Q_INVOKABLE bool ExportPdf(const QString& path, const QVariantMap& options = {});

    // A designer host clears the user mode before the control is shown: the control then keeps its
    // properties but opens nothing.
    Q_INVOKABLE void SetUserMode(bool userMode) { m_UserMode = userMode; }
    Q_INVOKABLE bool UserMode() const { return m_UserMode; }

    // Property lifecycle of a container. None of them notifies property changes.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    // Stores every property in bag and copies the three layout properties into the settings file.
    void WriteProperties(PropertyBag& bag);

    // The members shared with the control's other parts.
    ControlState& State() { return m_State; }
    const ControlState& State() const { return m_State; }

    // The container's font: the parent's, or the application's for a top-level control.
    QFont AmbientFont() const;

signals:
    // A property was let; key is the key it persists under.
    void PropertyChanged(const QString& key);
    void BackColorChanged();
    void ForeColorChanged();
    void EnabledChanged();
    void FontChanged();
    void BorderStyleChanged();
    void LocalPathChanged();
    void DocTypeChanged();
    void DocNameChanged();
    void DocNameRuleChanged();
    void ImagingButtonCaptionChanged();
    void ImagingBarAlignChanged();
    void ScanBarAlignChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void FirstShow();
    void NotifyChanged(const char* key, void (Imaging::*signal)());
    void ApplyForeColor();
    void ApplyBackColor();
    void ApplyBorderStyle();

    // Makes sure a root directory is known and exists; false (after telling the user) otherwise.
    bool EnsureLocalPath();
    // Makes sure DocName is a name below the root and its directory exists; false (after telling
    // the user) otherwise.
    bool EnsureDocumentDirectory();
    bool MakeDirectory(const QString& path);
    // Lists the document at its remembered position, lays out the scan pane for the type found
    // and sets the toolbars' states.
    void OpenDocument();

    ControlState m_State;
    KeyPresses* m_KeyPresses = nullptr;
    quint32 m_ForeColor = 0x80000012;
    qint16 m_BorderStyle = 0;
    bool m_UserMode = true;
    bool m_FirstShowDone = false;
    bool m_Quiet = false;  // set while the property lifecycle applies values
};

}  // namespace scanvo
