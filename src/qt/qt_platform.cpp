#include "qt/qt_platform.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <zelvane/attribute_kinds.hpp>

#include "grid/picture_file.hpp"
#include "text/unicode.hpp"

namespace zelvane::qt {
namespace {

int buttonCode(Qt::MouseButton b) {
    return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
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
    const EditorContext context{[this](const auto& notify) { raise(notify); }, frame_, table_};
    textEditor_ = std::make_unique<TextEditor>(edit_, context);
    dropDownEditor_ = std::make_unique<DropDownEditor>(*comboBox_, combo_, context);
    dateEditor_ = std::make_unique<DateEditor>(*dateTimePicker_, date_, context);
    selectEditor_ = std::make_unique<SelectEditor>(button_, context);
    connectInput();
}

// The widgets go first: the view's model reads the grid while the view is torn down.
QtPlatform::~QtPlatform() {
    events_ = nullptr;
    grid_->setEvents(nullptr);
    for (QWidget* w :
         {static_cast<QWidget*>(edit_), static_cast<QWidget*>(date_), static_cast<QWidget*>(combo_),
          static_cast<QWidget*>(button_), static_cast<QWidget*>(table_), table_->viewport(),
          table_->verticalHeader()->viewport(), static_cast<QWidget*>(frame_)})
        w->removeEventFilter(this);
    if (QLineEdit* dateText = date_->findChild<QLineEdit*>()) dateText->removeEventFilter(this);
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
    if (QLineEdit* dateText = date_->findChild<QLineEdit*>()) dateText->installEventFilter(this);
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
    // A day picked in the calendar or an entry chosen in the list is a choice, written even
    // when it is the one shown.
    auto pickDay = [this](QDate day) {
        if (!dateEditor_->finish()) return;
        dateEditor_->chooseDay(day);
        focusGridLater();
    };
    connect(date_->calendarWidget(), &QCalendarWidget::clicked, this, pickDay);
    connect(date_->calendarWidget(), &QCalendarWidget::activated, this, pickDay);
    connect(combo_, &DropDown::picked, this, [this](int index) {
        if (!dropDownEditor_->finish()) return;
        dropDownEditor_->choose(index);
        focusGridLater();
    });
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
    // The row becomes active rather than a cell of it: an editor still open closes, as it does
    // whenever the view's current cell moves (a click that leaves the current cell alone).
    if (!frame_->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
    grid_->setActiveRow(clicked);
    raise([](ControlEvents& e) { e.GridClick(); });
    grid_->model()->selectionChanged();
}

bool QtPlatform::moveToEditableRow(int step, bool edit) {
    const RowSetModel* model = grid_->model();
    const QModelIndex current = table_->currentIndex();
    // The current row counts when the current cell comes before its value cell (after it,
    // going back); with no current cell the walk starts at either end.
    const int valueColumn = model->viewColumn(column_role::kValuePosition);
    const bool rowCounts = current.isValid() && (step > 0 ? current.column() < valueColumn
                                                          : current.column() > valueColumn);
    const int first = !current.isValid() ? (step > 0 ? 0 : model->rowCount() - 1)
                      : rowCounts        ? current.row()
                                         : current.row() + step;
    for (int r = first; r >= 0 && r < model->rowCount(); r += step) {
        const RowPtr row = model->rowAt(r);
        const std::string_view type = row->textOrEmpty(column_role::kControlTypeKey);
        if (!control_type::hasEditor(type)) continue;
        const QModelIndex next = model->cellIndex(*row, column_role::kValuePosition);
        if (!next.isValid()) return false;
        table_->setCurrentIndex(next);
        if (edit) requestEdit(next);
        return true;
    }
    return false;
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
    // Tab moves between the value cells and out of the control past either end; Ctrl+Tab
    // leaves at once.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        moveFocus(endEditForKey(*key)->then, false);
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

EditorAdapter* QtPlatform::editorOf(const QObject* watched) const {
    for (EditorAdapter* editor : std::initializer_list<EditorAdapter*>{
             textEditor_.get(), dropDownEditor_.get(), dateEditor_.get(), selectEditor_.get()})
        if (editor->owns(watched)) return editor;
    return nullptr;
}

// An edit begins when its editor shows or takes the focus and ends when it hides; keys and the
// focus leaving go to the editor first, then to the one key and focus policy.
bool QtPlatform::editorEvent(EditorAdapter& editor, QObject* watched, QEvent* event) {
    const bool own = watched == editor.widget();
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::FocusIn:
            if (own) editor.begin();
            break;
        case QEvent::Hide:
            if (own) editor.finish();
            break;
        case QEvent::FocusOut:
            if (const auto end = endEditForFocusOut(*static_cast<QFocusEvent*>(event));
                own && end && !editor.popupOpen())
                endEdit(editor, *end);
            return false;
        default:
            break;
    }
    if (editor.input(*event)) return true;
    if (!own || event->type() != QEvent::KeyPress) return false;
    const auto end = endEditForKey(*static_cast<QKeyEvent*>(event));
    if (end) endEdit(editor, *end);
    return end.has_value();
}

// Abandoning ends every edit first, so that the focus the hiding editors give up writes
// nothing.
void QtPlatform::endEdit(EditorAdapter& editor, EndEdit end) {
    if (end.how == EndEdit::Abandon) {
        for (EditorAdapter* e : std::initializer_list<EditorAdapter*>{
                 textEditor_.get(), dropDownEditor_.get(), dateEditor_.get(), selectEditor_.get()})
            e->finish();
        editor.abandon();
    } else if (editor.finish()) {
        editor.write();
    }
    moveFocus(end.then, true);
}

void QtPlatform::moveFocus(EndEdit::Then then, bool edit) {
    switch (then) {
        case EndEdit::Next:
        case EndEdit::Previous:
            if (edit) table_->setFocus();
            if (!moveToEditableRow(then == EndEdit::Next ? 1 : -1, edit))
                leaveControl(then == EndEdit::Next);
            return;
        case EndEdit::Stay:
            table_->setFocus();
            return;
        case EndEdit::LeaveForward:
        case EndEdit::LeaveBackward:
            leaveControl(then == EndEdit::LeaveForward);
            return;
        case EndEdit::Elsewhere:
            return;
    }
}

// An editor still open (the "Select" button writes nothing) closes as the focus leaves.
void QtPlatform::leaveControl(bool forward) {
    if (!frame_->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
    if (QWidget* beside = focusStopBeside(control_, forward))
        beside->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    else
        table_->setFocus();
}

void QtPlatform::changedRowsReset() { grid_->model()->changedRowsReset(); }

// The text box's own undo and redo come first while it has some; otherwise the key abandons
// the open edit and goes to the control. The shortcut override is taken so that a host's
// Undo action does not take the key from the grid or the editor.
bool QtPlatform::historyKeyEvent(QObject* watched, QKeyEvent* key, bool redo) {
    if (watched == edit_ && (redo ? edit_->isRedoAvailable() : edit_->isUndoAvailable()))
        return false;
    if (key->type() == QEvent::ShortcutOverride) {
        key->accept();
        return true;
    }
    if (EditorAdapter* editor = editorOf(watched))
        endEdit(*editor, EndEdit{EndEdit::Abandon, EndEdit::Stay});
    if (historyKeyPressed) historyKeyPressed(redo);
    return true;
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
        (watched == table_ || editorOf(watched) != nullptr))
        if (const auto history = historyKeyOf(*static_cast<QKeyEvent*>(event)))
            return historyKeyEvent(watched, static_cast<QKeyEvent*>(event),
                                   *history == HistoryKey::Redo);
    if (type == QEvent::MouseButtonPress &&
        (watched == table_->viewport() || watched == table_->verticalHeader()->viewport()))
        return gridMousePress(watched, event);
    // The frame stays cut to the grid's viewport when a scroll bar appearing makes it smaller.
    if (type == QEvent::Resize && watched == table_->viewport() && !frame_->isHidden()) {
        picture1_->applyGeometry();
        layoutEditors();
    }
    if (watched == table_ && type == QEvent::KeyPress)
        return gridKeyPress(static_cast<QKeyEvent*>(event));
    if (watched == frame_ && type == QEvent::Show) describeEditors();
    if (watched == button_ && (type == QEvent::Show || type == QEvent::Resize)) fitButtonCaption();
    if (EditorAdapter* editor = editorOf(watched)) return editorEvent(*editor, watched, event);
    return QObject::eventFilter(watched, event);
}

}  // namespace zelvane::qt
