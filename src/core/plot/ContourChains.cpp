#include "plot/ContourChains.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

namespace ruvo {

namespace {
// Points compare by their bits: equal points are equal bit for bit here, and
// bits order every value, NaN included.
using PointKey = std::pair<std::uint64_t, std::uint64_t>;
PointKey key_of(QPointF p) { return {std::bit_cast<std::uint64_t>(p.x()), std::bit_cast<std::uint64_t>(p.y())}; }
}  // namespace

std::vector<ContourChain> join_segments(const std::vector<ContourSegment>& segments) {
    // End 2s is point a of segment s, end 2s + 1 its point b. Sorted by point,
    // the ends that meet lie next to each other.
    const std::size_t end_count = 2 * segments.size();
    auto point_of = [&](std::size_t end) { return end % 2 == 0 ? segments[end / 2].a : segments[end / 2].b; };
    std::vector<std::size_t> by_point(end_count);
    std::iota(by_point.begin(), by_point.end(), 0);
    std::sort(by_point.begin(), by_point.end(),
              [&](std::size_t l, std::size_t r) { return key_of(point_of(l)) < key_of(point_of(r)); });
    std::vector<std::size_t> first_at_point(end_count);  // of each end: where its point starts in by_point
    for (std::size_t k = 0; k < end_count; ++k) {
        const bool same = k > 0 && key_of(point_of(by_point[k])) == key_of(point_of(by_point[k - 1]));
        first_at_point[by_point[k]] = same ? first_at_point[by_point[k - 1]] : k;
    }

    std::vector<bool> used(segments.size(), false);
    // The end of a segment not yet in a chain that meets `end`.
    auto unused_end_meeting = [&](std::size_t end) -> std::optional<std::size_t> {
        const PointKey key = key_of(point_of(end));
        for (std::size_t k = first_at_point[end]; k < end_count && key_of(point_of(by_point[k])) == key; ++k) {
            if (!used[by_point[k] / 2]) return by_point[k];
        }
        return std::nullopt;
    };
    // Appends the points of the segments that follow on from `end`.
    auto extend = [&](std::size_t end, ContourChain& chain) {
        while (const std::optional<std::size_t> met = unused_end_meeting(end)) {
            used[*met / 2] = true;
            end = *met ^ 1;  // the other end of that segment
            chain.push_back(point_of(end));
        }
    };

    std::vector<ContourChain> chains;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        if (used[s]) continue;
        used[s] = true;
        ContourChain before{segments[s].a};
        extend(2 * s, before);
        ContourChain chain(before.rbegin(), before.rend());
        chain.push_back(segments[s].b);
        extend(2 * s + 1, chain);
        chains.push_back(std::move(chain));
    }
    return chains;
}

}  // namespace ruvo
