#include "platform/pdf/PdfExport.h"
#include "platform/pdf/PdfAssembler.h"
#include "platform/pdf/PdfImage.h"
#include "platform/pdf/PdfMessages.h"
#include "platform/pdf/TextLayer.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QFileInfo>
#include <QThread>

#include <leptonica/allheaders.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace scanvo::pdf {

using engine::EngineError;

namespace {

// One page made ready on a worker: its image stream and its text layer.
struct PreparedPage {
    PdfImage image;
    QByteArray text;
    std::exception_ptr failure;
};

// Pages are prepared on worker threads, each taking the next page not yet taken, and handed to the
// writing thread in page order. Workers run at most a few pages ahead of the writer, so a long
// document's pages never pile up in memory.
class PagePipeline {
public:
    PagePipeline(const std::vector<PdfPageRef>& pages, const PdfOptions& options, int threads)
        : m_pages(pages), m_options(options), m_slots(pages.size()), m_window(std::max(2, threads * 2))
    {
        for (int i = 0; i < threads; ++i)
            m_workers.emplace_back([this] {
                if (m_options.ocr)
                    RecognizeOnePageAThread();
                work();
            });
    }

    ~PagePipeline()
    {
        stop();
        for (std::thread& worker : m_workers)
            worker.join();
    }

    // Waits for page index (taken in order, 0-based) and hands it over.
    PreparedPage take(std::size_t index)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_slots[index].has_value(); });
        PreparedPage page = std::move(*m_slots[index]);
        m_slots[index].reset();
        m_taken = index + 1;
        m_room.notify_all();
        return page;
    }

    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_room.notify_all();
    }

private:
    void work()
    {
        std::unique_ptr<TextRecognizer> recognizer;
        for (;;) {
            std::size_t index = 0;
            {
                std::unique_lock lock(m_mutex);
                m_room.wait(lock, [&] { return m_stopped || m_next < std::min(m_slots.size(), m_taken + m_window); });
                if (m_stopped || m_next >= m_slots.size())
                    return;
                index = m_next++;
            }
            PreparedPage page;
            try {
                page = prepare(m_pages[index], &recognizer);
            } catch (...) {
                page.failure = std::current_exception();
            }
            std::lock_guard lock(m_mutex);
            m_slots[index] = std::move(page);
            m_ready.notify_all();
        }
    }

    PreparedPage prepare(const PdfPageRef& ref, std::unique_ptr<TextRecognizer>* recognizer)
    {
        PreparedPage page;
        page.image = StoredPageImage(ref);
        if (!m_options.ocr)
            return page;
        engine::Image decoded;
        try {
            decoded = engine::LoadPage(ref.path, ref.page);
        } catch (const EngineError& e) {
            throw EngineError(e.number(), msg::pageUnreadable(ref.path, ref.page, e.description()));
        }
        if (!*recognizer)
            *recognizer = std::make_unique<TextRecognizer>(m_options.languages);
        const int dpi = int(std::lround(page.image.yDpi));
        page.text = (*recognizer)->textOnlyPage(decoded.pix(), dpi);
        if (page.text.isEmpty())
            throw EngineError(engine::ErrOperation, msg::recognitionFailed(ref.path, ref.page));
        return page;
    }

    const std::vector<PdfPageRef>& m_pages;
    const PdfOptions& m_options;
    std::mutex m_mutex;
    std::condition_variable m_ready;  // a page became ready
    std::condition_variable m_room;   // the writer took a page, or the work stopped
    std::vector<std::optional<PreparedPage>> m_slots;
    std::size_t m_next = 0;
    std::size_t m_taken = 0;
    std::size_t m_window;
    bool m_stopped = false;
    std::vector<std::thread> m_workers;
};

int ThreadsFor(const PdfOptions& options, std::size_t pages)
{
    const int cores = std::max(1, QThread::idealThreadCount());
    const int wanted = options.threads > 0 ? options.threads : cores;
    return int(std::clamp<std::size_t>(std::size_t(wanted), 1, pages));
}

}  // namespace

PdfOutcome WritePdf(const std::vector<PdfPageRef>& pages, const QString& target, const PdfOptions& options,
                    const PdfProgress& progress)
{
    if (pages.empty())
        throw EngineError(engine::ErrInvalidArgument, msg::noPages());
    if (options.ocr) {
        const QString missing = MissingLanguageMessage(options.languages);
        if (!missing.isEmpty())
            throw EngineError(engine::ErrUnsupported, missing);
    }
    // The target is claimed before any page is read: a target that cannot be written is reported
    // at once, not after the pages are recognised.
    engine::AtomicFile file(target);
    const int threads = ThreadsFor(options, pages.size());

    PdfAssembler assembler;
    {
        PagePipeline pipeline(pages, options, threads);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            PreparedPage page = pipeline.take(i);
            if (page.failure)
                std::rethrow_exception(page.failure);
            assembler.addPage(page.image, page.text);
            if (progress && !progress(int(i + 1), int(pages.size())))
                return PdfOutcome::Cancelled;
        }
    }
    DocumentInfo info;
    info.title = options.title.isEmpty() ? QFileInfo(target).completeBaseName() : options.title;
    info.created = options.created.isValid() ? options.created : QDateTime::currentDateTime();
    info.archival = options.pdfa;
    assembler.write(file.descriptor(), target, info);
    file.commit();
    return PdfOutcome::Written;
}

}  // namespace scanvo::pdf
