#pragma once
// The attributes Intialize loaded, by id compared ignoring case, each with the Required cell
// it had then: what GetData compares against and what Add recognises as loaded.

#include <cstddef>
#include <string>
#include <string_view>
#include <zelvane/case_ignoring.hpp>
#include <zelvane/cell_value.hpp>

namespace zelvane {

class LoadedAttributes {
  public:
    // Remembers an attribute. Throws ZlvError, remembering nothing, when the id is known
    // already (ignoring case).
    void add(std::string_view id, CellValue requiredAtLoad);
    bool contains(std::string_view id) const noexcept;
    // The Required cell at load. Throws ZlvError when no attribute has the id.
    const CellValue& requiredAtLoad(std::string_view id) const;
    std::size_t size() const { return requiredAtLoad_.size(); }
    // Makes room for a number of attributes, so that adding them moves nothing.
    void reserve(std::size_t count);

  private:
    CaseIgnoringMap<CellValue> requiredAtLoad_;
};

}  // namespace zelvane
