// File names by type.
#include "core/DocumentType.h"

namespace scanvo {

bool IsTiffName(const QString& name)
{
    return name.contains(QStringLiteral(".tif"), Qt::CaseInsensitive);
}

bool IsJpegName(const QString& name)
{
    return name.contains(QStringLiteral(".jpg"), Qt::CaseInsensitive);
}

}  // namespace scanvo
