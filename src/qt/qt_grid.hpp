#pragma once
// The grid view over a QTableView and a model adapter on the row set.

#include <QTableView>

#include "grid/grid_view.hpp"
#include "qt/qt_window.hpp"
#include "qt/row_set_model.hpp"

namespace zelvane::qt {

// Fixed row height of the view, in pixels.
inline constexpr int kQtRowHeight = 22;

class QtGrid final : public QtWindow<GridView> {
  public:
    QtGrid(QTableView* view, QWidget* controlWidget);

    void scrollCellIntoView(const CellRef& cell) override;
    std::optional<PixelRect> cellElementRect(const CellRef& cell) override;
    std::optional<GridElement> ElementAtPoint(float x, float y, bool ignoreContext) override;

    QTableView* view() const { return view_; }
    RowSetModel* model() const { return model_; }
    // Shows the columns whose hidden flag is off, with their widths and captions.
    void syncColumns();
    // True while the model announces rows that left or joined the row set: the view's current
    // cell moving then is no move of the user's.
    bool announcingRows() const { return announcing_; }

  protected:
    void rowSetBound() override;
    void rowsRemoved() override;
    void cellChanged(const Row& row, int column) override;
    void rowPictureChanged(const Row& row) override;
    void rowDisplayChanged() override;

  private:
    // Hides the view's rows that the grid hides, and shows the others.
    void syncHiddenRows();
    void applyAppearance();
    // Announces the row set's row changes, keeping the row at the top of the view at its top
    // and the view's current cell on the grid's active cell.
    void syncRowsInPlace(bool rebind);

    QTableView* view_;
    RowSetModel* model_;
    bool announcing_ = false;
    bool viewHidesRows_ = false;
};

}  // namespace zelvane::qt
