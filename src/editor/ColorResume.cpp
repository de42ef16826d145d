#include "editor/ColorResume.h"

#include <algorithm>

void ColorResume::reset(std::vector<int> points, std::uint64_t generation) {
    points_ = std::move(points);
    generation_ = generation;
}

std::optional<ColorPassResult> ColorResume::recolour(const ColorPass& pass, std::string_view text,
                                                     TextChange change) {
    const int from = resumeBefore(change.start);
    const int shift = change.inserted - change.removed;
    const int editEnd = change.start + change.inserted;
    auto meetsOldScan = [this, shift, editEnd](int position) {
        return position >= editEnd &&
               std::binary_search(points_.begin(), points_.end(), position - shift);
    };
    std::optional<ColorPassResult> region = pass.runFrom(text, from, MaxRegion, meetsOldScan);
    if (!region) {
        forget();
        return std::nullopt;
    }
    const bool resynced = region->regionEnd() < static_cast<int>(text.size());
    splice(from, *region, change, resynced);
    return region;
}

// The scan of the unchanged bytes before offset is the old one: the last
// point at or before it (or the start of the text) is where it resumes.
int ColorResume::resumeBefore(int offset) const {
    auto after = std::upper_bound(points_.begin(), points_.end(), offset);
    return after == points_.begin() ? 0 : *(after - 1);
}

// Old points up to from, the region's new ones, then the old ones after the
// point where the region met the old scan, moved by the edit.
void ColorResume::splice(int from, const ColorPassResult& region, TextChange change,
                         bool resynced) {
    const int shift = change.inserted - change.removed;
    auto keptEnd = std::upper_bound(points_.begin(), points_.end(), from);
    auto tailStart = resynced ? std::upper_bound(keptEnd, points_.end(), region.regionEnd() - shift)
                              : points_.end();
    for (auto point = tailStart; point != points_.end(); ++point)
        *point += shift;
    keptEnd = points_.erase(keptEnd, tailStart);
    points_.insert(keptEnd, region.resumePoints.begin(), region.resumePoints.end());
}
