#pragma once
// The gestures made with real mouse and key events on the widgets of a CustomAttrWidget that
// sits in a host window beside the host's own text field.

#include "qt_support.hpp"
#include "support/gestures.hpp"
#include "support/test_support.hpp"

namespace qttest {

class QtGestures : public zlvtest::Gestures {
  public:
    QtGestures();
    ~QtGestures() override;

    zelvane::ZlvCustomAttr& control() override { return widget->control(); }
    const std::vector<std::string>& messages() override { return messages_; }
    void clearMessages() override { messages_.clear(); }
    bool clickCell(int row, std::string_view key) override { return clickCell(row, key, false); }
    bool doubleClickCell(int row, std::string_view key) override {
        return clickCell(row, key, true);
    }
    bool clickRowSelector(int row) override;
    bool toggleCheck(int row, std::string_view key) override;
    bool typeText(const std::string& text) override;
    bool pressKey(zlvtest::Key key) override;
    bool chooseEntry(int index) override;
    bool pickDate(const zelvane::DateTime& value) override;
    bool pressSelect() override;
    bool undo() override { return historyKey(false); }
    bool redo() override { return historyKey(true); }
    void resize(int width, int height) override;
    bool scrollTo(int topRow) override;
    void onPick(std::function<void(zelvane::KeyedCollection&)> handler) override;
    bool setScaleMode(zelvane::ScaleMode) override { return false; }
    void filter(const std::string& text, zelvane::RowFilterFlags which) override;
    zelvane::ClipboardPayload copy() override;
    zelvane::PasteResult paste(const zelvane::ClipboardPayload& payload) override;
    using Gestures::paste;
    std::string visibleRows() override;
    zlvtest::Editor shownEditor() override;
    std::string editorText() override;
    zlvtest::Editor focusedEditor() override;
    std::string viewProblem() override;

    // Loads the definitions as load does.
    void init(const std::string& mode, const std::vector<zlvtest::Def>& defs) {
        load(mode, zlvtest::definitionsXml(defs));
    }
    // The grid's index of a cell (see cellIndex) and the view column of a key.
    QModelIndex index(int row, std::string_view key);
    int column(std::string_view key) { return index(0, key).column(); }

    QWidget window;
    QLineEdit* field;  // the host's own field, next in the focus chain
    zelvane::qt::CustomAttrWidget* widget;

  private:
    // The cell's index after scrolling it into view; invalid when it cannot be seen.
    QModelIndex shownCell(int row, std::string_view key);
    bool clickCell(int row, std::string_view key, bool twice);
    std::vector<std::pair<zlvtest::Editor, QWidget*>> editors();
    void typeInto(QWidget* target, const QString& text);
    bool historyKey(bool redo);
    void settle();
    std::string editorProblem();
    std::string focusProblem();
    std::string modelProblem();

    std::vector<std::string> messages_;
    bool tabbed_ = false;   // the last gesture was Tab or Shift+Tab
    bool outside_ = false;  // the focus went to the host's field and stayed there
};

// A host form with one row of each editor kind: a required number with two places, a drop-down
// over Red, Green and Blue, a date, a picker the host answers with France, then an empty
// drop-down and an empty date; `notes` number rows after them let the grid scroll.
enum FormRow { kWeight, kColour, kStart, kCountry, kShade, kEnd, kFormRows };
std::vector<zlvtest::Def> formDefs(int notes = 0);

struct EditorForm : QtGestures {
    explicit EditorForm(int notes = 0, const std::string& mode = "RETRIEVAL");
    int picks = 0;  // the host's picker handler calls
};

}  // namespace qttest
