#include "qt/qt_platform.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <zelvane/attribute_kinds.hpp>

#include "grid/picture_file.hpp"
#include "qt/qt_date_format.hpp"
#include "text/unicode.hpp"

namespace zelvane::qt {
namespace {

int buttonCode(Qt::MouseButton b) {
    return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
}

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// The font the control's grid and button were designed with, when installed.
QFont controlFont(const QFont& fallback) {
    if (QFontDatabase::families().contains("Tahoma")) return QFont("Tahoma", 8);
    return fallback;
}

}  // namespace

// Host container

std::shared_ptr<const Picture> QtHost::loadPicture(const std::string& path) {
    return pictures_.load(path);
}

void QtHost::messageBox(const std::string& text) {
    if (sink) {
        sink(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    control_);
    box.exec();
}

// Editors

QtDateTimePicker::QtDateTimePicker(QDateTimeEdit* edit, QWidget* control)
    : QtWindow(edit, control), edit_(edit) {
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this] {
        if (!setting_) userChanged_ = true;
    });
}

DateTime QtDateTimePicker::value() const {
    if (blank_) return held_;
    const QDateTime v = edit_->dateTime();
    return DateTime{v.date().year(),   v.date().month(),  v.date().day(), v.time().hour(),
                    v.time().minute(), v.time().second(), v.time().msec()};
}

void QtDateTimePicker::setValue(const DateTime& value) {
    const QDate date(value.year, value.month, value.day);
    const QTime time(value.hour, value.minute, value.second, value.millisecond);
    if (!date.isValid() || !time.isValid()) throw ZlvError("Invalid date or time for the picker");
    setting_ = true;
    edit_->setSpecialValueText(QString());
    edit_->setDateTime(QDateTime(date, time));
    setting_ = false;
    userChanged_ = false;
    valueGiven_ = true;
    blank_ = false;
}

void QtDateTimePicker::showBlank() {
    if (blank_) return;
    held_ = value();
    setting_ = true;
    edit_->setSpecialValueText(" ");
    edit_->setDateTime(edit_->minimumDateTime());
    setting_ = false;
    blank_ = true;
}

void QtDateTimePicker::startFromNow() {
    if (!blank_) return;
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    setting_ = true;
    edit_->setSpecialValueText(QString());
    edit_->setDateTime(now);
    setting_ = false;
    blank_ = false;
}

void QtDateTimePicker::setDisplayFormat(const std::string& pattern) {
    format_ = pattern;
    setting_ = true;
    edit_->setDisplayFormat(toQtDateFormat(pattern));
    setting_ = false;
    userChanged_ = false;
}

void QtDateTimePicker::setVisible(bool visible) {
    if (visible) {
        if (!valueGiven_) showBlank();
        userChanged_ = false;
    }
    QtWindow::setVisible(visible);
    if (!visible) valueGiven_ = false;
}

void QtComboBox::setEntries(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    combo_->clear();
    for (const ListEntry& e : entries_)
        combo_->addItem(QString::fromStdString(e.text), QString::fromStdString(e.id));
    combo_->setCurrentIndex(-1);
    shownIndex_ = -1;
}

std::string QtComboBox::text() const {
    return (combo_->currentIndex() >= 0 ? combo_->currentText() : combo_->placeholderText())
        .toStdString();
}

void QtComboBox::setText(const std::string& text) {
    const QString t = QString::fromStdString(text);
    const int index = combo_->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo_->setPlaceholderText(index < 0 ? t : QString());
    combo_->setCurrentIndex(index);
    shownIndex_ = index;
}

// Platform

QtPlatform::QtPlatform(QWidget* control, std::string componentFolder)
    : control_(control),
      host_(control, std::move(componentFolder)),
      table_(new QTableView(control)),
      frame_(new QFrame(control)),
      edit_(new QLineEdit(frame_)),
      button_(new QPushButton("Select", control)),
      date_(new QDateTimeEdit(control)),
      combo_(new DropDown(control)) {
    table_->setFont(controlFont(table_->font()));
    button_->setFont(controlFont(button_->font()));
    date_->setCalendarPopup(true);
    frame_->setFocusPolicy(Qt::StrongFocus);
    frame_->setAutoFillBackground(true);
    table_->setAccessibleName("Custom attributes");
    frame_->setAccessibleName("Attribute editor");
    grid_ = std::make_unique<QtGrid>(table_, control);
    text1_ = std::make_unique<QtWindow<WindowControl>>(edit_, control);
    cmdPicker_ = std::make_unique<QtWindow<WindowControl>>(button_, control);
    picture1_ = std::make_unique<QtWindow<WindowControl>>(frame_, control);
    dateTimePicker_ = std::make_unique<QtDateTimePicker>(date_, control);
    comboBox_ = std::make_unique<QtComboBox>(combo_, control);
    text1_->fillsContainerHeight = true;
    picture1_->clip = [this] { return editCellArea(); };
    picture1_->moved = [this] { layoutEditors(); };
    text1_->focusHome = cmdPicker_->focusHome = picture1_->focusHome = table_;
    dateTimePicker_->focusHome = comboBox_->focusHome = table_;
    connectInput();
}

// The widgets go first: the view's model reads the grid while the view is torn down.
QtPlatform::~QtPlatform() {
    events_ = nullptr;
    grid_->setEvents(nullptr);
    for (QWidget* w :
         {static_cast<QWidget*>(edit_), static_cast<QWidget*>(date_), static_cast<QWidget*>(combo_),
          static_cast<QWidget*>(button_), static_cast<QWidget*>(table_)})
        w->removeEventFilter(this);
    if (dateText_) dateText_->removeEventFilter(this);
    delete table_;
    delete button_;
    delete date_;
    delete combo_;
    delete frame_;
}

void QtPlatform::attach(ControlEvents* events) {
    events_ = events;
    grid_->setEvents(events);
}

void QtPlatform::raise(const std::function<void(ControlEvents&)>& notify) {
    if (!events_) return;
    try {
        notify(*events_);
    } catch (const std::exception& e) {
        host_.messageBox(e.what());
    }
}

// The edit cell's rectangle in the control, cut to the grid's viewport: the frame, whose height
// the control makes a little larger than the cell's, never covers the next row or the scroll
// bars.
QRect QtPlatform::editCellArea() const {
    QWidget* viewport = table_->viewport();
    const QRect shown(viewport->mapTo(control_, QPoint(0, 0)), viewport->size());
    const auto cell = grid_->activeCell();
    if (!cell || !cell->row) return shown;
    const QRect r = table_->visualRect(grid_->model()->cellIndex(*cell->row, cell->column));
    if (!r.isValid()) return shown;
    return QRect(viewport->mapTo(control_, r.topLeft()), r.size()).intersected(shown);
}

// The editors inside the frame follow its size on screen.
void QtPlatform::layoutEditors() {
    for (WidgetHolder* w : std::initializer_list<WidgetHolder*>{
             text1_.get(), cmdPicker_.get(), dateTimePicker_.get(), comboBox_.get()})
        if (w->widget()->parentWidget() == frame_) w->applyGeometry();
}

// Shrinks the caption's font until "Select" fits the button.
void QtPlatform::fitButtonCaption() {
    QFont font = controlFont(control_->font());
    const int room = button_->width() - 4;
    for (double size = font.pointSizeF(); size > 5; size -= 0.5) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).horizontalAdvance(button_->text()) <= room) break;
    }
    button_->setFont(font);
}

// Accessible names say which attribute an editor edits; the description says whether the
// attribute is required and what the last validation pass found.
void QtPlatform::describeEditors() {
    const RowPtr row = grid_->activeRow();
    if (!row) return;
    const std::string_view attribute = row->textOrEmpty(column_role::kAttributeKey);
    const QString name =
        QString::fromUtf8(attribute.data(), static_cast<qsizetype>(attribute.size()));
    edit_->setAccessibleName(name.isEmpty() ? QString("Attribute value") : name);
    date_->setAccessibleName(name);
    combo_->setAccessibleName(name);
    button_->setAccessibleName("Select " + name);
    frame_->setAccessibleName(name + " editor");
    QStringList about;
    if (text::equalsIgnoringCase(row->textOrEmpty(column_role::kRequiredKey), "true"))
        about << "Required";
    const QString problems = grid_->model()->problemsOf(row->index());
    if (!problems.isEmpty()) about << problems;
    for (QWidget* w : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(date_),
                       static_cast<QWidget*>(combo_), static_cast<QWidget*>(button_)})
        w->setAccessibleDescription(about.join('\n'));
}

void QtPlatform::connectInput() {
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    table_->verticalHeader()->viewport()->installEventFilter(this);
    frame_->installEventFilter(this);
    dateText_ = date_->findChild<QLineEdit*>();
    if (dateText_) dateText_->installEventFilter(this);
    for (QWidget* editor : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(date_),
                            static_cast<QWidget*>(combo_), static_cast<QWidget*>(button_)})
        editor->installEventFilter(this);
    // A click on a disabled cell does nothing.
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!activate(index)) return;
        raise([](ControlEvents& e) { e.GridClick(); });
        grid_->model()->selectionChanged();
    });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { requestEdit(i); });
    connect(table_->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int row) { rowSelectorClicked(row); });
    // The current cell that the view moves off a removed row is no move of the user's.
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (grid_->announcingRows()) return;
                raise([](ControlEvents& e) { e.EditorDismiss(); });
                activate(current);
            });
    for (QScrollBar* bar : {table_->verticalScrollBar(), table_->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { raise([](ControlEvents& e) { e.EditorDismiss(); }); });
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!frame_->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
    });
    connect(button_, &QPushButton::clicked, this,
            [this] { raise([](ControlEvents& e) { e.CmdPicker_Click(); }); });
    // A day picked in the calendar is a choice, written even when it is the day shown.
    auto pickDay = [this](QDate day) {
        if (!dateOpen_) return;
        const DateTime v = dateTimePicker_->value();
        const DateTime chosen{day.year(), day.month(), day.day(), v.hour, v.minute, v.second, 0};
        dateOpen_ = false;
        raise([&](ControlEvents& e) { e.DateChosen(chosen); });
        focusGridLater();
    };
    connect(date_->calendarWidget(), &QCalendarWidget::clicked, this, pickDay);
    connect(date_->calendarWidget(), &QCalendarWidget::activated, this, pickDay);
    connect(combo_, &DropDown::picked, this, [this](int index) { finishDropDown(true, index); });
    connect(combo_, &DropDown::committed, this,
            [this] { finishDropDown(comboBox_->userChanged(), combo_->currentIndex()); });
    connect(combo_, &DropDown::abandoned, this, [this] { abandonEdit(); });
}

// The control hears CellActivating before the cell becomes active, and may disable it there:
// a disabled cell does not become the active cell (the active cell stays where it was).
bool QtPlatform::activate(const QModelIndex& index, bool force) {
    const CellRef cell = grid_->model()->cellAt(index);
    if (!cell.row || cell.row->owner() != grid_->rowSet() || cell.column < 0) return false;
    const auto active = grid_->activeCell();
    if (!force && active && active->row == cell.row && active->column == cell.column) return true;
    raise([&](ControlEvents& e) { e.CellActivating(cell); });
    if (cell.row->index() < 0 || cell.row->activation(cell.column) == kActivationDisabled)
        return false;
    grid_->setActiveCell(cell);
    return true;
}

bool QtPlatform::isValueColumn(int viewColumn) const {
    const int position = grid_->model()->position(viewColumn);
    return grid_->rowSet() && position >= 0 &&
           grid_->rowSet()->column(position).style == kInPlaceEditStyle;
}

void QtPlatform::requestEdit(const QModelIndex& index) {
    if (!index.isValid()) return;
    activate(index);
    raise([](ControlEvents& e) { e.EditRequest(); });
    if (frame_->isHidden()) return;
    if (!edit_->isHidden() && !edit_->isReadOnly()) {
        edit_->setFocus();
        edit_->selectAll();
    } else if (!combo_->isHidden()) {
        combo_->setFocus();
    } else if (!date_->isHidden()) {
        date_->setFocus();
        date_->selectAll();
    } else if (!button_->isHidden()) {
        button_->setFocus();
    }
}

void QtPlatform::rowSelectorClicked(int row) {
    const RowPtr clicked = grid_->model()->rowAt(row);
    if (!clicked) return;
    if (!(pressModifiers_ & Qt::ControlModifier)) grid_->clearSelection();
    grid_->setActiveRow(clicked);
    raise([](ControlEvents& e) { e.GridClick(); });
    grid_->model()->selectionChanged();
}

void QtPlatform::moveToEditableRow(int step) {
    const RowSetModel* model = grid_->model();
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) return;
    for (int r = current.row() + step; r >= 0 && r < model->rowCount(); r += step) {
        const RowPtr row = model->rowAt(r);
        const std::string_view type = row->textOrEmpty(column_role::kControlTypeKey);
        if (!control_type::hasEditor(type)) continue;
        const QModelIndex next = model->cellIndex(*row, column_role::kValuePosition);
        table_->setCurrentIndex(next);
        requestEdit(next);
        return;
    }
}

void QtPlatform::controlResized() {
    raise([](ControlEvents& e) { e.Resize(); });
    raise([](ControlEvents& e) { e.EditorDismiss(); });
}

void QtPlatform::focusGridLater() {
    QTimer::singleShot(0, table_, [this] {
        if (frame_->isHidden() && control_->isVisible()) table_->setFocus();
    });
}

void QtPlatform::finishDate(bool write) {
    if (!dateOpen_) return;
    dateOpen_ = false;
    if (write) {
        const DateTime chosen = dateTimePicker_->value();
        raise([&](ControlEvents& e) { e.DateChosen(chosen); });
    }
    if (!frame_->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
}

void QtPlatform::finishDropDown(bool write, int index) {
    if (!dropDownOpen_) return;
    dropDownOpen_ = false;
    if (write && index >= 0) raise([&](ControlEvents& e) { e.ComboChosen(index); });
    if (!frame_->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
    focusGridLater();
}

// Escape: every editor goes away and nothing is written.
void QtPlatform::abandonEdit() {
    abandoning_ = true;
    dateOpen_ = dropDownOpen_ = false;
    raise([](ControlEvents& e) { e.EditorDismiss(); });
    table_->setFocus();
    abandoning_ = false;
}

bool QtPlatform::gridMousePress(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    pressModifiers_ = mouse->modifiers();
    const QPoint p = static_cast<QWidget*>(watched)->mapTo(table_, mouse->position().toPoint());
    raise([&](ControlEvents& e) {
        e.GridMouse(buttonCode(mouse->button()), shiftCode(mouse->modifiers()), float(p.x()),
                    float(p.y()));
    });
    // A check cell is enabled or disabled before the press can toggle it. A press on its box
    // does not move the view's current cell, so it is moved here: like any other cell that
    // becomes active, it ends an edit in another cell.
    if (watched == table_->viewport()) {
        const QModelIndex index = table_->indexAt(mouse->position().toPoint());
        if (index.isValid() && grid_->model()->isCheckColumn(index.column()) &&
            activate(index, true) && table_->currentIndex() != index)
            table_->setCurrentIndex(index);
    }
    return false;
}

// Space on a check cell toggles it as a click does: the cell is enabled or disabled first,
// the change goes through the control, and the control hears the click on that cell.
bool QtPlatform::toggleCheckCell(const QModelIndex& index) {
    activate(index, true);
    if (!(grid_->model()->flags(index) & Qt::ItemIsEnabled)) return true;
    const bool checked = grid_->model()->data(index, Qt::CheckStateRole).toInt() == Qt::Checked;
    grid_->model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    const QRect r = table_->visualRect(index);
    const QPoint centre = table_->viewport()->mapTo(table_, r.center());
    raise([&](ControlEvents& e) { e.GridMouse(0, 0, float(centre.x()), float(centre.y())); });
    raise([](ControlEvents& e) { e.GridClick(); });
    grid_->model()->selectionChanged();
    return true;
}

bool QtPlatform::gridKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_Delete) {
        std::int16_t code = kDeleteKey;
        raise([&](ControlEvents& e) { e.GridKeyDown(code, shiftCode(key->modifiers())); });
        if (code == kDeleteKey) grid_->DeleteSelectedRows();
        table_->setFocus();
        return true;
    }
    const QModelIndex current = table_->currentIndex();
    if (key->key() == Qt::Key_Space && current.isValid() &&
        grid_->model()->isCheckColumn(current.column()))
        return toggleCheckCell(current);
    if (key->key() == Qt::Key_F2 || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        requestEdit(current);
        return true;
    }
    const QString typed = key->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !typed.at(0).isSpace() && current.isValid() &&
        isValueColumn(current.column())) {
        requestEdit(current);
        if (edit_->hasFocus() && !edit_->isReadOnly()) {
            edit_->setText(typed);
        } else if (QWidget* focus = QApplication::focusWidget(); focus && focus != table_) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(focus, &copy);
        }
        return true;
    }
    return false;
}

bool QtPlatform::textBoxKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (key->key() != Qt::Key_Delete) return false;
        std::int16_t code = kDeleteKey;
        raise([&](ControlEvents& e) { e.Text1_KeyUp(code, shiftCode(key->modifiers())); });
        table_->setFocus();
        return true;
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            table_->setFocus();
            return true;
        case Qt::Key_Escape:
            abandonEdit();
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            table_->setFocus();
            moveToEditableRow(key->key() == Qt::Key_Tab ? 1 : -1);
            return true;
        default:
            return false;
    }
}

// Keys of the date editor, the drop-down and the picker button: Tab and Shift+Tab end the edit
// (writing a changed entry) and move on; Enter ends it; Escape abandons it.
bool QtPlatform::editorKey(QObject* watched, QKeyEvent* key) {
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    const bool alt = key->modifiers() & Qt::AltModifier;
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
        if (watched == date_) finishDate(dateTimePicker_->userChanged());
        if (watched == combo_) finishDropDown(comboBox_->userChanged(), combo_->currentIndex());
        table_->setFocus();
        moveToEditableRow(k == Qt::Key_Tab ? 1 : -1);
        return true;
    }
    if (watched == date_ && (k == Qt::Key_F4 || (k == Qt::Key_Down && alt))) {
        openCalendar();
        return true;
    }
    if (watched == date_ && !enter && k != Qt::Key_Escape && k != Qt::Key_Shift &&
        k != Qt::Key_Control && k != Qt::Key_Alt)
        dateTimePicker_->startFromNow();
    if (k == Qt::Key_Escape && watched != combo_) {
        abandonEdit();
        return true;
    }
    if (enter && watched == date_) {
        finishDate(dateTimePicker_->userChanged());
        table_->setFocus();
        return true;
    }
    if (enter && watched == button_) {
        button_->click();
        return true;
    }
    // A push button hands the focus along the focus chain on an arrow key, out of the control
    // into the host's window; on the "Select" button the arrows do nothing.
    if (watched == button_ &&
        (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down))
        return true;
    return false;
}

// The date editor has no call that opens its calendar; it opens on a press on its arrow.
void QtPlatform::openCalendar() {
    dateTimePicker_->startFromNow();
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

// Focus leaving the date editor or the drop-down for a place outside them (a click elsewhere)
// ends the edit as Enter does; the focus going to their own popups does not.
void QtPlatform::editorFocusOut(QObject* watched, QFocusEvent* event) {
    const auto reason = event->reason();
    if (abandoning_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (watched == date_) finishDate(dateTimePicker_->userChanged());
    if (watched == combo_ && !combo_->listOpen())
        finishDropDown(comboBox_->userChanged(), combo_->currentIndex());
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress &&
        (watched == table_->viewport() || watched == table_->verticalHeader()->viewport()))
        return gridMousePress(watched, event);
    if (watched == table_ && type == QEvent::KeyPress)
        return gridKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == edit_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease))
        return textBoxKey(event);
    if (watched == edit_ && type == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (!abandoning_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            raise([](ControlEvents& e) { e.Text1_LostFocus(); });
        return false;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::Wheel) &&
        (watched == date_ || watched == dateText_))
        dateTimePicker_->startFromNow();
    if (type == QEvent::KeyPress && (watched == date_ || watched == combo_ || watched == button_))
        return editorKey(watched, static_cast<QKeyEvent*>(event));
    if (type == QEvent::FocusOut && (watched == date_ || watched == combo_))
        editorFocusOut(watched, static_cast<QFocusEvent*>(event));
    if (type == QEvent::Show) {
        if (watched == frame_) describeEditors();
        if (watched == date_) dateOpen_ = true;
        if (watched == combo_) dropDownOpen_ = true;
        if (watched == button_) fitButtonCaption();
    }
    if (type == QEvent::Hide) {
        if (watched == date_) dateOpen_ = false;
        if (watched == combo_) dropDownOpen_ = false;
    }
    if (type == QEvent::Resize && watched == button_) fitButtonCaption();
    return QObject::eventFilter(watched, event);
}

}  // namespace zelvane::qt
