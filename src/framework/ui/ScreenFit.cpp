#include "ScreenFit.h"

#include <algorithm>

namespace {

// The start of a span of length size moved the least distance into [low, low + room).
int MovedInto(int start, int size, int low, int room) {
    return std::max(low, std::min(start, low + room - size));
}

}  // namespace

QRect ScreenFit::Fit(const QRect& content, int bars, const QMargins& margins, const QRect& area) {
    const QMargins around(margins.left(), margins.top() + bars, margins.right(), margins.bottom());
    const QRect frame = content.marginsAdded(around);
    if (area.contains(frame))
        return content;
    const int width = std::clamp(content.width(), 1, std::max(1, area.width() - around.left() - around.right()));
    const int height = std::clamp(content.height(), 1, std::max(1, area.height() - around.top() - around.bottom()));
    const int left = MovedInto(frame.left(), width + around.left() + around.right(), area.left(), area.width());
    const int top = MovedInto(frame.top(), height + around.top() + around.bottom(), area.top(), area.height());
    return QRect(left + around.left(), top + around.top(), width, height);
}
