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
    // What another thread needs to open a handle of its own on the file this handle reads, at its
    // current page, without touching this handle again: a duplicate of the descriptor (so the same
    // file even when its path has been replaced or removed since), closed with the object.
    class Reopening {
    public:
        Reopening() = default;
        Reopening(Reopening&& other) noexcept;
        Reopening& operator=(Reopening&& other) = delete;
        ~Reopening();

    private:
        friend class TiffFile;
        int m_fd = -1;
        QString m_path;
        std::uint64_t m_page = 0;  // offset of the page's directory
        std::uint64_t m_size = 0;
    };
    // Throws EngineError when the descriptor cannot be duplicated.
    Reopening reopening() const;
    // A handle on the file and page from describes; messages name the same path as the original.
    // Finding the page again walks the file's chain of pages from the start. Throws EngineError
    // when the file cannot be opened or the page read.
    static TiffFile reopenRead(const Reopening& from);
    // Creates (truncates) path for writing; bigTiff selects the 64-bit offset variant.
    static TiffFile openWrite(const QString& path, bool bigTiff = false);
    // Writes into the open, empty file fd through a duplicate of it (the caller keeps fd). Messages
    // and errors name shownAs: the document a temporary file is written for.
    static TiffFile openWrite(int fd, const QString& shownAs, bool bigTiff = false);

    // libtiff's client procedures: a handle over input and output the caller provides.
    struct ClientIo {
        thandle_t handle = nullptr;  // must outlive the TiffFile
        TIFFReadWriteProc read = nullptr;
        TIFFReadWriteProc write = nullptr;
        TIFFSeekProc seek = nullptr;
        TIFFCloseProc close = nullptr;
        TIFFSizeProc size = nullptr;
    };
    // Opens a handle over io in mode ("r", "a", ...); messages and errors name shownAs. Throws
    // EngineError when libtiff does not take the file.
    static TiffFile openClient(const ClientIo& io, const QString& shownAs, const char* mode);

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
    std::uint64_t m_size = 0;
    std::unique_ptr<Messages> m_messages;  // on the heap: libtiff keeps its address
};

}  // namespace scanvo::engine
