#pragma once
// The drop-down list: the combo box window the control fills, and the editor that writes the
// entry the user moved to or chose.

#include "qt/drop_down.hpp"
#include "qt/editor_adapter.hpp"
#include "qt/qt_window.hpp"

namespace zelvane::qt {

// The displayed text selects the entry of that text; a text that no entry has is shown as the
// list's placeholder, with no entry current.
class QtComboBox final : public QtWindow<ComboBox> {
  public:
    QtComboBox(DropDown* combo, QWidget* control) : QtWindow(combo, control), combo_(combo) {}
    const std::vector<ListEntry>& entries() const override { return entries_; }
    void setEntries(std::vector<ListEntry> entries) override;
    std::string text() const override;
    void setText(const std::string& text) override;

    // True when the entry shown is not the one the control last set.
    bool userChanged() const { return combo_->currentIndex() != shownIndex_; }

  private:
    DropDown* combo_;
    std::vector<ListEntry> entries_;
    int shownIndex_ = -1;
};

// Ending the edit writes the entry shown when the user moved to another one; a choice in the
// opened list is written even when it is the entry shown.
class DropDownEditor final : public EditorAdapter {
  public:
    DropDownEditor(QtComboBox& window, DropDown* combo, const EditorContext& context)
        : EditorAdapter(context), window_(window), combo_(combo) {}
    QWidget* widget() const override { return combo_; }
    bool userChanged() const override { return window_.userChanged(); }
    void write() override;
    // The user chose the entry at index in the opened list.
    void choose(int index);
    // The focus the combo box loses to its own list does not end the edit.
    bool popupOpen() const override { return combo_->listOpen(); }

  private:
    QtComboBox& window_;
    DropDown* combo_;
};

}  // namespace zelvane::qt
