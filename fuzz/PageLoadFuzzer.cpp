// Page count, page load and the page's PDF image stream of any bytes taken for an image file (TIFF
// or JPEG by the corpus).
// Every outcome is a page or an EngineError; a crash, a sanitizer report, a leak or a slow input
// is a finding.
#include "FuzzSupport.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/pdf/PdfImage.h"

#include <cstddef>
#include <cstdint>

using namespace scanvo::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = scanvofuzz::WriteScratch(QStringLiteral("page"),
                                                  QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    int error = 0;
    const int count = PageCountOrError(path, &error);
    try {
        const PageInventory inventory = InspectPages(path);
        if (inventory.readablePages < 1 || (error == 0 && (inventory.damaged || inventory.readablePages != count)))
            scanvofuzz::Violated("InspectPages disagrees with PageCount");
        for (int page = 1; page <= inventory.readablePages && page <= 3; ++page) {
            try {
                const Image image = LoadPage(path, page);
                if (image.isNull() || (image.depth() != 1 && image.depth() != 8 && image.depth() != 24))
                    scanvofuzz::Violated("a loaded page of no depth the engine holds");
            } catch (const EngineError&) {
            }
            try {
                const scanvo::pdf::PdfImage stream = scanvo::pdf::StoredPageImage({path, page});
                if (stream.data.isEmpty() || stream.width < 1 || stream.height < 1)
                    scanvofuzz::Violated("a PDF image stream without data or size");
            } catch (const EngineError&) {
            }
        }
    } catch (const EngineError&) {
        if (error == 0)
            scanvofuzz::Violated("a file with a page count has no readable page");
    }
    return 0;
}
