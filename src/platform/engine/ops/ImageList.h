#pragma once
// An ordered list of page images (undo and redo stacks, scratch lists). Entries are copies.

#include "platform/engine/Image.h"

#include <vector>

namespace scanvo::engine::ops {

class ImageList {
public:
    int count() const { return static_cast<int>(m_images.size()); }
    bool isEmpty() const { return m_images.empty(); }
    // Appends a copy of image.
    void append(const Image& image) { m_images.push_back(image); }
    void append(Image&& image) { m_images.push_back(std::move(image)); }
    // Entry i (0-based); throws ErrInvalidArgument outside the list.
    const Image& at(int i) const;
    // Removes entry i and hands it over.
    Image take(int i);
    // Removes count entries from i on.
    void remove(int i, int count = 1);
    void clear() { m_images.clear(); }

private:
    std::vector<Image> m_images;
};

}  // namespace scanvo::engine::ops
