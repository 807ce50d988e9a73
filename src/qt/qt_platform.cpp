#include "qt/qt_platform.hpp"

#include <QCalendarWidget>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>

#include "grid/picture_file.hpp"
#include "qt/qt_date_format.hpp"

namespace zelvane::qt {
namespace {

const char* const kEditorTypes[] = {"ComboBox", "Date", "Picker", "TextBox"};

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
    : QtWindow(edit, control), edit_(edit) {}

DateTime QtDateTimePicker::value() const {
    const QDateTime v = edit_->dateTime();
    return DateTime{v.date().year(),   v.date().month(),  v.date().day(), v.time().hour(),
                    v.time().minute(), v.time().second(), v.time().msec()};
}

void QtDateTimePicker::setValue(const DateTime& value) {
    const QDate date(value.year, value.month, value.day);
    const QTime time(value.hour, value.minute, value.second, value.millisecond);
    if (!date.isValid() || !time.isValid()) throw ZlvError("Invalid date or time for the picker");
    edit_->setDateTime(QDateTime(date, time));
}

void QtDateTimePicker::setDisplayFormat(const std::string& pattern) {
    format_ = pattern;
    edit_->setDisplayFormat(toQtDateFormat(pattern));
}

void QtComboBox::setEntries(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    combo_->clear();
    for (const ListEntry& e : entries_)
        combo_->addItem(QString::fromStdString(e.text), QString::fromStdString(e.id));
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
      combo_(new QComboBox(control)) {
    table_->setFont(controlFont(table_->font()));
    button_->setFont(controlFont(button_->font()));
    date_->setCalendarPopup(true);
    combo_->setEditable(true);
    combo_->lineEdit()->setReadOnly(true);
    frame_->setFocusPolicy(Qt::StrongFocus);
    table_->setAccessibleName("Custom attributes");
    edit_->setAccessibleName("Attribute value");
    button_->setAccessibleName("Select");
    date_->setAccessibleName("Attribute date");
    combo_->setAccessibleName("Attribute choice");
    frame_->setAccessibleName("Attribute editor");
    grid_ = std::make_unique<QtGrid>(table_, control);
    text1_ = std::make_unique<QtWindow<WindowControl>>(edit_, control);
    cmdPicker_ = std::make_unique<QtWindow<WindowControl>>(button_, control);
    picture1_ = std::make_unique<QtWindow<WindowControl>>(frame_, control);
    dateTimePicker_ = std::make_unique<QtDateTimePicker>(date_, control);
    comboBox_ = std::make_unique<QtComboBox>(combo_, control);
    connectInput();
}

// The widgets go first: the view's model reads the grid while the view is torn down.
QtPlatform::~QtPlatform() {
    events_ = nullptr;
    grid_->setEvents(nullptr);
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

void QtPlatform::connectInput() {
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    table_->verticalHeader()->viewport()->installEventFilter(this);
    for (QWidget* editor : {static_cast<QWidget*>(edit_), static_cast<QWidget*>(date_),
                            static_cast<QWidget*>(combo_), static_cast<QWidget*>(button_)})
        editor->installEventFilter(this);
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        activate(index);
        raise([](ControlEvents& e) { e.GridClick(); });
        grid_->model()->selectionChanged();
    });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { requestEdit(i); });
    connect(table_->verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int row) { rowSelectorClicked(row); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                raise([](ControlEvents& e) { e.EditorDismiss(); });
                activate(current);
            });
    for (QScrollBar* bar : {table_->verticalScrollBar(), table_->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { raise([](ControlEvents& e) { e.EditorDismiss(); }); });
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { raise([](ControlEvents& e) { e.EditorDismiss(); }); });
    connect(button_, &QPushButton::clicked, this,
            [this] { raise([](ControlEvents& e) { e.CmdPicker_Click(); }); });
    connect(date_->calendarWidget(), &QCalendarWidget::clicked, this, [this](QDate day) {
        const DateTime v = dateTimePicker_->value();
        const DateTime chosen{day.year(), day.month(), day.day(), v.hour, v.minute, v.second, 0};
        raise([&](ControlEvents& e) { e.DateChosen(chosen); });
    });
    connect(combo_, &QComboBox::activated, this,
            [this](int index) { raise([&](ControlEvents& e) { e.ComboChosen(index); }); });
}

void QtPlatform::activate(const QModelIndex& index) {
    if (!index.isValid() || !grid_->rowSet() || index.row() >= grid_->rowSet()->recordCount())
        return;
    const CellRef cell{grid_->rowSet()->row(index.row()), index.column()};
    const auto active = grid_->activeCell();
    if (active && active->row == cell.row && active->column == cell.column) return;
    grid_->setActiveCell(cell);
    raise([&](ControlEvents& e) { e.CellActivating(cell); });
}

bool QtPlatform::isValueColumn(int column) const {
    return grid_->rowSet() && grid_->rowSet()->column(column).style == 8;
}

void QtPlatform::requestEdit(const QModelIndex& index) {
    if (!index.isValid()) return;
    activate(index);
    raise([](ControlEvents& e) { e.EditRequest(); });
    if (frame_->isHidden()) return;
    if (!edit_->isHidden() && !edit_->isReadOnly())
        edit_->setFocus();
    else if (!combo_->isHidden())
        combo_->setFocus();
    else if (!date_->isHidden())
        date_->setFocus();
    else if (!button_->isHidden())
        button_->setFocus();
}

void QtPlatform::rowSelectorClicked(int row) {
    if (!grid_->rowSet() || row < 0 || row >= grid_->rowSet()->recordCount()) return;
    if (!(pressModifiers_ & Qt::ControlModifier)) grid_->clearSelection();
    grid_->setActiveRow(grid_->rowSet()->row(row));
    raise([](ControlEvents& e) { e.GridClick(); });
    grid_->model()->selectionChanged();
}

void QtPlatform::moveToEditableRow(int step) {
    const RowSet* rows = grid_->rowSet();
    const QModelIndex current = table_->currentIndex();
    if (!rows || !current.isValid()) return;
    const int valueColumn = rows->findColumn("Value");
    for (int r = current.row() + step; r >= 0 && r < rows->recordCount(); r += step) {
        const std::string type = cellTextOrEmpty(rows->row(r)->value("ControlType"));
        for (const char* t : kEditorTypes) {
            if (type != t) continue;
            const QModelIndex next = grid_->model()->index(r, valueColumn);
            table_->setCurrentIndex(next);
            requestEdit(next);
            return;
        }
    }
}

void QtPlatform::controlResized() {
    raise([](ControlEvents& e) { e.Resize(); });
    raise([](ControlEvents& e) { e.EditorDismiss(); });
}

bool QtPlatform::gridMousePress(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    pressModifiers_ = mouse->modifiers();
    const QPoint p = static_cast<QWidget*>(watched)->mapTo(table_, mouse->position().toPoint());
    raise([&](ControlEvents& e) {
        e.GridMouse(buttonCode(mouse->button()), shiftCode(mouse->modifiers()), float(p.x()),
                    float(p.y()));
    });
    return false;
}

bool QtPlatform::gridKeyPress(QKeyEvent* key) {
    if (key->key() == Qt::Key_Delete) {
        std::int16_t code = kDeleteKey;
        raise([&](ControlEvents& e) { e.GridKeyDown(code, shiftCode(key->modifiers())); });
        if (code == kDeleteKey) grid_->DeleteSelectedRows();
        return true;
    }
    const QModelIndex current = table_->currentIndex();
    if (key->key() == Qt::Key_F2 || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        requestEdit(current);
        return true;
    }
    const QString typed = key->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && current.isValid() &&
        isValueColumn(current.column())) {
        requestEdit(current);
        if (edit_->hasFocus()) edit_->setText(typed);
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
        return true;
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            table_->setFocus();
            return true;
        case Qt::Key_Escape:
            abandoning_ = true;
            frame_->hide();
            table_->setFocus();
            abandoning_ = false;
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
    if (type == QEvent::KeyPress && (watched == date_ || watched == combo_ || watched == button_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            table_->setFocus();
            moveToEditableRow(key->key() == Qt::Key_Tab ? 1 : -1);
            return true;
        }
        if (watched == date_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            const DateTime chosen = dateTimePicker_->value();
            raise([&](ControlEvents& e) { e.DateChosen(chosen); });
            table_->setFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zelvane::qt
