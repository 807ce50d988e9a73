#include "headless/headless_grid.hpp"

#include <algorithm>
#include <cmath>
#include <zelvane/headless/headless_platform.hpp>

namespace zelvane::headless {

int HeadlessGrid::pixelWidth() const {
    return static_cast<int>(width() / host_.pixelsToScaleX(1.0));
}

int HeadlessGrid::pixelHeight() const {
    return static_cast<int>(height() / host_.pixelsToScaleX(1.0));
}

int HeadlessGrid::visibleRowCount() const {
    return std::max(0, (pixelHeight() - kHeaderHeight + kRowHeight - 1) / kRowHeight);
}

void HeadlessGrid::setTopRow(int row) {
    const int count = rowSet() ? rowSet()->recordCount() : 0;
    topRow_ = std::clamp(row, 0, std::max(0, count - 1));
}

std::optional<std::pair<int, int>> HeadlessGrid::columnSpan(int column) const {
    int x = kRowSelectorWidth - leftOffset_;
    for (int c : visibleColumns()) {
        const int w =
            static_cast<int>(std::lround(rowSet()->column(c).width / double(kWidthUnitsPerPixel)));
        if (c == column) return std::make_pair(x, w);
        x += w;
    }
    return std::nullopt;
}

void HeadlessGrid::scrollCellIntoView(const CellRef& cell) {
    if (!cell.row || cell.row->index() < 0) return;
    const int r = cell.row->index();
    const int fullyVisible = std::max(1, (pixelHeight() - kHeaderHeight) / kRowHeight);
    if (r < topRow_)
        setTopRow(r);
    else if (r >= topRow_ + fullyVisible)
        setTopRow(r - fullyVisible + 1);
    scrollColumnIntoView(cell.column);
}

// Scrolls horizontally so that the column's left part is shown, its whole width when it fits.
void HeadlessGrid::scrollColumnIntoView(int column) {
    const auto span = columnSpan(column);
    if (!span) return;
    const int left = span->first + leftOffset_ - kRowSelectorWidth;  // unscrolled, past selector
    const int visibleWidth = pixelWidth() - kRowSelectorWidth;
    if (left < leftOffset_)
        leftOffset_ = left;
    else if (left + span->second > leftOffset_ + visibleWidth)
        leftOffset_ = std::min(left, left + span->second - visibleWidth);
}

std::optional<PixelRect> HeadlessGrid::cellElementRect(const CellRef& cell) {
    if (!cell.row || cell.row->index() < topRow_) return std::nullopt;
    const auto span = columnSpan(cell.column);
    if (!span || span->first + span->second <= kRowSelectorWidth) return std::nullopt;
    const int y = kHeaderHeight + (cell.row->index() - topRow_) * kRowHeight;
    if (y >= pixelHeight() || span->first >= pixelWidth()) return std::nullopt;
    return PixelRect{span->first, y, std::min(span->second, pixelWidth() - span->first),
                     std::min(kRowHeight, pixelHeight() - y)};
}

std::optional<GridElement> HeadlessGrid::ElementAtPoint(float x, float y, bool) {
    if (x < 0 || y < 0 || x >= float(pixelWidth()) || y >= float(pixelHeight()))
        return std::nullopt;
    if (y < float(kHeaderHeight)) return GridElement{kHeaderElement, nullptr, -1};
    const int r = topRow_ + static_cast<int>((y - float(kHeaderHeight)) / float(kRowHeight));
    if (!GetRowSet() || r >= GetRowSet()->recordCount()) return std::nullopt;
    RowPtr row = GetRowSet()->row(r);
    if (x < float(kRowSelectorWidth)) return GridElement{kRowSelectorElement, row, -1};
    for (int c : visibleColumns()) {
        const auto span = columnSpan(c);
        if (span->first + span->second > kRowSelectorWidth && x >= float(span->first) &&
            x < float(span->first + span->second))
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

// The rows after the deleted ones move up under the placed editors, so they are dismissed.
void HeadlessGrid::rowsRemoved() {
    setTopRow(topRow_);
    if (events()) events()->EditorDismiss();
}

}  // namespace zelvane::headless
