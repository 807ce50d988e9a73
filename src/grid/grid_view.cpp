#include "grid/grid_view.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>
#include <zelvane/attribute_kinds.hpp>
#include <zelvane/error.hpp>

#include "rows/stored_rows.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

int intAttribute(const xml::XmlNode& node, std::string_view name, int fallback) {
    const std::string text = node.attribute(name);
    int value = fallback;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() ? value : fallback;
}

Column columnFromTemplate(const xml::XmlNode& node) {
    Column c;
    c.key = node.attribute("key");
    c.source = node.attribute("source");
    c.kind = node.attribute("type") == "boolean" ? ColumnKind::Boolean : ColumnKind::Text;
    c.style = intAttribute(node, "style", 0);
    c.activation = intAttribute(node, "activation", 0);
    c.hidden = node.attribute("hidden") == "true";
    c.width = intAttribute(node, "width", 1500);
    c.caption = node.attribute("caption");
    return c;
}

// Fills rows from row elements. Text columns load their source attribute ("" when missing or
// without source); Boolean columns start unset; the first of two attributes with the same
// name wins. Row elements usually list their attributes in the same order, so the columns of
// the attribute at each place are remembered and a name is looked up only when it differs.
class RowFiller {
  public:
    explicit RowFiller(const std::vector<Column>& columns) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].kind != ColumnKind::Text) continue;
            textPositions_.push_back(static_cast<int>(i));
            if (!columns[i].source.empty())
                sources_[columns[i].source].push_back(textPositions_.size() - 1);
        }
        texts_.resize(textPositions_.size());
    }

    // Reads the texts of a row element; returns their total size. A slot not loaded yet holds
    // a view without data (attribute texts always have some, "" included).
    std::size_t read(const xml::XmlNode& element) {
        std::fill(texts_.begin(), texts_.end(), std::string_view());
        element.attributes(attributes_);
        std::size_t bytes = 0;
        for (std::size_t place = 0; place < attributes_.size(); ++place) {
            const std::vector<std::size_t>* targets = targetsAt(place, attributes_[place].name);
            if (targets == nullptr) continue;
            const std::string_view text = attributes_[place].value;
            for (std::size_t t : *targets) {
                if (texts_[t].data() != nullptr) continue;
                texts_[t] = text;
                bytes += text.size();
            }
        }
        return bytes;
    }

    // Writes the texts last read into the row.
    void store(StoredRow& row) const { row.setTexts(textPositions_, texts_); }

  private:
    struct Guess {
        std::string name;
        const std::vector<std::size_t>* targets = nullptr;
    };

    // The text slots an attribute name loads, or null when none.
    const std::vector<std::size_t>* targetsAt(std::size_t place, const char* name) {
        if (place < guesses_.size() && std::strcmp(name, guesses_[place].name.c_str()) == 0)
            return guesses_[place].targets;
        auto it = sources_.find(name);
        const std::vector<std::size_t>* targets = it == sources_.end() ? nullptr : &it->second;
        if (place >= guesses_.size()) guesses_.resize(place + 1);
        guesses_[place] = {std::string(name), targets};
        return targets;
    }

    std::vector<int> textPositions_;  // text slot -> column position
    std::unordered_map<std::string_view, std::vector<std::size_t>> sources_;  // name -> slots
    std::vector<Guess> guesses_;
    std::vector<xml::XmlAttributeView> attributes_;
    std::vector<std::string_view> texts_;
};

}  // namespace

GridView::~GridView() {
    if (rows_ && rows_->observer() == this) rows_->setObserver(nullptr);
}

void GridView::BuildLayout() {
    xml::XmlDocument doc;
    doc.loadXml(layoutXml_);
    xml::XmlNodeList nodes = doc.selectNodes("/gridLayout/band/column");
    layoutColumns_.clear();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        Column c = columnFromTemplate(nodes.item(i));
        if (!c.key.empty()) layoutColumns_.push_back(std::move(c));
    }
    // The rows shown so far stay until BuildRows has built their replacement: definitions
    // that BuildRows refuses leave the grid as it was.
}

// Each row element leaves the document once its row is built, so that the document shrinks
// while the rows grow. Elements with element children stay: a later row may lie inside one.
// Row elements are built as the selection reaches them; those past the 16-bit row limit are
// only counted, so that the overflow names their number and the rows shown so far stay.
void GridView::BuildRows() {
    xml::XmlDocument doc;
    doc.loadXmlInPlace(std::move(dataXml_));
    std::string().swap(dataXml_);
    auto rows = std::make_shared<StoredRowSet>(layoutColumns_);
    RowFiller filler(layoutColumns_);
    const std::size_t count = doc.forEachSelected(rowXPath_, [&](const xml::XmlNode& element) {
        if (rows->recordCount() >= kMaxRows) return;
        // Room for the value the row takes later, so that its block rarely moves again.
        constexpr std::size_t kHeadroom = 64;
        const std::size_t bytes = filler.read(element);
        filler.store(stored(*rows->appendRow(bytes + kHeadroom)));
        if (!element.hasChildElements()) doc.remove(element);
    });
    xml::checkNodeCount(count);
    BindRowSet(std::move(rows));
}

void GridView::BindRowSet(std::shared_ptr<RowSet> rows) {
    if (rows != rows_) {
        if (rows_ && rows_->observer() == this) rows_->setObserver(nullptr);
        rows_ = std::move(rows);
        activeRow_.reset();
        activeColumn_ = -1;
        selection_.clear();
        mayHideRows_ = false;  // a new row set starts with every row shown
    }
    if (rows_) rows_->setObserver(this);
    forgetDetachedRows();
    rowSetBound();
}

RowPtr GridView::RowByIndex(std::int16_t index) {
    if (!rows_ || index < 0 || index >= rows_->recordCount())
        throw ZlvError("Invalid row index " + std::to_string(index) + ": no such row in the grid");
    return rows_->row(index);
}

std::optional<CellRef> GridView::activeCell() const {
    if (!activeRow_ || activeColumn_ < 0) return std::nullopt;
    return CellRef{activeRow_, activeColumn_};
}

void GridView::setActiveCell(const CellRef& cell) {
    if (!cell.row || cell.row->owner() != rows_.get()) {
        activeRow_.reset();
        activeColumn_ = -1;
        return;
    }
    if (cell.column < 0 || cell.column >= rows_->columnCount())
        throw ZlvError("No column at position " + std::to_string(cell.column));
    activeRow_ = cell.row;
    activeColumn_ = cell.column;
}

void GridView::setActiveRow(const RowPtr& row) {
    activeRow_ = row && row->owner() == rows_.get() ? row : nullptr;
    activeColumn_ = -1;
}

std::string GridView::cellText(const CellRef& cell) const {
    if (!cell.row) throw ZlvError("Object variable not set: no cell");
    return cellTextOrEmpty(cell.row->value(cell.column));
}

Column& GridView::column(int position) {
    if (!rows_) throw ZlvError("The grid has no columns yet");
    return rows_->column(position);
}

Column& GridView::column(std::string_view key) {
    if (!rows_) throw ZlvError("The grid has no columns yet");
    return rows_->column(rows_->columnIndex(key));
}

void GridView::selectRow(const RowPtr& row) {
    if (!row || row->owner() != rows_.get()) throw ZlvError("The row is not in the grid");
    if (std::find(selection_.begin(), selection_.end(), row) == selection_.end())
        selection_.push_back(row);
}

RowPtr GridView::selectedRow(int index) const {
    if (index < 0 || index >= selectedCount())
        throw ZlvError("Invalid selection index " + std::to_string(index));
    return selection_[static_cast<std::size_t>(index)];
}

void GridView::DeleteSelectedRows() {
    if (selection_.empty() || !rows_ || rowDeletion_ == kStopRowDeletion) return;
    bool displayPrompt = true;
    bool cancel = false;
    if (events_) events_->BeforeRowsDeleted(selection_, displayPrompt, cancel);
    if (cancel) return;
    rows_->removeRows(selection_);
    selection_.clear();
    forgetDetachedRows();
    rowsRemoved();
}

void GridView::RequestEditor(std::int32_t mode, WindowControl* frame,
                             const std::string& controlType) {
    if (events_) events_->EditorPlacement(mode, frame, controlType);
}

Appearance& GridView::overrideAppearance(char name) {
    if (name == 'A') return appearanceA_;
    if (name == 'B') return appearanceB_;
    throw ZlvError(std::string("No override appearance '") + name + "'");
}

void GridView::setRowPicture(const RowPtr& row, std::shared_ptr<const Picture> picture) {
    if (!row) throw ZlvError("Object variable not set: no row for the picture");
    row->setPicture(std::move(picture));
}

// Only a change of some row's display moves rows on screen and is passed on.
void GridView::setRowDisplay(const std::vector<RowDisplay>& display) {
    if (!rows_) return;
    bool hidden = false;
    bool changed = false;
    for (int i = 0; i < rows_->recordCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const RowDisplay d = at < display.size() ? display[at] : RowDisplay::Shown;
        Row& row = *rows_->row(i);
        changed = changed || row.display() != d;
        row.setDisplay(d);
        hidden = hidden || d == RowDisplay::Hidden;
    }
    mayHideRows_ = hidden;
    if (changed) rowDisplayChanged();
}

std::vector<int> GridView::visibleColumns() const {
    std::vector<int> shown;
    if (!rows_) return shown;
    for (int i = 0; i < rows_->columnCount(); ++i)
        if (!rows_->column(i).hidden) shown.push_back(i);
    return shown;
}

void GridView::forgetDetachedRows() {
    if (activeRow_ && activeRow_->owner() != rows_.get()) {
        activeRow_.reset();
        activeColumn_ = -1;
    }
    std::erase_if(selection_, [&](const RowPtr& r) { return r->owner() != rows_.get(); });
}

}  // namespace zelvane
