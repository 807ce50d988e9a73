#pragma once
// The date editor: the date and time picker window the control fills, and the editor that
// writes a date the user changed or picked in the calendar.

#include <QDateTimeEdit>
#include <QLineEdit>

#include "qt/editor_adapter.hpp"
#include "qt/qt_window.hpp"

namespace zelvane::qt {

// Shown for a cell without a date (no value was given since the picker last hid), the picker
// shows no date; its value stays the one it held. The first key or click that edits starts
// from the current date and time, which is not yet a change.
class QtDateTimePicker final : public QtWindow<DateTimePicker> {
  public:
    QtDateTimePicker(QDateTimeEdit* edit, QWidget* control);
    DateTime value() const override;
    void setValue(const DateTime& value) override;
    std::string displayFormat() const override { return format_; }
    void setDisplayFormat(const std::string& pattern) override;
    void setVisible(bool visible) override;

    // True when the date or time shown is not the one the picker showed when the control last
    // set its value or format, or showed it, or when it started from now.
    bool userChanged() const { return start_.isValid() && edit_->dateTime() != start_; }
    void startFromNow();

  private:
    // The picker shows no date while its special text is set (at its earliest date).
    bool blank() const { return !edit_->specialValueText().isEmpty(); }
    void showBlank();

    QDateTimeEdit* edit_;
    std::string format_;
    // The value while the picker shows no date.
    DateTime held_;
    // What the user's changes are measured from; none while the picker is hidden and the
    // control gave it no value since it hid.
    QDateTime start_;
};

class DateEditor final : public EditorAdapter {
  public:
    DateEditor(QtDateTimePicker& picker, QDateTimeEdit* date, const EditorContext& context);
    QWidget* widget() const override { return date_; }
    bool userChanged() const override { return picker_.userChanged(); }
    void write() override;
    // The user picked day in the calendar: the time shown stays.
    void chooseDay(QDate day);
    bool input(QEvent& event) override;
    bool owns(const QObject* watched) const override {
        return watched == date_ || (text_ && watched == text_);
    }

  private:
    // Opens the calendar as a click on the editor's arrow does.
    void openCalendar();

    QtDateTimePicker& picker_;
    QDateTimeEdit* date_;
    // The text part of the editor, which receives the presses on the date's text.
    QLineEdit* text_;
};

}  // namespace zelvane::qt
