#pragma once
// The grid with fixed header, row and selector sizes and vertical scrolling.

#include <zelvane/contracts/host_container.hpp>

#include "grid/grid_view.hpp"
#include "headless/headless_controls.hpp"

namespace zelvane::headless {

class HeadlessGrid final : public HeadlessWindow<GridView> {
  public:
    HeadlessGrid(FocusRequest focus, const HostContainer& host)
        : HeadlessWindow(std::move(focus)), host_(host) {}

    void scrollCellIntoView(const CellRef& cell) override;
    std::optional<PixelRect> cellElementRect(const CellRef& cell) override;
    std::optional<GridElement> ElementAtPoint(float x, float y, bool ignoreContext) override;

    int topRow() const { return topRow_; }
    int leftOffset() const { return leftOffset_; }
    void setTopRow(int row);
    int pixelWidth() const;
    int pixelHeight() const;
    // Left pixel edge (after horizontal scrolling) and pixel width of a column, when shown.
    std::optional<std::pair<int, int>> columnSpan(int column) const;
    // Top pixel edge of a row below the top row that is not hidden; none otherwise.
    std::optional<long long> rowTop(const Row& row) const;

  protected:
    void rowSetBound() override;
    void rowsRemoved() override;
    void rowDisplayChanged() override;

  private:
    void scrollColumnIntoView(int column);
    // Screen lines: the rows that are not hidden, in row order. A row's line counts the shown
    // rows above it; rowAtLine gives null past the last line.
    long long lineOf(int index) const;
    RowPtr rowAtLine(long long line) const;

    const HostContainer& host_;
    int topRow_ = 0;
    int leftOffset_ = 0;                 // pixels the columns are scrolled to the left
    const RowSet* shownRows_ = nullptr;  // the row set last bound
};

}  // namespace zelvane::headless
