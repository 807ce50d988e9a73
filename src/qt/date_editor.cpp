#include "qt/date_editor.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "qt/qt_date_format.hpp"

namespace zelvane::qt {

QtDateTimePicker::QtDateTimePicker(QDateTimeEdit* edit, QWidget* control)
    : QtWindow(edit, control), edit_(edit) {}

DateTime QtDateTimePicker::value() const {
    if (blank()) return held_;
    const QDateTime v = edit_->dateTime();
    return DateTime{v.date().year(),   v.date().month(),  v.date().day(), v.time().hour(),
                    v.time().minute(), v.time().second(), v.time().msec()};
}

void QtDateTimePicker::setValue(const DateTime& value) {
    const QDate date(value.year, value.month, value.day);
    const QTime time(value.hour, value.minute, value.second, value.millisecond);
    if (!date.isValid() || !time.isValid()) throw ZlvError("Invalid date or time for the picker");
    edit_->setSpecialValueText(QString());
    edit_->setDateTime(QDateTime(date, time));
    start_ = edit_->dateTime();
}

void QtDateTimePicker::showBlank() {
    if (blank()) return;
    held_ = value();
    edit_->setSpecialValueText(" ");
    edit_->setDateTime(edit_->minimumDateTime());
}

void QtDateTimePicker::startFromNow() {
    if (!blank()) return;
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    edit_->setSpecialValueText(QString());
    edit_->setDateTime(now);
    start_ = edit_->dateTime();
}

void QtDateTimePicker::setDisplayFormat(const std::string& pattern) {
    format_ = pattern;
    edit_->setDisplayFormat(toQtDateFormat(pattern));
    if (start_.isValid()) start_ = edit_->dateTime();
}

// A picker shows no date when the control gave it none since it last hid.
void QtDateTimePicker::setVisible(bool visible) {
    if (visible) {
        if (!start_.isValid()) showBlank();
        start_ = edit_->dateTime();
    }
    QtWindow::setVisible(visible);
    if (!visible) start_ = QDateTime();
}

DateEditor::DateEditor(QtDateTimePicker& picker, QDateTimeEdit* date, const EditorContext& context)
    : EditorAdapter(context), picker_(picker), date_(date), text_(date->findChild<QLineEdit*>()) {}

void DateEditor::write() {
    if (userChanged()) {
        const DateTime chosen = picker_.value();
        context_.raise([&](ControlEvents& e) { e.DateChosen(chosen); });
    }
    context_.dismissShown();
}

void DateEditor::chooseDay(QDate day) {
    const DateTime v = picker_.value();
    const DateTime chosen{day.year(), day.month(), day.day(), v.hour, v.minute, v.second, 0};
    context_.raise([&](ControlEvents& e) { e.DateChosen(chosen); });
}

// F4 and Alt+Down open the calendar. The first key, click or wheel turn that edits a date the
// editor does not show starts from the current date and time.
bool DateEditor::input(QEvent& event) {
    if (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::Wheel) {
        picker_.startFromNow();
        return false;
    }
    if (event.type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    switch (key.key()) {
        case Qt::Key_F4:
            openCalendar();
            return true;
        case Qt::Key_Down:
            if (!(key.modifiers() & Qt::AltModifier)) break;
            openCalendar();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
            return false;
        default:
            break;
    }
    picker_.startFromNow();
    return false;
}

// The date editor has no call that opens its calendar; it opens on a press on its arrow.
void DateEditor::openCalendar() {
    picker_.startFromNow();
    QStyleOptionComboBox option;
    option.initFrom(date_);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = date_->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, date_);
    const QPointF at = arrow.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, date_->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(date_, &press);
}

}  // namespace zelvane::qt
