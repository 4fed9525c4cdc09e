// Lately listed documents.
#include "document/ListedFiles.h"

#include "core/DocumentType.h"
#include "document/DocumentFiles.h"

#include <algorithm>
#include <vector>

namespace scanvo {

namespace {

// A reopened document and the document switched back to are the cases worth keeping.
constexpr size_t kKeptLists = 4;

struct ListedDocument {
    QString directory;
    qint16 docType = 0;
    QStringList paths;
};

// Most recently listed first.
std::vector<ListedDocument>& Listed()
{
    static std::vector<ListedDocument> listed;
    return listed;
}

}  // namespace

void RememberListedFiles(const QString& directory, qint16 docType, const QStringList& paths)
{
    std::vector<ListedDocument>& listed = Listed();
    const auto same = [&directory](const ListedDocument& d) { return d.directory == directory; };
    listed.erase(std::remove_if(listed.begin(), listed.end(), same), listed.end());
    listed.insert(listed.begin(), ListedDocument{directory, docType, paths});
    if (listed.size() > kKeptLists)
        listed.resize(kKeptLists);
}

QString ExpectedFileAt(const QString& directory, qint16 requestedType, qint16 position)
{
    for (const ListedDocument& d : Listed()) {
        if (d.directory != directory)
            continue;
        if (!IsSinglePageDocument(d.docType) || d.paths.isEmpty() ||
            (requestedType != DocTypeDetect && requestedType != d.docType))
            return {};
        return d.paths.at(OpeningPosition(position, int(d.paths.size())) - 1);
    }
    return {};
}

}  // namespace scanvo
