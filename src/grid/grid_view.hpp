#pragma once
// The grid view shared by every platform: columns from a layout template, rows from XML,
// active cell, selection, row deletion and notifications. A platform adds geometry and
// drawing by implementing the window and element members.

#include <vector>
#include <zelvane/contracts/control_events.hpp>
#include <zelvane/contracts/grid.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

class ZLV_EXPORT GridView : public Grid, protected RowSetObserver {
  public:
    GridView() = default;
    ~GridView() override;

    // Where the grid sends its notifications; nullptr for none.
    void setEvents(ControlEvents* events) { events_ = events; }
    ControlEvents* events() const { return events_; }

    void SetLayoutXml(std::string xml) override { layoutXml_ = std::move(xml); }
    void SetDataXml(std::string xml) override { dataXml_ = std::move(xml); }
    void SetRowXPath(const std::string& path) override { rowXPath_ = path; }
    void BuildLayout() override;
    void BuildRows() override;

    std::shared_ptr<RowSet> GetRowSet() override { return rows_; }
    void BindRowSet(std::shared_ptr<RowSet> rows) override;
    RowPtr FirstRow() override { return rows_ ? rows_->firstRow() : nullptr; }
    RowPtr RowByIndex(std::int16_t index) override;

    std::optional<CellRef> activeCell() const override;
    RowPtr activeRow() const override { return activeRow_; }
    void setActiveCell(const CellRef& cell) override;
    void setActiveRow(const RowPtr& row) override;
    std::string cellText(const CellRef& cell) const override;

    Column& column(int position) override;
    Column& column(std::string_view key) override;

    void selectRow(const RowPtr& row) override;
    void clearSelection() override { selection_.clear(); }
    int selectedCount() const override { return static_cast<int>(selection_.size()); }
    RowPtr selectedRow(int index) const override;

    int rowDeletion() const override { return rowDeletion_; }
    void setRowDeletion(int setting) override { rowDeletion_ = setting; }
    void DeleteSelectedRows() override;

    void RequestEditor(std::int32_t mode, WindowControl* frame,
                       const std::string& controlType) override;

    bool retrievalSwitch() const override { return retrievalSwitch_; }
    void setRetrievalSwitch(bool on) override { retrievalSwitch_ = on; }
    Appearance& overrideAppearance(char name) override;
    void setRowPicture(const RowPtr& row, std::shared_ptr<const Picture> picture) override;
    void setRowDisplay(const std::vector<RowDisplay>& display) override;
    // False while no row of the bound row set can be hidden, so geometry may skip looking.
    bool mayHideRows() const { return mayHideRows_; }

    // The columns BuildLayout made from the template.
    const std::vector<Column>& layoutColumns() const { return layoutColumns_; }
    // The bound row set for reading, or null.
    const RowSet* rowSet() const { return rows_.get(); }
    // Visible columns in display order.
    std::vector<int> visibleColumns() const;

  protected:
    // Platform hooks: a new row set is shown, rows were deleted, a cell or row picture changed.
    virtual void rowSetBound() {}
    virtual void rowsRemoved() {}
    virtual void rowDisplayChanged() {}
    void cellChanged(const Row&, int) override {}
    void rowPictureChanged(const Row&) override {}

  private:
    void forgetDetachedRows();

    ControlEvents* events_ = nullptr;
    std::string layoutXml_, dataXml_, rowXPath_;
    std::vector<Column> layoutColumns_;
    std::shared_ptr<RowSet> rows_;
    RowPtr activeRow_;
    int activeColumn_ = -1;
    std::vector<RowPtr> selection_;
    int rowDeletion_ = kAllowRowDeletion;
    bool retrievalSwitch_ = true;
    bool mayHideRows_ = false;
    Appearance appearanceA_, appearanceB_;
};

}  // namespace zelvane
