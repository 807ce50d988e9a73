#pragma once
// The gestures made with the headless platform's own calls.

#include <optional>
#include <zelvane/headless/headless_platform.hpp>

#include "gestures.hpp"

namespace zlvtest {

class HeadlessGestures : public Gestures {
  public:
    // resourceDir holds Templates/ and Images/.
    explicit HeadlessGestures(const std::string& resourceDir);

    zelvane::ZlvCustomAttr& control() override { return control_; }
    const std::vector<std::string>& messages() override { return platform.messages(); }
    void clearMessages() override { platform.clearMessages(); }
    bool clickCell(int row, std::string_view key) override { return platform.clickCell(row, key); }
    bool doubleClickCell(int row, std::string_view key) override;
    bool clickRowSelector(int row) override { return platform.clickRowSelector(row); }
    bool toggleCheck(int row, std::string_view k) override { return platform.toggleCheck(row, k); }
    bool typeText(const std::string& text) override { return platform.typeText(text); }
    bool pressKey(Key key) override;
    bool chooseEntry(int index) override { return platform.chooseInDropDown(index); }
    bool pickDate(const zelvane::DateTime& value) override { return platform.pickDate(value); }
    bool pressSelect() override { return platform.pressSelect(); }
    bool undo() override { return control_.undo(); }
    bool redo() override { return control_.redo(); }
    void resize(int width, int height) override { platform.resize(width, height); }
    // The headless grid scrolls even to where it is.
    bool scrollTo(int topRow) override {
        platform.scrollTo(topRow);
        return true;
    }
    void onPick(std::function<void(zelvane::KeyedCollection&)> handler) override {
        control_.onPickerButtonClicked(std::move(handler));
    }
    bool setScaleMode(zelvane::ScaleMode mode) override {
        platform.setScaleMode(mode);
        return true;
    }
    void filter(const std::string& text, zelvane::RowFilterFlags which) override {
        control_.setRowFilter(text, which);
    }
    zelvane::ClipboardPayload copy() override;
    zelvane::PasteResult paste(const zelvane::ClipboardPayload& payload) override;
    using Gestures::paste;
    std::string visibleRows() override;
    Editor shownEditor() override;
    std::string editorText() override;
    Editor focusedEditor() override;
    std::string viewProblem() override;

    zelvane::headless::HeadlessPlatform platform;

  private:
    bool frameIsOver(const zelvane::CellRef& cell, bool placedNow);

    zelvane::ZlvCustomAttr control_;
    std::optional<zelvane::CellRef> editCell_;  // the cell the shown frame was placed over
};

}  // namespace zlvtest
