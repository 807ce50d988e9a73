#pragma once
// The Qt platform: the control's child controls as real widgets and the notifications raised
// from real mouse and keyboard input.

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <cmath>
#include <functional>
#include <memory>
#include <zelvane/contracts/platform.hpp>

#include "grid/picture_file.hpp"
#include "qt/date_editor.hpp"
#include "qt/drop_down_editor.hpp"
#include "qt/end_edit.hpp"
#include "qt/focus_chain.hpp"
#include "qt/history_keys.hpp"
#include "qt/qt_grid.hpp"
#include "qt/qt_window.hpp"
#include "qt/select_editor.hpp"
#include "qt/text_editor.hpp"

namespace zelvane::qt {

using MessageSink = std::function<void(const std::string&)>;

class QtHost final : public HostContainer {
  public:
    QtHost(QWidget* control, std::string folder) : control_(control), folder_(std::move(folder)) {}
    std::string componentFolder() const override { return folder_; }
    // Read by the control at its next Intialize or updateData.
    void setComponentFolder(std::string folder) { folder_ = std::move(folder); }
    std::shared_ptr<const Picture> loadPicture(const std::string& path) override;
    void messageBox(const std::string& text) override;
    // Twips, so that the editor geometry the control lays out in twips means on screen what
    // it was designed to mean.
    ScaleMode scaleMode() const override { return ScaleMode::Twips; }
    double pixelsToScaleX(double pixels) const override { return pixels * twipsPerPixel(control_); }
    bool parentIsMdiForm() const override { return false; }
    int scaleWidth() const override { return inTwips(control_->width()); }
    int scaleHeight() const override { return inTwips(control_->height()); }

    MessageSink sink;

  private:
    int inTwips(int pixels) const {
        return static_cast<int>(std::lround(pixels * twipsPerPixel(control_)));
    }

    QWidget* control_;
    std::string folder_;
    PictureCache pictures_;
};

class QtPlatform final : public QObject, public Platform {
    Q_OBJECT
  public:
    QtPlatform(QWidget* control, std::string componentFolder);
    ~QtPlatform() override;

    Grid& grid() override { return *grid_; }
    WindowControl& text1() override { return *text1_; }
    WindowControl& cmdPicker() override { return *cmdPicker_; }
    WindowControl& picture1() override { return *picture1_; }
    DateTimePicker& dateTimePicker() override { return *dateTimePicker_; }
    ComboBox& comboBox() override { return *comboBox_; }
    HostContainer& host() override { return host_; }
    void attach(ControlEvents* events) override;
    void validationPassFinished() override {
        if (validated) validated();
    }
    void changedRowsReset() override;

    // Called after every validation pass, however the host started it.
    std::function<void()> validated;
    // Called for Ctrl+Z (redo false) and Ctrl+Shift+Z or Ctrl+Y (redo true) on the grid or an
    // editor, after the open edit was abandoned.
    std::function<void(bool redo)> historyKeyPressed;

    QtHost& qtHost() { return host_; }
    QtGrid& qtGrid() { return *grid_; }
    QTableView* tableView() const { return table_; }
    QLineEdit* lineEdit() const { return edit_; }
    QPushButton* selectButton() const { return button_; }
    QDateTimeEdit* dateEdit() const { return date_; }
    DropDown* dropDown() const { return combo_; }
    QFrame* frame() const { return frame_; }

    // The control widget was resized.
    void controlResized();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Raises a notification; a failure the control lets through is shown in the message box.
    void raise(const std::function<void(ControlEvents&)>& notify);
    void connectInput();
    bool gridMousePress(QObject* watched, QEvent* event);
    bool gridKeyPress(QKeyEvent* key);
    // An undo or redo key on the grid or an editor; false leaves it to the watched widget.
    bool historyKeyEvent(QObject* watched, QKeyEvent* key, bool redo);
    // The editor whose widgets include watched; nullptr for any other object.
    EditorAdapter* editorOf(const QObject* watched) const;
    // Hands an event of an editor's widget to the editor, then to the key and focus policy.
    bool editorEvent(EditorAdapter& editor, QObject* watched, QEvent* event);
    // Ends the edit in editor as decided: writes (when its edit had not ended yet) or
    // abandons, then moves the focus on.
    void endEdit(EditorAdapter& editor, EndEdit end);
    // Puts the focus where an ended edit or Tab on the grid sends it; edit opens the editor of
    // the value cell moved to.
    void moveFocus(EndEdit::Then then, bool edit);
    // Gives the focus to the host's widget after (forward) or before the control.
    void leaveControl(bool forward);
    bool toggleCheckCell(const QModelIndex& index);
    void focusGridLater();
    void layoutEditors();
    QRect editCellArea() const;
    void describeEditors();
    void fitButtonCaption();
    // Makes the cell active; force raises CellActivating even when it already is. False
    // when the cell is disabled (or not a cell), which then leaves the active cell alone.
    bool activate(const QModelIndex& index, bool force = false);
    void requestEdit(const QModelIndex& index);
    void rowSelectorClicked(int row);
    // Makes the next (step 1) or previous (step -1) value cell with an editor current, after
    // or before the current cell in reading order, and opens its editor when edit is set.
    // False when there is none.
    bool moveToEditableRow(int step, bool edit);
    bool isValueColumn(int viewColumn) const;

    QWidget* control_;
    QtHost host_;
    QTableView* table_;
    QFrame* frame_;
    QLineEdit* edit_;
    QPushButton* button_;
    QDateTimeEdit* date_;
    DropDown* combo_;
    std::unique_ptr<QtGrid> grid_;
    std::unique_ptr<QtWindow<WindowControl>> text1_, cmdPicker_, picture1_;
    std::unique_ptr<QtDateTimePicker> dateTimePicker_;
    std::unique_ptr<QtComboBox> comboBox_;
    ControlEvents* events_ = nullptr;
    std::unique_ptr<TextEditor> textEditor_;
    std::unique_ptr<DropDownEditor> dropDownEditor_;
    std::unique_ptr<DateEditor> dateEditor_;
    std::unique_ptr<SelectEditor> selectEditor_;
    Qt::KeyboardModifiers pressModifiers_;
};

}  // namespace zelvane::qt
