#pragma once
// Page files: TIFF (single- and multi-page, every compression of the format codes) and JPEG.
// Every write goes to a temporary file beside the target, is flushed, and is renamed over it, so a
// failed write leaves the original file byte for byte as it was.

#include "platform/engine/Image.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace scanvo::engine {

// Save modes. Every save over an existing file, and DeletePage, fails with ErrFileWrite naming the
// file when the file or its directory is write-protected (IsWriteProtected in AtomicFile.h).
enum SaveMode : int {
    SaveNew = 0,      // write a new single-image file (overwriting any file there)
    SaveAppend = 1,   // append the page at the end of a multi-page TIFF
    SaveReplace = 2,  // replace page n of a multi-page TIFF
    SaveInsert = 3,   // insert the page before page n of a multi-page TIFF
};

struct SaveOptions {
    int format = FormatTiffG4;  // engine format code
    int bits = 0;               // bits per pixel to write: 1, 8 or 24; 0 = the image's own depth
    int quality = 128;          // quality factor, 0 best ... 255 smallest
    int mode = SaveNew;
    int page = 1;               // 1-based save-page number for SaveReplace and SaveInsert
    // A multi-page file whose later pages cannot be read (see InspectPages) is written over only
    // when this is set: the caller has told the user that those pages are lost. The new file then
    // holds the readable pages (with the edit). Unset, such a save fails with ErrDamagedPages.
    bool dropUnreadablePages = false;
};

// What a page file holds: the pages that can be read and whether more of it is lost to damage.
struct PageInventory {
    int readablePages = 0;  // pages 1 .. readablePages can be loaded, as far as their directories go
    bool damaged = false;   // the chain of pages breaks off after readablePages
    QString damage;         // when damaged: a description naming the file, to show the user once
};

// JPEG quality 1..100 for a quality factor: clamp(round((250 - qf) / 2.5), 1, 100).
int JpegQualityForFactor(int qualityFactor);

// Number of pages of an image file (1 for JPEG). A multi-page TIFF whose chain of pages breaks
// off is damaged: throws EngineError (ErrFileRead), as for any unreadable file.
int PageCount(const QString& path);
// The readable pages of an image file, for a multi-page TIFF whose chain of pages breaks off too
// (a file cut short after page k still shows pages 1 .. k). Throws EngineError when not even the
// first page can be found.
PageInventory InspectPages(const QString& path);
// Loads page n (1-based); in a damaged file any of the readable pages. The image's loadFormat()
// tells how the page is stored. Throws EngineError.
Image LoadPage(const QString& path, int page = 1);
// A page loaded for display: its pixels, reduced by a whole factor where the file's codec decodes
// them so for less work, and the size of the page as stored.
struct ScaledPage {
    Image image;      // the page, or a reduced copy of it with its depth, resolution and format code
    QSize pageSize;   // the page as stored
    bool isReduced() const { return image.width() != pageSize.width() || image.height() != pageSize.height(); }
};
// The scale (1: the page's own pixels) at which a page of the given stored size will be shown.
using DisplayScale = std::function<double(QSize pageSize)>;
// Loads page n as LoadPage does, but decodes a JPEG file or a JPEG-in-TIFF page (each strip on its
// own, the bands stacked) at the smallest of 1/2, 1/4 and 1/8 of its size that still holds
// scaleFor(its size) of its pixels on both sides. Every other page is loaded whole. Throws
// EngineError.
ScaledPage LoadPageScaled(const QString& path, int page, const DisplayScale& scaleFor);
// Saves image to path as options say. The depth written is options.bits (0: the image's own),
// except that CCITT codings always write 1 bit (grey and colour thresholded) and JPEG 8 or 24.
// Appending to, or inserting before page 1 of, a file that does not exist yet creates it; the
// other pages of a multi-page TIFF keep their compressed data. JPEG files hold one page: their
// codes take mode 0, or mode 2 at page 1 over a JPEG file. Throws EngineError.
void SavePage(const Image& image, const QString& path, const SaveOptions& options);
// Deletes page n (1-based) of a multi-page TIFF; the other pages keep their compressed data.
// The only page of a file is not deleted (a TIFF without pages is no file): delete the file.
// dropUnreadablePages as in SaveOptions.
void DeletePage(const QString& path, int page, bool dropUnreadablePages = false);
// Appending, inserting, replacing and deleting pages of a multi-page TIFF whose chain of pages is
// whole edit it in place (see TiffInPlace.h), and rewrite it whole once a quarter of it is reached
// by no page. This rewrites it whole now, leaving out every unused byte. Throws EngineError.
void CompactPageFile(const QString& path);
// A classic TIFF addresses 4 GiB; an edit that could take one past that rewrites it as BigTIFF,
// which every later edit keeps. The size that counts is settable for tests, which cannot write
// 4 GiB; returns the previous one.
std::uint64_t SetClassicTiffLimit(std::uint64_t bytes);

// Writes a new multi-page TIFF one page at a time, through a temporary file beside target: the
// target (or whatever file is there) stays as it was until commit(), and a writer destroyed
// without commit leaves nothing behind. For files too long to hold in memory at once, and for
// replacing a file in place in one step. Throws EngineError.
class TiffPageWriter {
public:
    // pageCount: the pages that will be added (their page-number tags say "n of pageCount").
    TiffPageWriter(const QString& target, int pageCount);
    ~TiffPageWriter();
    TiffPageWriter(const TiffPageWriter&) = delete;
    TiffPageWriter& operator=(const TiffPageWriter&) = delete;

    // Adds the next page as SavePage would write it with format (a TIFF code), bits and quality.
    void add(const Image& page, int format, int bits = 0, int quality = 128);
    // Adds pages first .. first + count - 1 (1-based) of the TIFF file source as they are stored,
    // without decoding them. source may be the target itself: it is read, never written, here.
    void addStoredPages(const QString& source, int first, int count);
    // Closes the file and renames it over the target; every page must have been added.
    void commit();

private:
    struct Open;
    std::unique_ptr<Open> m_open;
    QString m_target;
    int m_pageCount = 0;
    int m_added = 0;
};

// What a format code stands for.
bool IsJpegFileFormat(int format);   // a JPEG file (10, 23, 21)
bool IsBitonalFormat(int format);    // CCITT codings, which hold 1 bit per pixel only

// Failure-code mode of type detection: the page count of path, or 0 with errorNumber set (never throws).
int PageCountOrError(const QString& path, int* errorNumber);

}  // namespace scanvo::engine
