// Loading, cleaning and writing the pages of one file.
#include "tools/clean/FileCleaner.h"

#include "core/CaughtFailure.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "tools/clean/PageCleaner.h"

#include <QCoreApplication>

namespace scanvo::clean {

namespace {

// The format a cleaned page is written in: the one it was read in, except that a page made
// black and white from grey or colour in a TIFF file goes to CCITT G4, which is lossless and far
// smaller than anything else for 1 bit. A JPEG file stays JPEG (as grey).
int FormatOfCleanedPage(const engine::Image& page, int loadFormat, int depthBefore)
{
    if (page.depth() == 1 && depthBefore != 1 && !engine::IsJpegFileFormat(loadFormat))
        return engine::FormatTiffG4;
    return loadFormat;
}

class PageRun {
public:
    PageRun(const FileJob& job, FileOutcome& outcome, std::atomic<int>* pagesDone)
        : m_job(job), m_outcome(outcome), m_pagesDone(pagesDone)
    {
    }
    engine::Image cleaned(const QString& path, int page)
    {
        engine::Image image = engine::LoadPage(path, page);
        const int loadFormat = image.loadFormat();
        const int depthBefore = image.depth();
        if (loadFormat == engine::FormatNone)
            throw engine::EngineError(engine::ErrUnsupported, QCoreApplication::translate("ToolTexts",
                "not a TIFF or JPEG file"));
        if (CleanPage(image, m_job.steps, m_job.settings).filtersSkipped)
            ++m_outcome.filtersSkipped;
        image.setLoadFormat(FormatOfCleanedPage(image, loadFormat, depthBefore));
        return image;
    }
    void finished()
    {
        ++m_outcome.pages;
        if (m_pagesDone)
            ++*m_pagesDone;
    }

private:
    const FileJob& m_job;
    FileOutcome& m_outcome;
    std::atomic<int>* m_pagesDone;
};

// The pages of a TIFF file, first already cleaned, into one new TIFF file.
void WriteTiff(const CleanTarget& target, const engine::Image& first, int pageCount, PageRun& run, const FileJob& job)
{
    engine::TiffPageWriter writer(target.result, pageCount);
    const auto add = [&](const engine::Image& image) {
        const int format = image.loadFormat();
        writer.add(image, format, 0, engine::IsJpegFileFormat(format) ? job.jpegQualityFactor : 128);
        run.finished();
    };
    add(first);
    for (int page = 2; page <= pageCount; ++page)
        add(run.cleaned(target.source, page));
    writer.commit();
}

void WriteJpeg(const CleanTarget& target, const engine::Image& page, PageRun& run, const FileJob& job)
{
    engine::SaveOptions options;
    options.format = page.loadFormat();
    options.quality = job.jpegQualityFactor;
    engine::SavePage(page, target.result, options);
    run.finished();
}

}  // namespace

FileOutcome CleanFile(const CleanTarget& target, const FileJob& job, std::atomic<int>* pagesDone)
{
    FileOutcome outcome;
    if (!target.problem.isEmpty()) {
        outcome.error = target.problem;
        return outcome;
    }
    PageRun run(job, outcome, pagesDone);
    try {
        const engine::PageInventory inventory = engine::InspectPages(target.source);
        if (inventory.damaged) {
            outcome.error = inventory.damage;
            return outcome;
        }
        const engine::Image first = run.cleaned(target.source, 1);
        if (engine::IsJpegFileFormat(first.loadFormat()))
            WriteJpeg(target, first, run, job);
        else
            WriteTiff(target, first, inventory.readablePages, run, job);
    } catch (...) {
        outcome.error = CaughtFailure(engine::ErrOperation).description;
        outcome.pages = 0;
    }
    return outcome;
}

}  // namespace scanvo::clean
