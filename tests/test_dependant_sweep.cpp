// Loading values clears dependant chains in one sweep; the result must equal walking the chain
// from every parent that took a value, row by row, as the loading rules describe.
#include <gtest/gtest.h>

#include <random>

#include "support/test_support.hpp"

using zlvtest::Def;
using zlvtest::Harness;

namespace {

struct PlainRow {
    std::string id, parent, event, controlType, value, valueId;
};

// The loading rules on plain rows: each picker row with a new value writes it, then walks its
// chain from itself, clearing every row whose parent is the row just before it.
void loadByWalks(std::vector<PlainRow>& rows, const std::map<std::string, std::string>& doc) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto it = doc.find(rows[i].id);
        if (rows[i].controlType != "Picker" || it == doc.end()) continue;
        rows[i].value = it->second;
        rows[i].valueId = it->second;
        if (rows[i].event.empty()) continue;
        std::string remembered = rows[i].id;
        for (std::size_t k = i;;) {
            if (rows[k].parent == remembered) rows[k].value = rows[k].valueId = "";
            remembered = rows[k].id;
            if (++k == rows.size() || rows[k].parent.empty()) break;
        }
    }
}

}  // namespace

TEST(DependantSweep, EqualsSeparateWalksOnRandomChains) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 200; ++round) {
        const int n = 2 + static_cast<int>(rng() % 12);
        std::vector<PlainRow> rows;
        std::vector<Def> defs;
        std::map<std::string, std::string> doc;
        for (int i = 0; i < n; ++i) {
            PlainRow r;
            r.id = "R" + std::to_string(i);
            switch (rng() % 4) {
                case 0:
                    r.parent = "";
                    break;
                case 1:
                    r.parent = "X";
                    break;
                case 2:
                    r.parent = i > 0 ? rows.back().id : r.id;
                    break;
                default:
                    r.parent = i > 0 ? rows.back().id : "";
                    break;
            }
            r.event = rng() % 3 == 0 ? "" : "E";
            r.controlType = rng() % 4 == 0 ? "TextBox" : "Picker";
            r.value = r.valueId = "old" + std::to_string(i);
            if (rng() % 2 == 0) doc[r.id] = "v" + std::to_string(i);
            rows.push_back(r);
            defs.push_back(Def{.caId = r.id,
                               .controlType = r.controlType,
                               .dataType = "number",
                               .defaultValue = r.value,
                               .event = r.event,
                               .parentId = r.parent});
        }
        Harness h;
        h.init("RETRIEVAL", defs);
        std::vector<std::pair<std::string, std::string>> values(doc.begin(), doc.end());
        std::string xml = zlvtest::valuesXml(values);
        h.control.SetData(xml);
        loadByWalks(rows, doc);
        for (int i = 0; i < n; ++i) {
            if (rows[i].controlType != "Picker") continue;
            EXPECT_EQ(h.cell(i, "Value"), rows[i].value) << "round " << round << " row " << i;
            EXPECT_EQ(h.cell(i, "valueId"), rows[i].valueId) << "round " << round << " row " << i;
        }
        ASSERT_TRUE(h.platform.messages().empty());
        if (HasFailure()) break;
    }
}
