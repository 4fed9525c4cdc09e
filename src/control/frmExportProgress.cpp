// The export's progress form.
#include "control/frmExportProgress.h"

#include "control/ExportTexts.h"
#include "control/PdfExportJob.h"
#include "core/CoreTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace scanvo {

namespace T = export_texts;

frmExportProgress::frmExportProgress(PdfExportJob& job, QWidget* parent)
    : QDialog(parent), m_Job(job)
{
    setObjectName(QStringLiteral("frmExportProgress"));
    setWindowTitle(T::kProgressCaption);
    setModal(true);
    lblProgress = new QLabel(T::kExporting, this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    prgPages = new QProgressBar(this);
    prgPages->setObjectName(QStringLiteral("prgPages"));
    prgPages->setRange(0, 0);
    cmdCancel = new QPushButton(core_texts::kCancel, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmExportProgress::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(lblProgress);
    main->addWidget(prgPages);
    main->addLayout(buttons);
    setMinimumWidth(360);

    connect(&job, &PdfExportJob::progressed, this, &frmExportProgress::ShowProgress);
    connect(&job, &PdfExportJob::finished, this, &frmExportProgress::CloseWhenEnded);
}

void frmExportProgress::reject()
{
    if (m_Job.result() != PdfExportJob::Result::Running) {
        QDialog::reject();
        return;
    }
    m_Job.cancel();
    cmdCancel->setEnabled(false);
    lblProgress->setText(T::kCancelling);
}

void frmExportProgress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A job that ended before the form was shown closes it as soon as it runs.
    if (m_Job.result() != PdfExportJob::Result::Running)
        QTimer::singleShot(0, this, &frmExportProgress::CloseWhenEnded);
}

void frmExportProgress::ShowProgress(int pagesDone, int pageCount)
{
    if (!m_Job.cancelRequested())
        lblProgress->setText(T::kExportingPage.arg(pagesDone).arg(pageCount));
    prgPages->setRange(0, pageCount);
    prgPages->setValue(pagesDone);
}

void frmExportProgress::CloseWhenEnded()
{
    done(m_Job.result() == PdfExportJob::Result::Written ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace scanvo
