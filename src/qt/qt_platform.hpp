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
#include "qt/drop_down.hpp"
#include "qt/qt_grid.hpp"
#include "qt/qt_window.hpp"

namespace zelvane::qt {

using MessageSink = std::function<void(const std::string&)>;

class QtHost final : public HostContainer {
  public:
    QtHost(QWidget* control, std::string folder) : control_(control), folder_(std::move(folder)) {}
    std::string componentFolder() const override { return folder_; }
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

class QtDateTimePicker final : public QtWindow<DateTimePicker> {
  public:
    QtDateTimePicker(QDateTimeEdit* edit, QWidget* control);
    DateTime value() const override;
    void setValue(const DateTime& value) override;
    std::string displayFormat() const override { return format_; }
    void setDisplayFormat(const std::string& pattern) override;
    void setVisible(bool visible) override;

    // True once the user changed the date or time since the control last set the value or
    // format, or showed the picker.
    bool userChanged() const { return userChanged_; }
    // Shown for a cell without a date (no value was given since the picker last hid), the
    // picker shows no date; its value stays the one it held. The first key or click that
    // edits starts from the current date and time, which is not yet a change.
    bool blank() const { return blank_; }
    void startFromNow();

  private:
    void showBlank();

    QDateTimeEdit* edit_;
    std::string format_;
    DateTime held_;
    bool setting_ = false;
    bool userChanged_ = false;
    bool valueGiven_ = false;
    bool blank_ = false;
};

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

    // Called after every validation pass, however the host started it.
    std::function<void()> validated;

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
    bool textBoxKey(QEvent* event);
    // Opens the date editor's calendar as a click on its arrow does.
    void openCalendar();
    bool editorKey(QObject* watched, QKeyEvent* key);
    void editorFocusOut(QObject* watched, QFocusEvent* event);
    bool toggleCheckCell(const QModelIndex& index);
    // Ends the date or drop-down edit: writes the entry when the user changed it (or always,
    // for a choice made in the list or calendar), else only hides the editors.
    void finishDate(bool write);
    void finishDropDown(bool write, int index);
    void abandonEdit();
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
    void moveToEditableRow(int step);
    bool isValueColumn(int viewColumn) const;

    QWidget* control_;
    QtHost host_;
    QTableView* table_;
    QFrame* frame_;
    QLineEdit* edit_;
    QPushButton* button_;
    QDateTimeEdit* date_;
    DropDown* combo_;
    // The text part of the date editor, which receives the presses on the date's text.
    QLineEdit* dateText_ = nullptr;
    std::unique_ptr<QtGrid> grid_;
    std::unique_ptr<QtWindow<WindowControl>> text1_, cmdPicker_, picture1_;
    std::unique_ptr<QtDateTimePicker> dateTimePicker_;
    std::unique_ptr<QtComboBox> comboBox_;
    ControlEvents* events_ = nullptr;
    bool abandoning_ = false;
    // True from the moment a date or drop-down editor shows until its edit ends.
    bool dateOpen_ = false;
    bool dropDownOpen_ = false;
    Qt::KeyboardModifiers pressModifiers_;
};

}  // namespace zelvane::qt
