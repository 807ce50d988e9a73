#include "gestures.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <zelvane/contracts/platform.hpp>

namespace zlvtest {

std::string resourceDir() { return ZLV_RESOURCE_DIR; }

std::string readSample(const std::string& name) {
    std::ifstream in(resourceDir() + "/samples/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing sample " + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Gestures::load(const std::string& mode, const std::string& definitions) {
    control().setMode(mode);
    control().setDateOnlyFormat("dd/MM/yyyy");
    control().setTimeOnlyFormat("hh:mm");
    control().setDateTimeFormat("dd/MM/yyyy hh:mm");
    control().setAttributeXML(definitions);
    control().Intialize();
}

int Gestures::rowCount() {
    auto rows = control().platform().grid().GetRowSet();
    return rows ? rows->recordCount() : 0;
}

std::string Gestures::cell(int row, std::string_view key) {
    if (row < 0 || row >= rowCount()) return "<none>";
    return zelvane::cellTextOrEmpty(control().platform().grid().GetRowSet()->row(row)->value(key));
}

std::string Gestures::columnTexts(std::string_view key) {
    std::string all;
    for (int r = 0; r < rowCount(); ++r) all += (r ? " " : "") + cell(r, key);
    return all;
}

std::string shownValues(zelvane::ZlvCustomAttr& control) {
    const auto rows = control.platform().grid().GetRowSet();
    std::string all;
    for (int r = 0; rows && r < rows->recordCount(); ++r)
        all += (r ? " " : "") + std::string(rows->row(r)->textOrEmpty("Value")) + "/" +
               std::string(rows->row(r)->textOrEmpty("valueId"));
    return all;
}

std::string Gestures::shownValues() { return zlvtest::shownValues(control()); }

}  // namespace zlvtest
