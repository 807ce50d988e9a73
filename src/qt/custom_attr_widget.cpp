#include <QDir>
#include <QHeaderView>
#include <QResizeEvent>
#include <QStyle>
#include <algorithm>
#include <unordered_map>
#include <zelvane/qt/custom_attr_widget.hpp>

#include "qt/qt_platform.hpp"

namespace zelvane::qt {

QString CustomAttrWidget::defaultComponentFolder() {
    for (const char* dir : {ZLV_BUILD_COMPONENT_DIR, ZLV_INSTALL_COMPONENT_DIR})
        if (QDir(dir).exists("Templates/CustomAttrView.xml")) return dir;
    return ZLV_INSTALL_COMPONENT_DIR;
}

CustomAttrWidget::CustomAttrWidget(const QString& componentFolder, QWidget* parent)
    : QWidget(parent), componentFolder_(componentFolder) {
    const QString folder = componentFolder.isEmpty() ? defaultComponentFolder() : componentFolder;
    platform_ = std::make_unique<QtPlatform>(this, folder.toStdString());
    control_ = std::make_unique<ZlvCustomAttr>(*platform_);
    connectControl();
    setFocusProxy(platform_->tableView());
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
    const int height = view->horizontalHeader()->sizeHint().height() +
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

void CustomAttrWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    platform_->controlResized();
}

}  // namespace zelvane::qt
