#pragma once
// The widest page a stored coding without a known limit of its own may decode to from the bytes
// it has: this much whatever the data, and beyond that one stored byte per kUnboundedExpansion
// decoded ones. A few bytes claiming a huge page are damage, refused before memory is taken.

#include <cstdint>

namespace scanvo::engine {

inline constexpr std::uint64_t kUnboundedFloor = std::uint64_t(64) << 20;
inline constexpr std::uint64_t kUnboundedExpansion = 32768;

constexpr bool UnboundedCodingCanFill(std::uint64_t decodedBytes, std::uint64_t storedBytes)
{
    return decodedBytes <= kUnboundedFloor + storedBytes * kUnboundedExpansion;
}

}  // namespace scanvo::engine
