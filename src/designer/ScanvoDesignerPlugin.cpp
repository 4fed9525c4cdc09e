// The control's Designer plugin: it creates controls through libscanvo's factory, like any host.
#include "ScanvoDesignerPlugin.h"

#include "ScanvoFactory.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

constexpr char kProgId[] = "Scanvo.Imaging";
// The control's class as the meta-object system names it; forms store it as the widget's class.
constexpr char kClassName[] = "scanvo::Imaging";

// A page with a scanner's light bar, drawn so the plugin needs no image files.
QIcon DrawIcon()
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 14, 19);
    painter.setPen(QColor(40, 120, 220));
    painter.drawLine(2, 11, 19, 11);
    return QIcon(pixmap);
}

}  // namespace

ScanvoDesignerPlugin::ScanvoDesignerPlugin(QObject* parent)
    : QObject(parent)
{
}

QString ScanvoDesignerPlugin::name() const
{
    return QString::fromLatin1(kClassName);
}

QString ScanvoDesignerPlugin::group() const
{
    return QStringLiteral("Scanvo");
}

QString ScanvoDesignerPlugin::toolTip() const
{
    return QStringLiteral("Document scanning and page imaging");
}

QString ScanvoDesignerPlugin::whatsThis() const
{
    return QStringLiteral("The Scanvo control: scans, imports, browses, cleans up and saves the pages of one "
                          "document. Set LocalPath, DocName and DocType, then call SetDocument.");
}

QString ScanvoDesignerPlugin::includeFile() const
{
    return QStringLiteral("ScanvoFactory.h");
}

QIcon ScanvoDesignerPlugin::icon() const
{
    return DrawIcon();
}

bool ScanvoDesignerPlugin::isContainer() const
{
    return false;
}

QString ScanvoDesignerPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="%1" name="Imaging1">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>640</width><height>480</height></rect>
  </property>
 </widget>
</ui>
)")
        .arg(QString::fromLatin1(kClassName));
}

bool ScanvoDesignerPlugin::isInitialized() const
{
    return m_Initialized;
}

void ScanvoDesignerPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_Initialized = true;
}

QWidget* ScanvoDesignerPlugin::createWidget(QWidget* parent)
{
    QWidget* control = ScanvoCreateControl(kProgId, parent);
    // Only Designer initialises the plugin; its forms hold controls in design mode.
    if (control != nullptr && m_Initialized)
        QMetaObject::invokeMethod(control, "SetUserMode", Q_ARG(bool, false));
    return control;
}
