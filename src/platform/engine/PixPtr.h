#pragma once
// PixPtr: a Leptonica PIX owned for the length of a scope inside the engine's own sources.

#include <leptonica/allheaders.h>

#include <memory>

namespace scanvo::engine {

struct PixDeleter {
    void operator()(Pix* pix) const noexcept { pixDestroy(&pix); }
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;

}  // namespace scanvo::engine
