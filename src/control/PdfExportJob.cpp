// The export thread.
#include "control/PdfExportJob.h"

#include "platform/engine/EngineError.h"

#include <QEventLoop>
#include <QMetaObject>

namespace scanvo {

PdfExportJob::PdfExportJob(QList<ExportItem> items, QString target, pdf::PdfOptions options, QObject* parent)
    : QObject(parent), m_Items(std::move(items)), m_Target(std::move(target)), m_Options(std::move(options))
{
}

PdfExportJob::~PdfExportJob()
{
    if (!m_Thread.joinable())
        return;
    cancel();
    waitForEnd();
    m_Thread.join();
}

void PdfExportJob::start()
{
    m_Thread = std::thread([this] { Run(); });
}

void PdfExportJob::waitForEnd()
{
    if (!m_Thread.joinable() || m_Result != Result::Running)
        return;
    // The thread's last step and every page report are delivered here, so the loop cannot miss
    // the end: finished() is only emitted while it runs.
    QEventLoop loop;
    connect(this, &PdfExportJob::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool PdfExportJob::Progress(int pagesDone, int pageCount)
{
    // Blocking: the page count on screen and a cancel given in answer to it are settled before
    // the next page starts.
    QMetaObject::invokeMethod(
        this, [this, pagesDone, pageCount] { emit progressed(pagesDone, pageCount); }, Qt::BlockingQueuedConnection);
    return !m_Cancel;
}

void PdfExportJob::Run()
{
    Result result = Result::Cancelled;
    Failure failure;
    try {
        const std::vector<pdf::PdfPageRef> pages = ExportPageRefs(m_Items);
        if (!m_Cancel) {
            const pdf::PdfOutcome outcome = pdf::WritePdf(
                pages, m_Target, m_Options, [this](int done, int count) { return Progress(done, count); });
            result = outcome == pdf::PdfOutcome::Written ? Result::Written : Result::Cancelled;
        }
    } catch (...) {
        failure = CaughtFailure(engine::ErrFileWrite);
        result = Result::Failed;
    }
    QMetaObject::invokeMethod(
        this,
        [this, result, failure] {
            m_Result = result;
            m_Failure = failure;
            emit finished();
        },
        Qt::QueuedConnection);
}

}  // namespace scanvo
