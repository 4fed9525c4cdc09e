#include "platform/scanner/ScannerSource.h"

#include <QDialog>
#include <QWidget>

namespace scanvo::scanner {

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
