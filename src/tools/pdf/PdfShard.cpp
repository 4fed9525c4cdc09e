// Documents as shard items and records.
#include "tools/pdf/PdfShard.h"

#include <QFileInfo>

#include <algorithm>

namespace scanvo::pdftool {

std::vector<tools::ShardItem> ShardItemsOf(const std::vector<tools::PdfDocument>& documents)
{
    std::vector<tools::ShardItem> items(documents.size());
    std::ranges::transform(documents, items.begin(), [](const tools::PdfDocument& document) {
        return tools::ShardItem{QFileInfo(document.target).fileName(), document.input, document.target,
                                document.files + QStringList{document.input}, document.problem.isEmpty()};
    });
    return items;
}

tools::RecordEntry RecordOf(const tools::PdfDocument& document, const tools::DocumentOutcome& outcome)
{
    return tools::WrittenOrFailed(document.input, document.target, outcome.pages, outcome.seconds, outcome.error);
}

}  // namespace scanvo::pdftool
