// The pages and target of an export.
#include "control/ExportPages.h"

#include "control/ExportTexts.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "document/DocumentLocation.h"
#include "document/FileList.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QFileInfo>

namespace scanvo {

namespace {

QList<int> RowsToExport(const FileListView& list)
{
    QList<int> rows = list.checkedRows();
    if (rows.isEmpty()) {
        for (int row = 0; row < list.count(); ++row)
            rows.append(row);
    }
    return rows;
}

}  // namespace

QList<ExportItem> PlanExport(const ControlProperties& props, const ChildWidgets& widgets)
{
    QList<ExportItem> items;
    const QString multiPageFile = DocumentPattern(props);
    for (const int row : RowsToExport(*widgets.lvwFileList)) {
        switch (props.m_DocType) {
        case DocTypeMultiPageTiff: items.append({multiPageFile, row + 1}); break;
        case DocTypeSinglePageTiff:
        case DocTypeSinglePageJpeg: items.append({widgets.lvwFileList->key(row), 1}); break;
        default: items.append({widgets.lvwFileList->key(row), 0}); break;
        }
    }
    return items;
}

std::vector<pdf::PdfPageRef> ExportPageRefs(const QList<ExportItem>& items)
{
    std::vector<pdf::PdfPageRef> pages;
    for (const ExportItem& item : items) {
        if (item.page > 0) {
            pages.push_back({item.path, item.page});
            continue;
        }
        const int count = engine::PageCount(item.path);
        for (int page = 1; page <= count; ++page)
            pages.push_back({item.path, page});
    }
    return pages;
}

QString ExportTitle(const ControlProperties& props)
{
    return QFileInfo(DocumentDirectoryPath(props.m_LocalPath, props.m_DocName)).fileName();
}

QString DefaultExportTarget(const ControlProperties& props)
{
    const QFileInfo document(DocumentDirectoryPath(props.m_LocalPath, props.m_DocName));
    const QFileInfo parent(document.absolutePath());
    const QString directory = parent.isDir() && parent.isWritable() ? parent.absoluteFilePath() : QDir::homePath();
    return directory + u'/' + document.fileName() + export_texts::kPdfExtension;
}

}  // namespace scanvo
