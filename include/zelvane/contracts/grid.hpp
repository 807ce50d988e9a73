#pragma once
// Contract of the grid view ZlvUltraGrid1 that shows the attribute rows.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/export.hpp>
#include <zelvane/row_set.hpp>

namespace zelvane {

struct Picture;

/// Element kinds reported by ElementAtPoint.
inline constexpr int kRowSelectorElement = 5300;  ///< A row's selector at its left.
inline constexpr int kCellElement = 6100;         ///< A cell.
inline constexpr int kHeaderElement = 5000;       ///< A column header.

/// The parts some columns of the attribute row set play, for a platform that shows them its own
/// way: the value edited in place and the required flag sit at fixed places of the layout; the
/// control type and the attribute's name are found by column key (compared ignoring case).
namespace column_role {
inline constexpr int kValuePosition = 8;     ///< Position of the value column.
inline constexpr int kRequiredPosition = 9;  ///< Position of the required flag's column.
inline constexpr std::string_view kRequiredKey = "Required";        ///< The required flag.
inline constexpr std::string_view kControlTypeKey = "ControlType";  ///< The row's editor kind.
inline constexpr std::string_view kAttributeKey = "Attribute";      ///< The attribute's name.
}  // namespace column_role

/// A UI element of the grid: its kind and what it belongs to.
struct GridElement {
    int kind = 0;     ///< kRowSelectorElement, kCellElement or kHeaderElement
    RowPtr row;       ///< the row of a row selector or cell
    int column = -1;  ///< the column of a cell
};

/// A rectangle in whole pixels relative to the grid.
struct PixelRect {
    int left = 0;    ///< left edge
    int top = 0;     ///< top edge
    int width = 0;   ///< width
    int height = 0;  ///< height
};

/// One of the grid's override appearances.
struct Appearance {
    std::uint32_t backColor = 0;   ///< background colour setting
    std::uint32_t backColor2 = 0;  ///< second colour setting
    int gradientStyle = 0;         ///< style setting
};

/// The system button-face colour as the host platform encodes system colours.
inline constexpr std::uint32_t kButtonFaceColor = 0x8000000F;

/// Row deletion setting: 1 allows deleting rows, 2 keeps the Delete key from removing them.
inline constexpr int kAllowRowDeletion = 1;  ///< Rows may be deleted.
inline constexpr int kStopRowDeletion = 2;   ///< The Delete key removes no rows.

/// The grid that shows the attribute rows, one row per attribute, and reports the user's work
/// on it through ControlEvents.
class ZLV_EXPORT Grid : public WindowControl {
  public:
    /// Sets the layout template the columns are built from.
    virtual void SetLayoutXml(std::string xml) = 0;
    /// Sets the data text the rows are built from.
    virtual void SetDataXml(std::string xml) = 0;
    /// Sets the path that selects the row elements in the data.
    virtual void SetRowXPath(const std::string& path) = 0;
    /// Builds the columns from the layout template. A template without columns gives none.
    virtual void BuildLayout() = 0;
    /// Builds one row per element the row path selects in the data; the previous rows go. The
    /// data text is consumed: set it again before building again.
    /// Throws ZlvError when more than 32767 elements are selected.
    virtual void BuildRows() = 0;

    /// The row set the grid shows; null before the first BuildRows.
    virtual std::shared_ptr<RowSet> GetRowSet() = 0;
    /// Shows a row set (again). Active cell, selection and scroll position are reset when the
    /// row set is another one; a rebind of the same row set keeps the active row if it is still
    /// in it.
    virtual void BindRowSet(std::shared_ptr<RowSet> rows) = 0;

    /// The first row, or null when there is none.
    virtual RowPtr FirstRow() = 0;
    /// The row at a row index. Throws ZlvError when no row has that index.
    virtual RowPtr RowByIndex(std::int16_t index) = 0;

    /// The active cell, or none.
    virtual std::optional<CellRef> activeCell() const = 0;
    /// The active row, or null.
    virtual RowPtr activeRow() const = 0;
    /// Makes a cell active (its row becomes the active row). A null row clears both.
    virtual void setActiveCell(const CellRef& cell) = 0;
    /// Makes a row active without an active cell.
    virtual void setActiveRow(const RowPtr& row) = 0;
    /// The cell's text as displayed (mask mode 0: the value without any input mask).
    virtual std::string cellText(const CellRef& cell) const = 0;

    /// Band 0 columns by position or key. Throws ZlvError when there is no such column or no
    /// row set yet.
    virtual Column& column(int position) = 0;
    /// As column(int), by column key compared ignoring case.
    virtual Column& column(std::string_view key) = 0;

    /// Adds a row to the selection, which keeps the order rows were added in.
    virtual void selectRow(const RowPtr& row) = 0;
    /// Empties the selection.
    virtual void clearSelection() = 0;
    /// The number of selected rows.
    virtual int selectedCount() const = 0;
    /// The selected row at a 0-based index. Throws ZlvError when the index is out of range.
    virtual RowPtr selectedRow(int index) const = 0;

    /// The row deletion setting: kAllowRowDeletion or kStopRowDeletion.
    virtual int rowDeletion() const = 0;
    /// Changes the row deletion setting.
    virtual void setRowDeletion(int setting) = 0;
    /// Deletes the selected rows from grid and row set (after BeforeRowsDeleted, which may
    /// cancel). Does nothing without a selection.
    virtual void DeleteSelectedRows() = 0;

    /// Asks for an editor; the grid answers with EditorPlacement carrying the same values.
    virtual void RequestEditor(std::int32_t mode, WindowControl* frame,
                               const std::string& controlType) = 0;

    /// Scrolls so that the cell is visible.
    virtual void scrollCellIntoView(const CellRef& cell) = 0;
    /// The cell's UI element rectangle, or none when the cell is not shown.
    virtual std::optional<PixelRect> cellElementRect(const CellRef& cell) = 0;
    /// The element under a point in grid pixels, or none.
    virtual std::optional<GridElement> ElementAtPoint(float x, float y, bool ignoreContext) = 0;

    /// The retrieval switch; true unless the host turns it off.
    virtual bool retrievalSwitch() const = 0;
    /// Turns the retrieval switch on or off.
    virtual void setRetrievalSwitch(bool on) = 0;

    /// Override appearances 'A' and 'B'. Throws ZlvError for another name.
    virtual Appearance& overrideAppearance(char name) = 0;
    /// Sets the picture of a row's appearance.
    virtual void setRowPicture(const RowPtr& row, std::shared_ptr<const Picture> picture) = 0;

    /// Shows the bound rows as the list says, by row index; rows past its end are shown, so an
    /// empty list shows every row. A hidden row has no place on screen and takes no click; a
    /// context row is shown greyed. Only the view changes: the row set, the selection and the
    /// active cell keep every row. Placed editors are dismissed when a row's display changes.
    virtual void setRowDisplay(const std::vector<RowDisplay>& display) = 0;
};

}  // namespace zelvane
