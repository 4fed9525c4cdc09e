#pragma once
// TiffFile: an owning handle of one libtiff TIFF*, closed in the destructor. Messages libtiff
// reports for the handle are kept with it (never printed), so a failure can be raised as an
// EngineError that says what libtiff found.

#include <QString>

#include <cstdint>
#include <memory>
#include <tiffio.h>

namespace scanvo::engine {

class TiffFile {
public:
    enum class Access { Mapped, Read };
    // Opens path for reading; throws EngineError when it is not a readable TIFF. Mapped suits
    // decoding pages; Read keeps a long file out of the address space while its pages are copied.
    static TiffFile openRead(const QString& path, Access access = Access::Mapped);
    // A handle of its own on the file this one reads, at its current page, for another thread: the
    // same file even when its path has been replaced or removed since. Messages name the same path.
    // Only reads what stays fixed while this handle decodes, so it may run while this one is in use.
    // Throws EngineError when the file cannot be opened again.
    TiffFile reopenRead() const;
    // Creates (truncates) path for writing; bigTiff selects the 64-bit offset variant.
    static TiffFile openWrite(const QString& path, bool bigTiff = false);
    // Writes into the open, empty file fd through a duplicate of it (the caller keeps fd). Messages
    // and errors name shownAs: the document a temporary file is written for.
    static TiffFile openWrite(int fd, const QString& shownAs, bool bigTiff = false);

    TiffFile(TiffFile&& other) noexcept;
    TiffFile& operator=(TiffFile&& other) noexcept;
    TiffFile(const TiffFile&) = delete;
    TiffFile& operator=(const TiffFile&) = delete;
    ~TiffFile();

    TIFF* get() const noexcept { return m_tif; }
    const QString& path() const noexcept { return m_messages->path; }
    // The last error libtiff reported for this handle (empty when none).
    QString lastError() const { return m_messages->lastError; }
    bool hasError() const noexcept { return !m_messages->lastError.isEmpty(); }
    void clearError() const { m_messages->lastError.clear(); }

    // Number of pages (directories); throws when the chain of directories is broken.
    int pageCount() const;
    // Number of pages whose directories can be read, counting from the first. When the chain of
    // directories breaks off after them (a file cut short, a damaged link), *damage receives what
    // libtiff reported; otherwise it is left empty.
    int readablePageCount(QString* damage) const;
    // Size in bytes of a file opened for reading, as it was when it was opened.
    std::uint64_t fileSize() const noexcept { return m_size; }
    // Makes page (0-based) the current directory; throws EngineError on failure.
    void selectPage(int index) const;
    // As selectPage, but false when there is no such page or its directory cannot be read.
    bool trySelectPage(int index) const;

    // Closes the handle, flushing what libtiff still holds; throws EngineError when that fails.
    void close();

    [[noreturn]] void failRead(const QString& what = {}) const;
    [[noreturn]] void failWrite(const QString& what = {}) const;

    struct Messages {
        QString path;
        QString lastError;
    };

private:
    TiffFile(TIFF* tif, std::unique_ptr<Messages> messages);

    TIFF* m_tif = nullptr;
    Access m_access = Access::Mapped;
    std::uint64_t m_size = 0;
    std::unique_ptr<Messages> m_messages;  // on the heap: libtiff keeps its address
};

}  // namespace scanvo::engine
