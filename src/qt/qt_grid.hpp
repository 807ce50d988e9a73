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
    // Applies hidden flags, widths and captions of the columns to the view.
    void syncColumns();

  protected:
    void rowSetBound() override;
    void rowsRemoved() override;
    void cellChanged(const Row& row, int column) override;
    void rowPictureChanged(const Row& row) override;

  private:
    void applyAppearance();

    QTableView* view_;
    RowSetModel* model_;
};

}  // namespace zelvane::qt
