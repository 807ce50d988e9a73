#include "editing/clipboard_rows.hpp"

#include <algorithm>

#include "model/columns.hpp"

namespace zelvane {
namespace {

void appendEscaped(std::string& out, std::string_view field) {
    for (const char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
}

// A field up to the next tab or the line's end, escapes undone; none for a broken escape.
std::optional<std::string> readField(std::string_view line, std::size_t& at) {
    std::string field;
    for (; at < line.size() && line[at] != '\t'; ++at) {
        if (line[at] != '\\') {
            field += line[at];
            continue;
        }
        if (++at == line.size()) return std::nullopt;
        const char e = line[at];
        if (e == 't')
            field += '\t';
        else if (e == 'n')
            field += '\n';
        else if (e == 'r')
            field += '\r';
        else if (e == '\\')
            field += '\\';
        else
            return std::nullopt;
    }
    return field;
}

std::optional<CopiedRow> readLine(std::string_view line) {
    std::size_t at = 0;
    std::optional<std::string> fields[3];
    for (int f = 0; f < 3; ++f) {
        if (f > 0 && (at >= line.size() || line[at++] != '\t')) return std::nullopt;
        fields[f] = readField(line, at);
        if (!fields[f]) return std::nullopt;
    }
    if (at != line.size()) return std::nullopt;
    return CopiedRow{std::move(*fields[0]), std::move(*fields[1]), std::move(*fields[2])};
}

void appendRow(ClipboardPayload& payload, const Row& row) {
    const std::string_view value = stored(row).textOrEmpty(col::Value);
    payload.text.append(stored(row).textOrEmpty(col::Attribute)).append("\t").append(value);
    payload.text += '\n';
    appendEscaped(payload.attributes, stored(row).textOrEmpty(col::AttributeID));
    payload.attributes += '\t';
    appendEscaped(payload.attributes, stored(row).textOrEmpty(col::valueId));
    payload.attributes += '\t';
    appendEscaped(payload.attributes, value);
    payload.attributes += '\n';
}

std::vector<RowPtr> selectedInRowOrder(const Grid& grid) {
    std::vector<RowPtr> rows;
    for (int i = 0; i < grid.selectedCount(); ++i) rows.push_back(grid.selectedRow(i));
    std::sort(rows.begin(), rows.end(),
              [](const RowPtr& a, const RowPtr& b) { return a->index() < b->index(); });
    return rows;
}

}  // namespace

ClipboardPayload copySelection(const Grid& grid) {
    ClipboardPayload payload;
    const std::vector<RowPtr> rows = selectedInRowOrder(grid);
    for (const RowPtr& row : rows) appendRow(payload, *row);
    const RowPtr active = grid.activeRow();
    if (!rows.empty() || !active) return payload;
    appendRow(payload, *active);
    payload.text = stored(*active).textOrEmpty(col::Value);
    return payload;
}

std::optional<std::vector<CopiedRow>> readCopiedRows(std::string_view attributes) {
    if (attributes.empty() || attributes.back() != '\n') return std::nullopt;
    std::vector<CopiedRow> rows;
    for (std::size_t start = 0; start < attributes.size();) {
        const std::size_t end = attributes.find('\n', start);
        auto row = readLine(attributes.substr(start, end - start));
        if (!row) return std::nullopt;
        rows.push_back(std::move(*row));
        start = end + 1;
    }
    return rows;
}

}  // namespace zelvane
