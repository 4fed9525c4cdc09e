// The stop of a running scan job.
#include "acquisition/ScanStop.h"

#include "acquisition/AcquisitionTexts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace scanvo {

namespace T = acquisition_texts;

ScanStop::ScanStop(QWidget* control, std::function<void()> stop)
    : m_Control(control), m_Stop(std::move(stop)), m_Window(std::make_unique<QWidget>(nullptr, Qt::Tool))
{
    m_Window->setObjectName(QStringLiteral("frmScanStop"));
    m_Window->setWindowTitle(T::kScanStopCaption);
    auto* hint = new QLabel(T::kScanStopHint, m_Window.get());
    cmdStop = new QPushButton(T::kScanStopButton, m_Window.get());
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    auto* layout = new QVBoxLayout(m_Window.get());
    layout->addWidget(hint);
    layout->addWidget(cmdStop);
    connect(cmdStop, &QPushButton::clicked, this, &ScanStop::cmdStop_Click);
    QCoreApplication::instance()->installEventFilter(this);
    if (m_Control) {
        m_Window->adjustSize();
        const QWidget* host = m_Control->window();
        m_Window->move(host->mapToGlobal(host->rect().center()) - m_Window->rect().center());
        m_Window->winId();
        if (QWindow* handle = m_Window->windowHandle())
            handle->setTransientParent(host->windowHandle());
    }
    m_Window->show();
}

ScanStop::~ScanStop() = default;

void ScanStop::cmdStop_Click()
{
    if (!cmdStop->isEnabled())
        return;
    cmdStop->setEnabled(false);
    m_Stop();
}

bool ScanStop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // The disabled control has no focus: the key goes to its window, or to the stop window.
        const QWidget* window = static_cast<const QWidget*>(watched)->window();
        if (window == m_Window.get() || (m_Control && window == m_Control->window())) {
            cmdStop_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace scanvo
