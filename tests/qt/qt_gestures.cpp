#include "qt_gestures.hpp"

#include <QClipboard>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

#include "qt/row_set_model.hpp"

namespace qttest {

using zlvtest::Editor;
using zlvtest::Key;

namespace {

// The model behind a grid view.
zelvane::qt::RowSetModel& modelOf(QTableView* view) {
    auto* model = qobject_cast<zelvane::qt::RowSetModel*>(view->model());
    if (model == nullptr) throw std::logic_error("the grid view shows no row set model");
    return *model;
}

// The grid's index of a cell; invalid when its column is hidden or the view has no such row.
QModelIndex cellIndex(zelvane::qt::CustomAttrWidget& w, int row, std::string_view key) {
    const auto rows = w.control().platform().grid().GetRowSet();
    if (!rows) return {};
    const int column = modelOf(w.gridView()).viewColumn(rows->findColumn(key));
    return column < 0 ? QModelIndex() : w.gridView()->model()->index(row, column);
}

// Scrolls the cell into view and clicks it, twice for a double-click.
void clickIndex(QTableView* view, const QModelIndex& index, bool twice) {
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

QtGestures::QtGestures()
    : field(new QLineEdit("host's own field", &window)),
      widget(new zelvane::qt::CustomAttrWidget(QString::fromStdString(zlvtest::resourceDir()),
                                               &window)) {
    window.resize(820, 640);
    field->setGeometry(4, 4, 200, 24);
    widget->setGeometry(0, 32, 700, 420);
    widget->setMessageSink([this](const std::string& m) { messages_.push_back(m); });
    using Widget = zelvane::qt::CustomAttrWidget;
    QObject::connect(widget, &Widget::valueWritten, [this](auto id, auto value, auto valueId) {
        noteWritten(id.toStdString(), value.toStdString(), valueId.toStdString());
    });
    QObject::connect(widget, &Widget::dataChangedFlagChanged, [this](bool c) { noteFlag(c); });
    window.show();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    widget->gridView()->setFocus();
    settle();
}

// Lets the gesture's events run; when a list or calendar closed, gives the activation back to
// the host window as a window manager does and the offscreen platform does not.
void QtGestures::settle() {
    QApplication::processEvents();
    if (!QApplication::activePopupWidget() && QApplication::activeWindow() != &window) {
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
}

QtGestures::~QtGestures() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

QModelIndex QtGestures::index(int row, std::string_view key) {
    return cellIndex(*widget, row, key);
}

QModelIndex QtGestures::shownCell(int row, std::string_view key) {
    const QModelIndex at = index(row, key);
    QTableView* view = widget->gridView();
    if (!at.isValid()) return {};
    view->scrollTo(at);
    settle();
    return view->viewport()->rect().intersects(view->visualRect(at)) ? at : QModelIndex();
}

bool QtGestures::clickCell(int row, std::string_view key, bool twice) {
    const QModelIndex at = shownCell(row, key);
    if (at.isValid()) clickIndex(widget->gridView(), at, twice);
    settle();
    return at.isValid();
}

bool QtGestures::clickRowSelector(int row) {
    if (!shownCell(row, "Attribute").isValid()) return false;
    clickSelector(widget->gridView(), row);
    settle();
    return true;
}

// A click on the cell's check box.
bool QtGestures::toggleCheck(int row, std::string_view key) {
    const QModelIndex index = shownCell(row, key);
    if (!index.isValid()) return false;
    QTableView* view = widget->gridView();
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
    settle();
    return true;
}

// Key by key, as a keyboard sends them; a character outside ASCII comes with no key code.
void QtGestures::typeInto(QWidget* target, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, length);
        const char16_t c = ch.at(0).unicode();
        const Qt::Key key = c < 128 && QChar(c).isLetterOrNumber()
                                ? Qt::Key(QChar(c).toUpper().unicode())
                                : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, target, key, ch, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, ch, Qt::NoModifier);
        i += length - 1;
    }
    settle();
}

bool QtGestures::typeText(const std::string& text) {
    QLineEdit* box = widget->textBox();
    if (!box->isVisible() || box->isReadOnly()) return false;
    if (!box->hasFocus()) QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.empty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        typeInto(box, QString::fromStdString(text));
    return true;
}

bool QtGestures::pressKey(Key key) {
    tabbed_ = key == Key::Tab || key == Key::ShiftTab;
    QLineEdit* box = widget->textBox();
    QWidget* target = QApplication::focusWidget();
    if (key == Key::Delete)
        target = box->isVisible() ? box : static_cast<QWidget*>(widget->gridView());
    if (target == box && key == Key::Delete)
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    if (!target) return false;
    const Qt::Key codes[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape,
                             Qt::Key_Delete};
    const Qt::Key code = codes[static_cast<int>(key)];
    const auto modifiers = key == Key::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(target, code, modifiers);
    settle();
    return true;
}

bool QtGestures::historyKey(bool redo) {
    QWidget* target = QApplication::focusWidget();
    if (!target || !widget->isAncestorOf(target)) target = widget->gridView();
    const QLineEdit* box = widget->textBox();
    const bool ownUndo = target == box && (redo ? box->isRedoAvailable() : box->isUndoAvailable());
    const bool reaches = !ownUndo && (redo ? control().canRedo() : control().canUndo());
    QTest::keyClick(target, Qt::Key_Z,
                    redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    settle();
    return reaches;
}

// F4 opens the list; Home, Down to the entry and Enter choose it.
bool QtGestures::chooseEntry(int index) {
    QComboBox* combo = widget->dropDown();
    if (!combo->isVisible() || index < 0 || index >= combo->count()) return false;
    if (!combo->view()->isVisible()) QTest::keyClick(combo, Qt::Key_F4);
    QAbstractItemView* list = combo->view();
    if (!list->isVisible()) return false;
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    settle();
    return true;
}

// Selects the first section of the date editor and types the digits of the date in its own
// display format: each section taken whole moves the editor on to the next.
bool QtGestures::pickDate(const zelvane::DateTime& v) {
    QDateTimeEdit* date = widget->dateEdit();
    if (!date->isVisible()) return false;
    if (!date->hasFocus())
        QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(4, date->height() / 2));
    const QDateTime value(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second));
    const QString text = value.toString(date->displayFormat());
    QString digits;
    for (const QChar c : text)
        if (c.isDigit()) digits += c;
    QTest::keyClick(date, Qt::Key_Home);
    for (qsizetype i = 0; i < text.size() && text.at(i).isDigit(); ++i)
        QTest::keyClick(date, Qt::Key_Right, Qt::ShiftModifier);
    typeInto(date, digits);
    QTest::keyClick(date, Qt::Key_Return);
    settle();
    return true;
}

bool QtGestures::pressSelect() {
    QPushButton* button = widget->selectButton();
    if (!button->isVisible()) return false;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    settle();
    return true;
}

void QtGestures::onPick(std::function<void(zelvane::KeyedCollection&)> handler) {
    QObject::connect(widget, &zelvane::qt::CustomAttrWidget::PickerButtonClicked, widget,
                     std::move(handler));
}

// Scale units as the host gives them, in pixels as far as a screen reaches.
void QtGestures::resize(int width, int height) {
    const bool twips = control().platform().host().scaleMode() == zelvane::ScaleMode::Twips;
    auto pixels = [twips](int units) { return std::clamp(twips ? units / 15 : units, 0, 1600); };
    widget->resize(pixels(width), pixels(height));
    settle();
}

// The scroll bar's thumb dragged to the row.
bool QtGestures::scrollTo(int topRow) {
    QScrollBar* bar = widget->gridView()->verticalScrollBar();
    const int before = bar->value();
    bar->setValue(topRow);
    settle();
    return bar->value() != before;
}

// Ctrl+F on the grid (clicked into first) shows the filter bar; Escape clears it, then the text is
// typed and the toggles clicked. The focus goes back to the grid, as a click into it would take it.
void QtGestures::filter(const std::string& text, zelvane::RowFilterFlags which) {
    widget->gridView()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget->gridView(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(widget->filterField(), Qt::Key_Escape);
    typeInto(widget->filterField(), QString::fromStdString(text));
    for (const unsigned bit : {1u, 2u, 4u})
        if (hasFlag(which, zelvane::RowFilterFlags(bit)))
            QTest::mouseClick(widget->filterToggle(zelvane::RowFilterFlags(bit)), Qt::LeftButton);
    widget->gridView()->setFocus(Qt::MouseFocusReason);
    settle();
}

static const QString kOwnFormat = QString::fromUtf8(zelvane::kAttributesMimeType.data());

// Ctrl+C on the grid, then both formats read back from the clipboard.
zelvane::ClipboardPayload QtGestures::copy() {
    QApplication::clipboard()->clear();
    widget->gridView()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget->gridView(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime) return {};
    return {mime->text().toStdString(), mime->data(kOwnFormat).toStdString()};
}

// The payload put on the clipboard as another program would (the own format only when it
// has rows), then Ctrl+V on the grid; a refusal is heard from the widget's signal.
zelvane::PasteResult QtGestures::paste(const zelvane::ClipboardPayload& payload) {
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(payload.text));
    if (!payload.attributes.empty())
        mime->setData(kOwnFormat, QByteArray::fromStdString(payload.attributes));
    QApplication::clipboard()->setMimeData(mime);
    widget->gridView()->setFocus(Qt::MouseFocusReason);
    zelvane::PasteResult result{true, {}};
    const QMetaObject::Connection heard = QObject::connect(
        widget, &zelvane::qt::CustomAttrWidget::pasteRefused, [&result](const QString& reason) {
            result = {false, reason.toStdString()};
        });
    QTest::keyClick(widget->gridView(), Qt::Key_V, Qt::ControlModifier);
    QObject::disconnect(heard);
    settle();
    return result;
}

// The rows the view does not hide, greyed ones (in the disabled text colour) in brackets.
std::string QtGestures::visibleRows() {
    QTableView* view = widget->gridView();
    const QColor grey = view->palette().color(QPalette::Disabled, QPalette::Text);
    std::string seen;
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        const QModelIndex at = index(r, "Attribute");
        const std::string name = at.data().toString().toStdString();
        const bool greyed = at.data(Qt::ForegroundRole).value<QBrush>().color() == grey;
        if (!view->isRowHidden(r))
            seen += (seen.empty() ? "" : " ") + (greyed ? "(" + name + ")" : name);
    }
    return seen;
}

// The editors by kind, the "Select" button before the text box beside it.
std::vector<std::pair<Editor, QWidget*>> QtGestures::editors() {
    return {{Editor::Select, widget->selectButton()},
            {Editor::DropDown, widget->dropDown()},
            {Editor::Date, widget->dateEdit()},
            {Editor::Text, widget->textBox()}};
}

Editor QtGestures::shownEditor() {
    if (widget->editorFrame()->isVisible())
        for (const auto& [kind, editor] : editors())
            if (editor->isVisible()) return kind;
    return Editor::None;
}

std::string QtGestures::editorText() {
    return (shownEditor() == Editor::DropDown ? widget->dropDown()->currentText()
                                              : widget->textBox()->text())
        .toStdString();
}

Editor QtGestures::focusedEditor() {
    QWidget* focus = QApplication::focusWidget();
    for (const auto& [kind, editor] : editors())
        if (focus && (focus == editor || editor->isAncestorOf(focus))) return kind;
    return Editor::None;
}

std::string QtGestures::viewProblem() {
    for (std::string problem : {editorProblem(), focusProblem(), modelProblem()})
        if (!problem.empty()) return problem;
    return {};
}

namespace {

// What of w can be seen, in the coordinates of top: its rectangle cut to its parents'.
QRect seenRect(const QWidget* w, const QWidget* top) {
    QRect r = rectIn(w, top);
    for (const QWidget* p = w->parentWidget(); p && p != top->parentWidget(); p = p->parentWidget())
        r &= rectIn(p, top);
    return r;
}

}  // namespace

// Every editor that can be seen lies inside the part of the grid's active cell that can be
// seen: the frame was placed over it, and every change of the active cell dismisses it.
std::string QtGestures::editorProblem() {
    QRect cell;
    const auto active = control().platform().grid().activeCell();
    QTableView* view = widget->gridView();
    if (active && active->row && active->row->index() >= 0) {
        const QRect r = view->visualRect(modelOf(view).cellIndex(*active->row, active->column));
        cell = QRect(view->viewport()->mapTo(widget, r.topLeft()), r.size()) &
               seenRect(view->viewport(), widget);
    }
    const std::pair<const char*, QWidget*> editors[] = {{"frame", widget->editorFrame()},
                                                        {"text box", widget->textBox()},
                                                        {"drop-down", widget->dropDown()},
                                                        {"date editor", widget->dateEdit()},
                                                        {"Select button", widget->selectButton()}};
    for (const auto& [name, e] : editors) {
        const QRect shown = seenRect(e, widget);
        if (e->isVisible() && !shown.isEmpty() && !cell.contains(shown))
            return std::string("the ") + name + " is seen away from the edit cell";
    }
    return {};
}

// The focus stays in the widget while no popup is open; Tab may hand it to the host's own
// field, where it stays until a click brings it back.
std::string QtGestures::focusProblem() {
    if (QApplication::activePopupWidget()) return {};
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == widget || widget->isAncestorOf(focus))) {
        outside_ = false;
        return {};
    }
    if (focus == field && (outside_ || tabbed_)) {
        outside_ = true;
        return {};
    }
    return std::string("the focus went to ") +
           (focus ? focus->metaObject()->className() : "no widget");
}

// The view shows the row set's rows, in its order.
std::string QtGestures::modelProblem() {
    const auto rows = control().platform().grid().GetRowSet();
    const zelvane::qt::RowSetModel& model = modelOf(widget->gridView());
    const int count = rows ? rows->recordCount() : 0;
    if (model.rowCount() != count)
        return "the view shows " + std::to_string(model.rowCount()) + " rows of " +
               std::to_string(count);
    for (int r = 0; r < count; ++r)
        if (model.rowAt(r) != rows->row(r))
            return "the view shows another row at " + std::to_string(r);
    return {};
}

std::vector<zlvtest::Def> formDefs(int notes) {
    const std::string rows[][4] = {{"W", "Weight", "TextBox", "5.00"},
                                   {"C", "Colour", "ComboBox", "Green"},
                                   {"S", "Start date", "Date", "15/03/2024"},
                                   {"K", "Country", "Picker", "Germany"},
                                   {"E", "Shade", "ComboBox", ""},
                                   {"T", "End date", "Date", ""}};
    std::vector<zlvtest::Def> defs;
    for (const auto& [id, name, type, value] : rows) {
        zlvtest::Def& d = defs.emplace_back(zlvtest::Def{id, name, type, "string", value});
        d.valueListId = type == "ComboBox" ? "VL_C" : type == "Picker" ? "VL_K" : "";
        d.dateType = type == "Date" ? "dateOnly" : "";
    }
    defs[kWeight].dataType = "number", defs[kWeight].mandatory = "true";
    defs[kWeight].allowedDecimalPlaces = "2", defs[kCountry].event = "Standard";
    for (int i = 0; i < notes; ++i)
        defs.push_back({"N" + std::to_string(i), "Note " + std::to_string(i), "TextBox", "number"});
    return defs;
}

EditorForm::EditorForm(int notes, const std::string& mode) {
    control().setValueListProvider([](const std::string&, const std::string&) {
        return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}, {"3", "Blue"}};
    });
    onPick([this](zelvane::KeyedCollection&) {
        ++picks;
        widget->setCellValue("FR", "France", true);
    });
    init(mode, formDefs(notes));
}

}  // namespace qttest
