#pragma once
// Owners of Leptonica's handles for the length of a scope inside the engine's own sources: every
// PIX, BOX, BOXA, PIXA, NUMA and SEL the engine creates is destroyed by one of these.

#include <leptonica/allheaders.h>

#include <memory>

namespace scanvo::engine {

struct PixDeleter {
    void operator()(Pix* pix) const noexcept { pixDestroy(&pix); }
};
struct BoxDeleter {
    void operator()(Box* box) const noexcept { boxDestroy(&box); }
};
struct BoxaDeleter {
    void operator()(Boxa* boxes) const noexcept { boxaDestroy(&boxes); }
};
struct PixaDeleter {
    void operator()(Pixa* pixes) const noexcept { pixaDestroy(&pixes); }
};
struct NumaDeleter {
    void operator()(Numa* numbers) const noexcept { numaDestroy(&numbers); }
};
struct SelDeleter {
    void operator()(Sel* sel) const noexcept { selDestroy(&sel); }
};

using PixPtr = std::unique_ptr<Pix, PixDeleter>;
using BoxPtr = std::unique_ptr<Box, BoxDeleter>;
using BoxaPtr = std::unique_ptr<Boxa, BoxaDeleter>;
using PixaPtr = std::unique_ptr<Pixa, PixaDeleter>;
using NumaPtr = std::unique_ptr<Numa, NumaDeleter>;
using SelPtr = std::unique_ptr<Sel, SelDeleter>;

}  // namespace scanvo::engine
