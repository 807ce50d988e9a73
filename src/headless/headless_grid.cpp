#include "headless/headless_grid.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <zelvane/headless/headless_platform.hpp>

namespace zelvane::headless {
namespace {

// Positions and sizes are summed in long long, which cannot overflow for int parts, and
// brought back into the int range at the end.
int clampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

bool isHidden(const Row& row) { return row.display() == RowDisplay::Hidden; }

}  // namespace

int HeadlessGrid::pixelWidth() const {
    return static_cast<int>(width() / host_.pixelsToScaleX(1.0));
}

int HeadlessGrid::pixelHeight() const {
    return static_cast<int>(height() / host_.pixelsToScaleX(1.0));
}

// A hidden row cannot be the top row: the next shown row takes its place, else the one before.
void HeadlessGrid::setTopRow(int row) {
    const int count = rowSet() ? rowSet()->recordCount() : 0;
    topRow_ = std::clamp(row, 0, std::max(0, count - 1));
    if (!mayHideRows() || !isHidden(*rowSet()->row(topRow_))) return;
    for (int r = topRow_ + 1; r < count; ++r)
        if (!isHidden(*rowSet()->row(r))) return void(topRow_ = r);
    for (int r = topRow_ - 1; r >= 0; --r)
        if (!isHidden(*rowSet()->row(r))) return void(topRow_ = r);
}

long long HeadlessGrid::lineOf(int index) const {
    if (!mayHideRows()) return index;
    long long line = 0;
    for (int r = 0; r < index; ++r) line += isHidden(*rowSet()->row(r)) ? 0 : 1;
    return line;
}

RowPtr HeadlessGrid::rowAtLine(long long line) const {
    const int count = rowSet() ? rowSet()->recordCount() : 0;
    if (!mayHideRows()) return line >= 0 && line < count ? rowSet()->row(int(line)) : nullptr;
    for (int r = 0; r < count && line >= 0; ++r) {
        if (isHidden(*rowSet()->row(r))) continue;
        if (line-- == 0) return rowSet()->row(r);
    }
    return nullptr;
}

std::optional<long long> HeadlessGrid::rowTop(const Row& row) const {
    if (row.index() < topRow_ || isHidden(row)) return std::nullopt;
    return kHeaderHeight + (lineOf(row.index()) - lineOf(topRow_)) * kRowHeight;
}

std::optional<std::pair<int, int>> HeadlessGrid::columnSpan(int column) const {
    long long x = static_cast<long long>(kRowSelectorWidth) - leftOffset_;
    for (int c : visibleColumns()) {
        const int w =
            static_cast<int>(std::lround(rowSet()->column(c).width / double(kWidthUnitsPerPixel)));
        if (c == column) return std::make_pair(clampToInt(x), w);
        x = std::clamp<long long>(x + w, INT_MIN, INT_MAX);
    }
    return std::nullopt;
}

void HeadlessGrid::scrollCellIntoView(const CellRef& cell) {
    if (!cell.row || cell.row->index() < 0 || isHidden(*cell.row)) return;
    const int r = cell.row->index();
    const long long fullyVisible =
        std::max(1LL, (static_cast<long long>(pixelHeight()) - kHeaderHeight) / kRowHeight);
    const long long line = lineOf(r);
    const long long topLine = lineOf(topRow_);
    if (line < topLine)
        setTopRow(r);
    else if (line >= topLine + fullyVisible)
        setTopRow(rowAtLine(line - fullyVisible + 1)->index());
    scrollColumnIntoView(cell.column);
}

// Scrolls horizontally so that the column's left part is shown, its whole width when it fits.
void HeadlessGrid::scrollColumnIntoView(int column) {
    const auto span = columnSpan(column);
    if (!span) return;
    // Unscrolled left edge, past the selector.
    const long long left = static_cast<long long>(span->first) + leftOffset_ - kRowSelectorWidth;
    const long long visibleWidth = static_cast<long long>(pixelWidth()) - kRowSelectorWidth;
    if (left < leftOffset_)
        leftOffset_ = clampToInt(left);
    else if (left + span->second > leftOffset_ + visibleWidth)
        leftOffset_ = clampToInt(std::min(left, left + span->second - visibleWidth));
}

std::optional<PixelRect> HeadlessGrid::cellElementRect(const CellRef& cell) {
    if (!cell.row) return std::nullopt;
    const auto top = rowTop(*cell.row);
    if (!top) return std::nullopt;
    const auto span = columnSpan(cell.column);
    if (!span || static_cast<long long>(span->first) + span->second <= kRowSelectorWidth)
        return std::nullopt;
    const long long y = *top;
    if (y >= pixelHeight() || span->first >= pixelWidth()) return std::nullopt;
    const long long width =
        std::min<long long>(span->second, static_cast<long long>(pixelWidth()) - span->first);
    return PixelRect{span->first, clampToInt(y), clampToInt(width),
                     clampToInt(std::min<long long>(kRowHeight, pixelHeight() - y))};
}

std::optional<GridElement> HeadlessGrid::ElementAtPoint(float x, float y, bool) {
    if (x < 0 || y < 0 || x >= float(pixelWidth()) || y >= float(pixelHeight()))
        return std::nullopt;
    if (y < float(kHeaderHeight)) return GridElement{kHeaderElement, nullptr, -1};
    const long long line =
        lineOf(topRow_) + static_cast<long long>((y - float(kHeaderHeight)) / float(kRowHeight));
    RowPtr row = rowAtLine(line);
    if (!row) return std::nullopt;
    if (x < float(kRowSelectorWidth)) return GridElement{kRowSelectorElement, row, -1};
    for (int c : visibleColumns()) {
        const auto span = columnSpan(c);
        const long long right = static_cast<long long>(span->first) + span->second;
        if (right > kRowSelectorWidth && x >= float(span->first) && double(x) < double(right))
            return GridElement{kCellElement, row, c};
    }
    return std::nullopt;
}

// Another row set takes the rows from under the placed editors, so they are dismissed; a
// rebind of the same rows moves none.
void HeadlessGrid::rowSetBound() {
    setTopRow(topRow_);
    if (rowSet() != shownRows_ && events()) events()->EditorDismiss();
    shownRows_ = rowSet();
}

// Rows hidden or shown move the rows under the placed editors, so they are dismissed.
void HeadlessGrid::rowDisplayChanged() {
    setTopRow(topRow_);
    if (events()) events()->EditorDismiss();
}

// The rows after the deleted ones move up under the placed editors, so they are dismissed.
void HeadlessGrid::rowsRemoved() {
    setTopRow(topRow_);
    if (events()) events()->EditorDismiss();
}

}  // namespace zelvane::headless
