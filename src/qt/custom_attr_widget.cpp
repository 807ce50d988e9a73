#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QMimeData>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_map>
#include <zelvane/qt/custom_attr_widget.hpp>

#include "qt/filter_bar.hpp"
#include "qt/qt_platform.hpp"

namespace zelvane::qt {
namespace {

// The area the control's own widgets live in: the control's size is its size.
class ControlArea final : public QWidget {
  public:
    explicit ControlArea(QWidget* parent) : QWidget(parent) {}
    std::function<void()> resized;

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (resized) resized();
    }
};

QByteArray bytesOf(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

}  // namespace

QString CustomAttrWidget::defaultComponentFolder() {
    for (const char* dir : {ZLV_BUILD_COMPONENT_DIR, ZLV_INSTALL_COMPONENT_DIR})
        if (QDir(dir).exists("Templates/CustomAttrView.xml")) return dir;
    return ZLV_INSTALL_COMPONENT_DIR;
}

CustomAttrWidget::CustomAttrWidget(const QString& componentFolder, QWidget* parent)
    : QWidget(parent), componentFolder_(componentFolder), filterBar_(new FilterBar(this)) {
    auto* area = new ControlArea(this);
    body_ = area;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(filterBar_);
    layout->addWidget(body_, 1);
    filterBar_->hide();
    const QString folder = componentFolder.isEmpty() ? defaultComponentFolder() : componentFolder;
    platform_ = std::make_unique<QtPlatform>(body_, folder.toStdString());
    control_ = std::make_unique<ZlvCustomAttr>(*platform_);
    area->resized = [this] { platform_->controlResized(); };
    filterBar_->changed = [this] {
        const RowFilter f = filterBar_->filter();
        control_->setRowFilter(f.text, f.which);
    };
    addClipboardKeys();
    connectControl();
    setFocusProxy(platform_->tableView());
    control_->onUndoStateChanged(
        [this](bool canUndo, bool canRedo) { emit undoStateChanged(canUndo, canRedo); });
    platform_->historyKeyPressed = [this](bool redo) {
        redo ? control_->redo() : control_->undo();
    };
    platform_->qtGrid().model()->setChangedQuery([this](const Row& row) {
        return control_ && row.index() >= 0 && control_->rowIsChanged(row.index());
    });
    resize(480, 320);
}

// The control's events and the platform's end of a validation pass become the signals.
void CustomAttrWidget::connectControl() {
    control_->onPickerButtonClicked(
        [this](KeyedCollection& selectionColl) { emit PickerButtonClicked(selectionColl); });
    control_->onDataChangedFlag([this](bool changed) { emit dataChangedFlagChanged(changed); });
    control_->onValueWritten(
        [this](const std::string& attributeId, const std::string& value, const std::string& id) {
            emit valueWritten(QString::fromStdString(attributeId), QString::fromStdString(value),
                              QString::fromStdString(id));
        });
    platform_->validated = [this] {
        markProblems();
        int count = 0;
        for (const RowProblems& p : control_->lastValidationProblems())
            count += static_cast<int>(p.messages.size());
        emit validationFinished(count);
    };
}

CustomAttrWidget::~CustomAttrWidget() {
    control_.reset();
    platform_.reset();
}

// Width of the shown columns and the row selectors, height of the header and up to ten rows.
// The widths are those the layout gave the columns, so the hint stays the same whatever size
// the widget has now: the last shown column, stretched to the view's width, counts with its own
// width.
QSize CustomAttrWidget::sizeHint() const {
    QTableView* view = platform_->tableView();
    const RowSet* rowSet = platform_->qtGrid().rowSet();
    // The row selectors are never narrower than their minimum width, whatever their hint says.
    const QHeaderView* selectors = view->verticalHeader();
    int width =
        std::max(selectors->sizeHint().width(), selectors->minimumWidth()) + 2 * view->frameWidth();
    // The model has only the shown columns.
    const RowSetModel* model = platform_->qtGrid().model();
    const int last = model->columnCount() - 1;
    for (int c = 0; c < last; ++c) width += view->columnWidth(c);
    if (last >= 0 && rowSet)
        width += twipsToPixels(view, rowSet->column(model->position(last)).width);
    const int rows = std::clamp(view->model()->rowCount(), 4, 10);
    // A longer list scrolls: its scroll bar takes room beside the columns.
    if (view->model()->rowCount() > rows)
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    const int bar = filterBar_->isHidden() ? 0 : filterBar_->sizeHint().height();
    const int height = bar + view->horizontalHeader()->sizeHint().height() +
                       rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth();
    return {std::clamp(width, 240, 900), height};
}

QSize CustomAttrWidget::minimumSizeHint() const { return {160, 80}; }

void CustomAttrWidget::markProblems() {
    std::unordered_map<const Row*, QString> marks;
    const RowSet* rows = platform_->qtGrid().rowSet();
    for (const RowProblems& p : control_->lastValidationProblems()) {
        if (!rows || p.rowIndex < 0 || p.rowIndex >= rows->recordCount()) continue;
        QStringList lines;
        for (const std::string& m : p.messages) lines << QString::fromStdString(m);
        marks[rows->row(p.rowIndex).get()] = lines.join('\n');
    }
    platform_->qtGrid().model()->setProblemMarks(std::move(marks));
}

void CustomAttrWidget::setMessageSink(std::function<void(const std::string&)> sink) {
    platform_->qtHost().sink = std::move(sink);
}

QTableView* CustomAttrWidget::gridView() const { return platform_->tableView(); }
QLineEdit* CustomAttrWidget::textBox() const { return platform_->lineEdit(); }
QPushButton* CustomAttrWidget::selectButton() const { return platform_->selectButton(); }
QDateTimeEdit* CustomAttrWidget::dateEdit() const { return platform_->dateEdit(); }
QComboBox* CustomAttrWidget::dropDown() const { return platform_->dropDown(); }
QWidget* CustomAttrWidget::editorFrame() const { return platform_->frame(); }
bool CustomAttrWidget::rowIsMarked(int row) const {
    return platform_->qtGrid().model()->isMarked(row);
}

// The control follows the size of its area below the filter bar.
void CustomAttrWidget::resizeEvent(QResizeEvent* event) { QWidget::resizeEvent(event); }

void CustomAttrWidget::setFilterBarVisible(bool visible) { filterBar_->setVisible(visible); }
bool CustomAttrWidget::filterBarVisible() const { return !filterBar_->isHidden(); }
QLineEdit* CustomAttrWidget::filterField() const { return filterBar_->field(); }
QToolButton* CustomAttrWidget::filterToggle(RowFilterFlags which) const {
    return filterBar_->toggle(which);
}

// Ctrl+F anywhere in the control; copy and paste only on the grid, so that the editors and
// the filter field keep their own.
void CustomAttrWidget::addClipboardKeys() {
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        setFilterBarVisible(true);
        filterField()->setFocus(Qt::ShortcutFocusReason);
        filterField()->selectAll();
    });
    auto* copy = new QShortcut(QKeySequence::Copy, gridView());
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, [this] { copyToClipboard(); });
    auto* paste = new QShortcut(QKeySequence::Paste, gridView());
    paste->setContext(Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, [this] { pasteFromClipboard(); });
}

void CustomAttrWidget::copyToClipboard() {
    const ClipboardPayload payload = control_->copySelection();
    if (payload.text.empty() && payload.attributes.empty()) return;
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(payload.text));
    mime->setData(
        QString::fromUtf8(kAttributesMimeType.data(), qsizetype(kAttributesMimeType.size())),
        bytesOf(payload.attributes));
    QApplication::clipboard()->setMimeData(mime);
}

void CustomAttrWidget::pasteFromClipboard() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime) return;
    const QString format =
        QString::fromUtf8(kAttributesMimeType.data(), qsizetype(kAttributesMimeType.size()));
    const QByteArray own = mime->data(format);
    const PasteResult result = control_->paste(
        {mime->text().toStdString(), std::string(own.constData(), std::size_t(own.size()))});
    if (result.pasted) return;
    const QString reason = QString::fromStdString(result.reason);
    QStatusTipEvent tip(reason);
    QApplication::sendEvent(this, &tip);
    emit pasteRefused(reason);
}

}  // namespace zelvane::qt
