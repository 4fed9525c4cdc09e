#pragma once
// PdfAssembler: builds the PDF document page by page and writes it out. Each page shows one image
// at its size from its resolution, optionally with a text-only page laid over it. Image data waits
// in a spool file until the document is written, so a long document does not sit in memory.

#include "platform/pdf/PdfImage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QPDF;

namespace scanvo::pdf {

struct DocumentInfo {
    QString title;
    QDateTime created;
    bool archival = false;  // PDF/A-2b
};

class PdfAssembler {
public:
    PdfAssembler();
    ~PdfAssembler();
    PdfAssembler(const PdfAssembler&) = delete;
    PdfAssembler& operator=(const PdfAssembler&) = delete;

    // Adds a page showing image; textPdf, when not empty, is a one-page PDF whose content is laid over
    // the image, scaled to the page.
    void addPage(const PdfImage& image, const QByteArray& textPdf = {});
    int pageCount() const noexcept { return m_pages; }
    // Writes the document into the open, empty file fd (the caller keeps fd). Messages name shownAs.
    // Throws engine::EngineError (ErrFileWrite) when the file cannot be written.
    void write(int fd, const QString& shownAs, const DocumentInfo& info);

private:
    class Spool;
    struct TextSource;
    std::unique_ptr<QPDF> m_pdf;
    std::shared_ptr<Spool> m_spool;
    std::vector<std::unique_ptr<TextSource>> m_textSources;  // copied text pages read from these at write time
    int m_pages = 0;
};

}  // namespace scanvo::pdf
