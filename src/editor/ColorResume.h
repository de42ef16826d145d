#pragma once

#include "editor/ColorPass.h"
#include "editor/ColorPassResult.h"
#include "editor/TextChange.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Recolouring after one edit without colouring the whole text again. A
// whole-file pass leaves the places where its scan stood between tags with
// colouring on; after an edit the scan restarts at the last of them before
// the edit and stops as soon as it stands on one of them again (moved by
// the edit), because from there on it would repeat the earlier pass. The
// colours come out exactly as a whole-file pass would make them.
class ColorResume {
public:
    // A recoloured region longer than this is left to a whole-file pass on
    // the colouring thread.
    static constexpr int MaxRegion = 256 * 1024;

    // The points of a whole-file pass over the text of generation.
    void reset(std::vector<int> points, std::uint64_t generation);
    void forget() { generation_.reset(); }
    // The points describe the text of generation.
    bool follows(std::uint64_t generation) const { return generation_ == generation; }
    void setGeneration(std::uint64_t generation) { generation_ = generation; }

    // Colours what change altered in text, which must be the text the points
    // describe with that one change made. Empty (and the points forgotten)
    // when the region would be too long; the caller colours the whole file.
    std::optional<ColorPassResult> recolour(const ColorPass& pass, std::string_view text,
                                            TextChange change);

    const std::vector<int>& points() const { return points_; }

private:
    int resumeBefore(int offset) const;
    void splice(int from, const ColorPassResult& region, TextChange change, bool resynced);

    std::vector<int> points_;
    std::optional<std::uint64_t> generation_;
};
