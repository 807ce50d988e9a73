#pragma once
// What each row's value was when the host last loaded it (Intialize, SetData, Add), so that
// the rows whose value the user changed since can be told apart. A value is the displayed
// Value with its valueId; the apply options and the Required flag are not part of it. Only
// the user's edits change values after a load, so a row's loaded value is kept when an edit
// first writes to it: a load costs nothing per row.

#include <string>
#include <unordered_map>
#include <vector>
#include <zelvane/row_set.hpp>

namespace zelvane {

class ValueBaseline {
  public:
    // The host loaded the rows: every row's value as it stands is its baseline.
    void reset() { held_.clear(); }
    // The row's value as it stands is its baseline (a row the host added).
    void forget(const Row& row) { held_.erase(&row); }
    // An edit is about to write to the row: keeps its value unless one is kept already.
    void keep(const Row& row);
    // True when the row's Value or valueId (an unset cell reading "") differs from its
    // baseline; false for a row no edit wrote to.
    bool isChanged(const Row& row) const;
    // The AttributeIDs of the changed rows, in row order.
    std::vector<std::string> changedIds(const RowSet* rows) const;

  private:
    struct Held {
        std::string value;
        std::string valueId;
    };
    std::unordered_map<const Row*, Held> held_;
};

}  // namespace zelvane
