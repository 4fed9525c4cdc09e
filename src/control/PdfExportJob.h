#pragma once
// PdfExportJob: one PDF export on a thread of its own. The pages are counted and written there;
// after each page the job tells the thread that made it and holds the export until that thread
// has heard, so a cancel given in answer to page n ends the export right after page n and no page
// count shown is ever behind the file. Nothing is written under the target's name unless the
// export ends as Written.

#include "control/ExportPages.h"
#include "core/CaughtFailure.h"
#include "platform/pdf/PdfExport.h"

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <thread>

namespace scanvo {

class PdfExportJob : public QObject {
    Q_OBJECT
public:
    enum class Result { Running, Written, Cancelled, Failed };

    PdfExportJob(QList<ExportItem> items, QString target, pdf::PdfOptions options, QObject* parent = nullptr);
    // Cancels an export still running and waits for its end.
    ~PdfExportJob() override;
    PdfExportJob(const PdfExportJob&) = delete;
    PdfExportJob& operator=(const PdfExportJob&) = delete;

    void start();
    // Asks the export to stop after the page it is on; finished() follows.
    void cancel() { m_Cancel = true; }
    bool cancelRequested() const { return m_Cancel; }

    // Runs this thread's events, user input held back, until the export has ended. After a
    // cancel that is at most the page the export is on.
    void waitForEnd();

    Result result() const { return m_Result; }
    // What failed, for Result::Failed.
    const Failure& failure() const { return m_Failure; }

signals:
    // pagesDone of pageCount pages are in the file being written.
    void progressed(int pagesDone, int pageCount);
    // The export has ended; result() says how.
    void finished();

private:
    void Run();
    bool Progress(int pagesDone, int pageCount);

    const QList<ExportItem> m_Items;
    const QString m_Target;
    const pdf::PdfOptions m_Options;
    std::atomic<bool> m_Cancel{false};
    Result m_Result = Result::Running;  // set on this object's thread only
    Failure m_Failure;
    std::thread m_Thread;
};

}  // namespace scanvo
