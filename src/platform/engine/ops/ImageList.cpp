// The image list.
#include "platform/engine/ops/ImageList.h"

#include "platform/engine/EngineError.h"

#include <QCoreApplication>

namespace scanvo::engine::ops {

namespace {

void CheckIndex(int i, int count)
{
    if (i < 0 || i >= count)
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "图像列表序号无效：%1").arg(i));
}

}  // namespace

const Image& ImageList::at(int i) const
{
    CheckIndex(i, count());
    return m_images[static_cast<size_t>(i)];
}

Image ImageList::take(int i)
{
    CheckIndex(i, count());
    Image image = std::move(m_images[static_cast<size_t>(i)]);
    m_images.erase(m_images.begin() + i);
    return image;
}

void ImageList::remove(int i, int n)
{
    CheckIndex(i, count());
    if (n < 0 || i + n > count())
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "图像列表范围无效：%1 + %2").arg(i).arg(n));
    m_images.erase(m_images.begin() + i, m_images.begin() + i + n);
}

}  // namespace scanvo::engine::ops
