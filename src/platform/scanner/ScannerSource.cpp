#include "platform/scanner/ScannerSource.h"

#include <QDialog>
#include <QWidget>

#include <utility>

namespace scanvo::scanner {

engine::Image ScannerSource::takeAcquiredPage()
{
    return m_pageInEvent ? std::exchange(*m_pageInEvent, engine::Image()) : engine::Image();
}

void ScannerSource::raisePageAcquired(engine::Image& page)
{
    // A handler that processes events may see the next page raised inside its own.
    engine::Image* const outer = std::exchange(m_pageInEvent, &page);
    emit pageAcquired(page);
    m_pageInEvent = outer;
}

int ScannerSource::runDialog(QDialog& dialog)
{
    return m_dialogRunner ? m_dialogRunner(dialog) : dialog.exec();
}

QWidget* ScannerSource::owner() const
{
    return static_cast<QWidget*>(m_owner.data());
}

void ScannerSource::setOwner(QWidget* owner)
{
    m_owner = owner;
}

}  // namespace scanvo::scanner
