#include "editor/ChangedBytes.h"

#include <algorithm>

void ChangedBytes::edited(int start, int removed, int inserted, bool linesMoved) {
    if (span_ && span_->end > start) {
        // The older span's end moves with the bytes after the edit.
        span_->end = std::max(start + inserted, span_->end - removed + inserted);
    }
    widen(start, start + inserted);
    span_->linesMoved = span_->linesMoved || linesMoved;
    span_->edited = true;
}

void ChangedBytes::touched(int start, int end) {
    if (start < end)
        widen(start, end);
}

std::optional<ChangedBytes::Span> ChangedBytes::take() {
    std::optional<Span> taken = span_;
    span_.reset();
    return taken;
}

void ChangedBytes::widen(int start, int end) {
    if (!span_) {
        span_ = Span{start, end, false, false};
        return;
    }
    span_->start = std::min(span_->start, start);
    span_->end = std::max(span_->end, end);
}
