#pragma once
// What each row's value was when the host last loaded it (Intialize, SetData, Add), so that
// the rows whose value the user changed since can be told apart. A value is the displayed
// Value with its valueId; the apply options and the Required flag are not part of it.

#include <string>
#include <unordered_map>
#include <vector>
#include <zelvane/row_set.hpp>

namespace zelvane {

class ValueBaseline {
  public:
    // Every row's value becomes its baseline; rows taken before are forgotten.
    void takeAll(const RowSet* rows);
    // The row's value becomes its baseline (a row the host added).
    void take(const Row& row);
    // True when the row's Value or valueId (an unset cell reading "") differs from its
    // baseline; false for a row without one.
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
