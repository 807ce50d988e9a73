#pragma once
// The attributes Intialize loaded, by id compared ignoring case, each with the Required cell
// it had then: what GetData compares against and what Add recognises as loaded.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/cell_value.hpp>

#include "rows/case_index.hpp"

namespace zelvane {

class LoadedAttributes {
  public:
    // Remembers an attribute. Throws ZlvError, remembering nothing, when the id is known
    // already (ignoring case). Initialisation adds one per row, so at most 32767: far below
    // the 2^32 positions the table can address.
    void add(std::string_view id, CellValue requiredAtLoad);
    bool contains(std::string_view id) const;
    // The Required cell at load. Throws ZlvError when no attribute has the id.
    const CellValue& requiredAtLoad(std::string_view id) const;
    std::size_t size() const { return entries_.size(); }
    // Makes room for a number of attributes, so that adding them moves nothing.
    void reserve(std::size_t count);

  private:
    // The attributes in load order, indexed by the case-ignoring table of case_index.hpp: a
    // flat table over the entries keeps the 32767-row round trip about 4 % faster than a
    // node-based map (more memory touched per lookup and per load).
    struct Entry {
        std::string id;
        CellValue required;
    };
    std::size_t positionOf(std::string_view id) const;

    std::vector<Entry> entries_;
    case_index::Slots slots_;
    std::size_t used_ = 0;
};

}  // namespace zelvane
