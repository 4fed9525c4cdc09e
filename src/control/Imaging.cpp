// The control's properties and lifecycle: initialise, the property steps, first show, opening a
// document, terminate.
#include "control/Imaging.h"

#include "control/ChildControls.h"
#include "control/ExportCommands.h"
#include "control/ControlTexts.h"
#include "control/OleColor.h"
#include "control/PaneLayout.h"
#include "control/PropertyBag.h"
#include "control/ScannerFactory.h"
#include "core/Prompter.h"
#include "core/ToolbarStates.h"
#include "core/UiLanguage.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "document/FileList.h"
#include "platform/engine/ImageViewer.h"
#include "saving/PageSaving.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"
#include "viewer/KeyPresses.h"
#include "viewer/KeyTable.h"
#include "viewer/ViewerSetup.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>

namespace scanvo {

namespace {

constexpr quint32 kDefaultBackColor = 0xFFC0C0;
constexpr quint32 kDefaultForeColor = 0x80000012;  // the system's button text colour
constexpr qint16 kBorderFixedSingle = 1;

// The persisted properties in interface order, each under its key (which is also its property
// name) with the value a new instance gets.
struct PersistedProperty {
    const char* key;
    QVariant (*defaultValue)(const Imaging& control);
};

const PersistedProperty kPersistedProperties[] = {
    {"BackColor", [](const Imaging&) { return QVariant::fromValue<quint32>(kDefaultBackColor); }},
    {"ForeColor", [](const Imaging&) { return QVariant::fromValue<quint32>(kDefaultForeColor); }},
    {"Enabled", [](const Imaging&) { return QVariant(true); }},
    {"Font", [](const Imaging& control) { return QVariant(control.AmbientFont()); }},
    {"BorderStyle", [](const Imaging&) { return QVariant::fromValue<qint16>(0); }},
    {"LocalPath", [](const Imaging&) { return QVariant(QString()); }},
    {"DocType", [](const Imaging&) { return QVariant::fromValue<qint16>(DocTypeSinglePageTiff); }},
    {"DocName", [](const Imaging&) { return QVariant(QString()); }},
    {"DocNameRule", [](const Imaging&) { return QVariant(QString()); }},
    {"ImagingButtonCaption", [](const Imaging&) { return QVariant::fromValue<qint16>(1); }},
    {"ImagingBarAlign", [](const Imaging&) { return QVariant::fromValue<qint16>(3); }},
    {"ScanBarAlign", [](const Imaging&) { return QVariant::fromValue<qint16>(1); }},
};

}  // namespace

Imaging::Imaging(QWidget* parent)
    : QWidget(parent)
{
    // Every text below is shown in the language of the process's first control.
    InstallUiTranslations();
    m_State.DocumentEmptied = [this] {
        SetNoDocumentState(m_State.doc, m_State.widgets);
        ArrangeLeftPane(m_State.props, m_State.widgets);
    };
    setFocusPolicy(Qt::StrongFocus);
    m_KeyPresses = new KeyPresses(this);
    BuildControlSurface(m_State, *this);
    ApplyForeColor();
    ApplyBackColor();

    LoadLayoutSettings();
    m_State.scan.m_Scanner = CreateScannerSource();
    if (m_State.scan.m_Scanner) {
        // The device's own dialog is a question to the user like any other.
        m_State.scan.m_Scanner->setDialogRunner([](QDialog& dialog) { return CurrentPrompter().runDialog(dialog); });
        // A source that fails to open answers every later call with ResultNotOpen, which the scan
        // job reports; there is nothing to tell the user before a scan is asked for.
        m_State.scan.m_Scanner->start(0, this);
    }
}

Imaging::~Imaging()
{
    // Nothing can stop here: a page that cannot be written back is lost, and the user was told.
    PageWrittenBack(m_State);
    if (m_State.scan.m_Scanner)
        m_State.scan.m_Scanner->end();
}

QFont Imaging::AmbientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void Imaging::NotifyChanged(const char* key, void (Imaging::*signal)())
{
    if (m_Quiet)
        return;
    emit(this->*signal)();
    emit PropertyChanged(QString::fromLatin1(key));
}

void Imaging::setBackColor(quint32 value)
{
    m_State.props.m_BackColor = value;
    ApplyBackColor();
    NotifyChanged("BackColor", &Imaging::BackColorChanged);
}

void Imaging::setForeColor(quint32 value)
{
    m_ForeColor = value;
    ApplyForeColor();
    NotifyChanged("ForeColor", &Imaging::ForeColorChanged);
}

void Imaging::setControlEnabled(bool value)
{
    setEnabled(value);
    NotifyChanged("Enabled", &Imaging::EnabledChanged);
}

void Imaging::setControlFont(const QFont& value)
{
    setFont(value);
    NotifyChanged("Font", &Imaging::FontChanged);
}

void Imaging::setBorderStyle(qint16 value)
{
    m_BorderStyle = value;
    ApplyBorderStyle();
    NotifyChanged("BorderStyle", &Imaging::BorderStyleChanged);
}

void Imaging::setLocalPath(const QString& value)
{
    m_State.props.m_LocalPath = value;
    NotifyChanged("LocalPath", &Imaging::LocalPathChanged);
}

void Imaging::setDocType(qint16 value)
{
    m_State.props.m_DocType = value;
    NotifyChanged("DocType", &Imaging::DocTypeChanged);
}

void Imaging::setDocName(const QString& value)
{
    m_State.props.m_DocName = value;
    NotifyChanged("DocName", &Imaging::DocNameChanged);
}

void Imaging::setDocNameRule(const QString& value)
{
    m_State.props.m_DocNameRule = value;
    NotifyChanged("DocNameRule", &Imaging::DocNameRuleChanged);
}

void Imaging::setImagingButtonCaption(qint16 value)
{
    m_State.props.m_ImagingButtonCaption = value;
    NotifyChanged("ImagingButtonCaption", &Imaging::ImagingButtonCaptionChanged);
}

void Imaging::setImagingBarAlign(qint16 value)
{
    m_State.props.m_ImagingBarAlign = value;
    NotifyChanged("ImagingBarAlign", &Imaging::ImagingBarAlignChanged);
}

void Imaging::setScanBarAlign(qint16 value)
{
    m_State.props.m_ScanBarAlign = value;
    NotifyChanged("ScanBarAlign", &Imaging::ScanBarAlignChanged);
}

void Imaging::ApplyForeColor()
{
    QPalette surface = palette();
    const QColor color = OleColorToQColor(m_ForeColor, QApplication::palette(this));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        surface.setColor(role, color);
    setPalette(surface);
}

void Imaging::ApplyBackColor()
{
    // Around a page the viewer shows the control's colour; an empty viewer stays white.
    m_State.widgets.mtMain->setBackColor(OleColorToQColor(m_State.props.m_BackColor, QApplication::palette(this)));
}

void Imaging::ApplyBorderStyle()
{
    const int margin = m_BorderStyle == kBorderFixedSingle ? 1 : 0;
    setContentsMargins(margin, margin, margin, margin);
    LayoutPanes(m_State.props, m_State.widgets);
    update();
}

void Imaging::InitProperties()
{
    QScopedValueRollback<bool> quiet(m_Quiet, true);
    for (const PersistedProperty& entry : kPersistedProperties)
        setProperty(entry.key, entry.defaultValue(*this));
}

void Imaging::ReadProperties(const PropertyBag& bag)
{
    QScopedValueRollback<bool> quiet(m_Quiet, true);
    for (const PersistedProperty& entry : kPersistedProperties) {
        const QVariant fallback = entry.defaultValue(*this);
        // A stored value of the wrong kind counts as missing.
        if (!setProperty(entry.key, bag.read(QString::fromLatin1(entry.key), fallback)))
            setProperty(entry.key, fallback);
    }
}

void Imaging::WriteProperties(PropertyBag& bag)
{
    for (const PersistedProperty& entry : kPersistedProperties)
        bag.write(QString::fromLatin1(entry.key), property(entry.key));

    // The run-time layout reads only the settings file, so design-time layout values go there.
    g_IniFile = IniFilePath();
    g_Settings.Layout.ImagingBarAlign = m_State.props.m_ImagingBarAlign;
    g_Settings.Layout.ImagingButtonCaption = m_State.props.m_ImagingButtonCaption;
    g_Settings.Layout.ScanBarAlign = m_State.props.m_ScanBarAlign;
    // An unwritable settings file leaves the in-memory values in use; nothing is reported.
    WriteIniString(g_IniFile, QStringLiteral("Layout"), QStringLiteral("ImagingBarAlign"),
                   QString::number(m_State.props.m_ImagingBarAlign));
    WriteIniString(g_IniFile, QStringLiteral("Layout"), QStringLiteral("ImagingButtonCaption"),
                   QString::number(m_State.props.m_ImagingButtonCaption));
    WriteIniString(g_IniFile, QStringLiteral("Layout"), QStringLiteral("ScanBarAlign"),
                   QString::number(m_State.props.m_ScanBarAlign));
}

void Imaging::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_UserMode && !m_FirstShowDone) {
        m_FirstShowDone = true;
        FirstShow();
    }
}

void Imaging::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutPanes(m_State.props, m_State.widgets);
}

void Imaging::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_BorderStyle != kBorderFixedSingle)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Imaging::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its release; the key acts once, when the user lets it go. Keys typed
    // into a text box (the page box, the zoom box) are the box's: Enter there confirms a number
    // and must not start a scan. The comment box is such a box too, and m_CommentEntry says so.
    // A release whose press went to another window (a message box that Enter closed) is no key
    // the user pressed here.
    const QWidget* focus = QApplication::focusWidget();
    const bool typing = focus && focus != m_State.widgets.txtPageNumber && qobject_cast<const QLineEdit*>(focus);
    const bool pressedHere = !event->isAutoRepeat() && m_KeyPresses->TakePress(event->key());
    if (pressedHere && !typing && OnControlKeyUp(m_State, event->key(), event->modifiers()))
        event->accept();
    else
        QWidget::keyReleaseEvent(event);
}

void Imaging::Refresh()
{
    repaint();
}

bool Imaging::ExportPdf(const QString& path, const QVariantMap& options)
{
    const bool ocr = options.value(QStringLiteral("ocr"), false).toBool();
    pdf::PdfOptions chosen = StoredExportOptions(ocr);
    chosen.pdfa = options.value(QStringLiteral("pdfa"), chosen.pdfa).toBool();
    const QVariant languages = options.value(QStringLiteral("languages"));
    if (languages.canConvert<QStringList>() && !languages.toStringList().isEmpty())
        chosen.languages = languages.toStringList().join(u'+');
    return ExportDocument(m_State, path, chosen);
}

void Imaging::FirstShow()
{
    m_State.doc.m_RequestedDocType = m_State.props.m_DocType;
    LoadSettings(m_State.props.m_DocNameRule, m_State.props.m_LocalPath);
    SetNoDocumentState(m_State.doc, m_State.widgets);
    LayoutPanes(m_State.props, m_State.widgets);
    InitViewer(m_State.view, m_State.widgets);
    if (!EnsureLocalPath())
        return;
    if (m_State.props.m_DocName.isEmpty())
        return;
    if (!EnsureDocumentDirectory())
        return;
    OpenDocument();
}

void Imaging::SetDocument()
{
    ArrangeLeftPane(m_State.props, m_State.widgets);
    if (!EnsureLocalPath())
        return;
    if (m_State.props.m_DocName.isEmpty()) {
        Inform(this, texts::kNoDocName);
        return;
    }
    if (!EnsureDocumentDirectory())
        return;
    // The host has named the new document already; a page that cannot be written back is given up.
    PageWrittenBack(m_State);
    SetNoDocumentState(m_State.doc, m_State.widgets);
    ResetDocumentView(m_State);
    OpenDocument();
}

void Imaging::OpenDocument()
{
    BuildFileList(m_State, ReadImagePos(m_State.props.m_DocName));
    // The file navigation bar shows for mixed documents only, and the list may have detected the type.
    ArrangeLeftPane(m_State.props, m_State.widgets);
}

bool Imaging::EnsureLocalPath()
{
    if (m_State.props.m_LocalPath.isEmpty()) {
        Prompter& prompter = CurrentPrompter();
        frmImageDir dialog(prompter, this);
        dialog.SaveDir = m_State.props.m_LocalPath;
        // A cancelled dialog may still hold a directory it failed to create; only OK counts.
        if (prompter.runDialog(dialog) == QDialog::Accepted)
            m_State.props.m_LocalPath = dialog.SaveDir;
    }
    if (m_State.props.m_LocalPath.isEmpty()) {
        Inform(this, texts::kNoLocalPath);
        return false;
    }
    return MakeDirectory(RootDirectoryPath(m_State.props.m_LocalPath));
}

bool Imaging::EnsureDocumentDirectory()
{
    if (!IsDocNameInsideRoot(m_State.props.m_DocName)) {
        Inform(this, texts::kDocNameOutsideRoot);
        return false;
    }
    return MakeDirectory(DocumentDirectoryPath(m_State.props.m_LocalPath, m_State.props.m_DocName));
}

bool Imaging::MakeDirectory(const QString& path)
{
    if (EnsureDirectory(path))
        return true;
    Inform(this, texts::kCannotCreateDirectory.arg(path), MessageIcon::Warning);
    return false;
}

}  // namespace scanvo
