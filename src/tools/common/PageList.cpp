// Listing the pages of files.
#include "tools/common/PageList.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <algorithm>

namespace scanvo::tools {

PageList ListPages(const QStringList& files)
{
    PageList list;
    for (const QString& file : files) {
        const engine::PageInventory inventory = engine::InspectPages(file);
        if (inventory.damaged)
            throw engine::EngineError(engine::ErrFileRead, inventory.damage);
        for (int page = 1; page <= inventory.readablePages; ++page)
            list.pages.push_back({file, page});
        list.fileEnds.push_back(int(list.pages.size()));
    }
    return list;
}

int FilesDone(const PageList& list, int pagesDone)
{
    return int(std::upper_bound(list.fileEnds.begin(), list.fileEnds.end(), pagesDone) - list.fileEnds.begin());
}

}  // namespace scanvo::tools
