// The page edits, in place or copying the other pages as stored: append, insert, replace and
// delete on any bytes taken for a multi-page TIFF. The first input byte chooses the edit and its page. An edit
// either succeeds, leaving a file whose pages all have directories, or fails with an EngineError
// and leaves the file byte for byte as it was.
#include "FuzzSupport.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <cstddef>
#include <cstdint>

using namespace scanvo::engine;

namespace {

const Image& newPage()
{
    static const Image page = Image::create(24, 16, 1, 200, 200);
    return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int choice = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString path = scanvofuzz::WriteScratch(QStringLiteral("document.tif"), bytes);
    const int page = 1 + (choice >> 3) % 4;
    const bool drop = (choice & 0x80) != 0;
    int expected = 0;
    try {
        const PageInventory before = InspectPages(path);
        SaveOptions options;
        options.format = (choice & 4) ? FormatTiffLzw : FormatTiffG4;
        options.page = page;
        options.dropUnreadablePages = drop;
        switch (choice & 3) {
        case 0:
            options.mode = SaveAppend;
            expected = before.readablePages + 1;
            SavePage(newPage(), path, options);
            break;
        case 1:
            options.mode = SaveInsert;
            expected = before.readablePages + 1;
            SavePage(newPage(), path, options);
            break;
        case 2:
            options.mode = SaveReplace;
            expected = before.readablePages;
            SavePage(newPage(), path, options);
            break;
        default:
            expected = before.readablePages - 1;
            DeletePage(path, page, drop);
            break;
        }
    } catch (const EngineError&) {
        if (scanvofuzz::ReadFile(path) != bytes)
            scanvofuzz::Violated("a failed edit changed the file");
        return 0;
    }
    int error = 0;
    if (PageCountOrError(path, &error) != expected || error != 0)
        scanvofuzz::Violated("an edit left a file without the pages it should hold");
    return 0;
}
