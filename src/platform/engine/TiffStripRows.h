#pragma once
// Decoding a page stored in strips of contiguous rows straight into the lines of a Leptonica
// image. A large page of several strips is shared with a helper thread: strips are handed out in
// order to whichever thread asks next, each thread reading through a handle of its own on the same
// open file.

#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <cstdint>

namespace scanvo::engine {

class TiffFile;

// How each decoded row is left: as the file orders its bytes, or in Leptonica's native 32-bit words.
enum class RowOrder { File, NativeWords };

// Fills every line of pix (allocated without being cleared) from the current page of file, keeping
// rowBytes bytes of each decoded row; the caller knows what they mean. Memory is taken as rows
// arrive, so a page whose data breaks off early costs little more than what was read. Throws the
// EngineError of the first strip, in page order, that fails to decode: the same failure a reading
// from top to bottom meets first.
void ReadStripRows(const TiffFile& file, Pix* pix, tmsize_t rowBytes, RowOrder order);

// Strips decoded by helpers since the process started: how much of the reading was shared, for
// tests and benchmarks.
std::uint64_t StripsReadByHelpers();

}  // namespace scanvo::engine
