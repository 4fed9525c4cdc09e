#pragma once
// What a PDF export of the open document writes, and where it proposes to write it.

#include "core/ControlState.h"
#include "platform/pdf/PdfExport.h"

#include <QList>
#include <QString>

#include <vector>

namespace scanvo {

// One entry of the file list to export: page `page` of file `path`, or every page of it (0).
struct ExportItem {
    QString path;
    int page = 0;

    bool operator==(const ExportItem&) const = default;
};

// The checked entries of the file list when some are checked, otherwise every entry, in list
// order: pages of the one file of a multi-page document, the page of each file of a single-page
// document, every page of each file of a mixed document.
QList<ExportItem> PlanExport(const ControlProperties& props, const ChildWidgets& widgets);

// The pages of items, counting the pages of the files exported whole. Throws engine::EngineError
// for a file whose pages cannot be counted.
std::vector<pdf::PdfPageRef> ExportPageRefs(const QList<ExportItem>& items);

// The document's name: the last component of its directory.
QString ExportTitle(const ControlProperties& props);
// The document's name + ".pdf" beside the document's directory, or in the home directory when
// that cannot be written.
QString DefaultExportTarget(const ControlProperties& props);

}  // namespace scanvo
