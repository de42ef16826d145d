#include "Selection.h"

#include <algorithm>

Selection Selection::followingEdit(int editStart, int editEnd, int newLength) const {
    if (caret <= editStart) {
        return *this;
    }
    if (start >= editEnd) {
        const int shift = newLength - (editEnd - editStart);
        return {start + shift, caret + shift};
    }
    const int collapsed = std::min(start, editStart);
    return {collapsed, collapsed};
}
