#pragma once
// PdfExport: a document's pages as one PDF file, optionally searchable (an invisible text layer
// recognised by Tesseract) and optionally PDF/A-2b. Pages go in as they are stored where PDF can
// hold that coding (CCITT G4 as its fax data, JPEG as its DCT data); other pages are compressed
// losslessly. The file is written through AtomicFile: a failed or cancelled export leaves nothing
// under the target's name (and whatever file was there stays as it was).

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace scanvo::pdf {

// One page of the export: page `page` (1-based) of the TIFF or JPEG file `path`.
struct PdfPageRef {
    QString path;
    int page = 1;
};

struct PdfOptions {
    bool ocr = false;                          // add the invisible text layer
    QString languages = QStringLiteral("eng");  // Tesseract languages joined by '+': "eng+chi_sim"
    bool pdfa = false;                         // PDF/A-2b: XMP declaration, sRGB output intent
    QString title;                             // Info and XMP title; empty: the target's base name
    QDateTime created;                         // creation date; invalid: the time of the export
    int threads = 0;                           // pages prepared and recognised at once; 0: one per core
};

// Called on the exporting thread after each finished page, with the pages done so far and the
// total. Returning false cancels the export: nothing is written.
using PdfProgress = std::function<bool(int pagesDone, int pageCount)>;

enum class PdfOutcome { Written, Cancelled };

// Writes pages, in order, into target. Throws engine::EngineError:
// - ErrFileRead / ErrFileNotFound naming the file and page of a page that cannot be read (the
//   export stops at it);
// - ErrUnsupported when a recognition language is not installed (MissingLanguageMessage's text);
// - ErrFileWrite when target cannot be written;
// - ErrInvalidArgument for an empty page list.
PdfOutcome WritePdf(const std::vector<PdfPageRef>& pages, const QString& target, const PdfOptions& options,
                    const PdfProgress& progress = {});

// Empty when every language of `languages` ("eng+chi_sim") is installed for Tesseract; otherwise a
// message naming the Debian package to install for the first missing one.
QString MissingLanguageMessage(const QString& languages);
// The Debian package that holds a Tesseract language: "chi_sim" -> "tesseract-ocr-chi-sim".
QString LanguagePackage(const QString& language);

}  // namespace scanvo::pdf
