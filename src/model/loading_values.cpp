#include "model/loading_values.hpp"

#include <cstdint>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>
#include <zelvane/attribute_kinds.hpp>
#include <zelvane/error.hpp>

#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "model/dependant_chain.hpp"
#include "rows/case_index.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kValuePath = "/cas/ca";

// The values document's entries by id, compared ignoring case; ids and values trimmed of
// blanks and viewed where the document holds them. A second id that differs only in letter
// case fails the whole load before any row is written.
class ValueIndex {
    struct Entry {
        std::string_view id, value;
    };

    auto idAt() const {
        return [this](std::size_t i) { return entries_[i].id; };
    }

  public:
    // Reads the entries as the walk reaches them and indexes them once all are read. Entries
    // past the 16-bit limit are only counted, so that the overflow names their number and
    // comes before a repeated id, as it does for a counted list.
    explicit ValueIndex(const std::string& strAttrvalues) {
        doc_.loadXml(strAttrvalues);
        const std::size_t count = doc_.forEachSelected(kValuePath, [&](const xml::XmlNode& node) {
            if (entries_.size() >= kMaxEntries) return;
            static constexpr std::string_view kNames[] = {"id", "value"};
            std::string_view idAndValue[2];
            node.attributeViews(kNames, idAndValue);
            entries_.push_back(
                {text::trimBlanksView(idAndValue[0]), text::trimBlanksView(idAndValue[1])});
        });
        xml::checkNodeCount(count);
        const std::size_t repeated = case_index::insertAll(slots_, used_, entries_.size(), idAt());
        if (repeated != std::string_view::npos)
            throw case_index::duplicateKeyError(entries_[repeated].id);
    }

    // The value under an id, "" when there is none.
    std::string_view valueOf(std::string_view id) const {
        const std::size_t p = case_index::find(slots_, id, idAt());
        return p == std::string_view::npos ? std::string_view() : entries_[p].value;
    }

    // The values under up to case_index::kFindBlock ids at once, "" where there is none.
    void valuesOf(const std::string_view* ids, std::size_t count, std::string_view* out) const {
        std::size_t positions[case_index::kFindBlock];
        count = std::min(count, case_index::kFindBlock);
        case_index::findBlock(
            slots_, ids, count, idAt(), [this](std::size_t i) { __builtin_prefetch(&entries_[i]); },
            positions);
        for (std::size_t i = 0; i < count; ++i)
            out[i] = positions[i] == std::string_view::npos ? std::string_view()
                                                            : entries_[positions[i]].value;
    }

  private:
    static constexpr std::size_t kMaxEntries = kMaxRows;

    xml::XmlDocument doc_;
    std::vector<Entry> entries_;
    case_index::Slots slots_;
    std::size_t used_ = 0;
};

// True when the row took a value and starts clearing its dependants.
bool loadPickerValue(Row& row, std::string_view newValue) {
    if (newValue.empty()) return false;
    std::string id, display;
    splitIdAndText(newValue, id, display);
    stored(row).setText(col::Value, display);
    stored(row).setText(col::valueId, id);
    return hasDependants(row);
}

void loadDateValue(const DisplayPatterns& patterns, Row& row, std::string_view newValue) {
    const std::string_view dateType = stored(row).textOrThrow(col::dateType);
    if (newValue.empty()) return;
    const std::string& pattern = patterns.forDateType(dateType);
    stored(row).setText(col::Value, formatDateText(newValue, pattern));
}

// The values of a block of rows, looked up together while the rows are at hand: values[i]
// is the value of the row at first + i, for the first `known` rows of the block (fewer at the
// end of the row set). An unset id is looked up as ""; loading that row fails on its id.
struct BlockValues {
    std::string_view values[case_index::kFindBlock];
    std::size_t known = 0;

    void lookUp(const RowSet& rows, int first, const ValueIndex& index) {
        std::string_view ids[case_index::kFindBlock];
        known = 0;
        const int idColumn = stored(rows).columnIndex(col::AttributeID);
        for (;
             known < case_index::kFindBlock && first + static_cast<int>(known) < rows.recordCount();
             ++known) {
            ids[known] = stored(*rows.row(first + static_cast<int>(known))).textOrEmpty(idColumn);
        }
        index.valuesOf(ids, known, values);
    }
};

// Writes the row's value from the document in the display form of its control type. True
// when the row starts clearing its dependants. known is the row's value when looked up
// already.
bool loadRow(const DisplayPatterns& patterns, Row& row, const ValueIndex& values,
             const std::optional<std::string_view>& known) {
    const std::string_view controlType = stored(row).textOrThrow(col::ControlType);
    const bool picker = control_type::holdsIdAndText(controlType);
    const bool date = controlType == control_type::kDate;
    const std::string_view id = stored(row).textOrThrow(col::AttributeID);
    const std::string_view newValue = known ? *known : values.valueOf(id);
    if (picker) return loadPickerValue(row, newValue);
    if (date) {
        loadDateValue(patterns, row, newValue);
    } else if (!newValue.empty()) {
        stored(row).setText(col::Value, newValue);
    }
    return false;
}

}  // namespace

void SetData(const ControlModel& model, const RowSet* gridRows, const std::string& strAttrvalues) {
    const ValueIndex values(strAttrvalues);
    // Dependants emptied by a parent's clearing are visited in their own turn afterwards and
    // take back a value the document holds for them; one sweep does every parent's clearing.
    DependantSweep clearing(clearValueAndId);
    const bool ownRows = model.rowSet != nullptr && gridRows == model.rowSet.get();
    BlockValues block;
    int next = 0;
    forEachRow(gridRows, [&](const RowPtr& row) {
        const std::size_t at = static_cast<std::size_t>(next) % case_index::kFindBlock;
        if (ownRows && at == 0) block.lookUp(*model.rowSet, next, values);
        ++next;
        clearing.visit(row);
        std::optional<std::string_view> known;
        if (ownRows && at < block.known) known = block.values[at];
        if (loadRow(model.patterns, *row, values, known)) clearing.startWalk(row);
    });
}

}  // namespace zelvane
