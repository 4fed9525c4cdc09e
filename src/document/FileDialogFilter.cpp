#include "document/FileDialogFilter.h"

#include "core/DocumentType.h"
#include "document/FileOperationTexts.h"

namespace scanvo {

namespace T = file_operation_texts;

QString FileDialogFilter(qint16 docType)
{
    switch (docType) {
    case DocTypeMultiPageTiff:
    case DocTypeSinglePageTiff:
        return T::kFilterTiff.section(u'|', 0, 0) + QStringLiteral(" (*.tif *.tiff *.TIF *.TIFF)");
    case DocTypeSinglePageJpeg:
        return T::kFilterJpeg.section(u'|', 0, 0) + QStringLiteral(" (*.jpg *.jpeg *.JPG *.JPEG)");
    default:
        return T::kFilterAll.section(u'|', 0, 0) + QStringLiteral(" (*.jpg *.tif *.JPG *.TIF)");
    }
}

}  // namespace scanvo
