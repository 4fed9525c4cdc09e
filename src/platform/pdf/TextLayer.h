#pragma once
// TextLayer: Tesseract recognising pages into text-only PDF pages, whose invisible words are laid
// over the image pages of the export. One TextRecognizer serves one thread.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

struct Pix;
namespace tesseract {
class TessBaseAPI;
}

namespace scanvo::pdf {

// Where Tesseract's language data lives: $TESSDATA_PREFIX, else Debian's folder.
QString TessdataDirectory();

class TextRecognizer {
public:
    // Loads the languages ("eng+chi_sim"). Throws engine::EngineError (ErrUnsupported) naming the
    // package to install when one is missing.
    explicit TextRecognizer(const QString& languages);
    ~TextRecognizer();
    TextRecognizer(const TextRecognizer&) = delete;
    TextRecognizer& operator=(const TextRecognizer&) = delete;

    // A one-page PDF holding only the page's words as invisible text, sized as pix at dpi.
    // Returns an empty array when recognition fails.
    QByteArray textOnlyPage(Pix* pix, int dpi);

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    QTemporaryDir m_scratch;  // Tesseract's renderer writes files only
    int m_pages = 0;
};

// Keeps the recognitions of the calling thread on that thread. Pages are recognised in parallel
// already; the recogniser's own parallel sections would compete with them for the same cores, and
// their threads spin while they wait, which on a busy machine costs more than they gain. Called on
// each recognising thread before its first page.
void RecognizeOnePageAThread();

}  // namespace scanvo::pdf
