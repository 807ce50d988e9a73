#pragma once
// The attributes Intialize loaded, by id compared ignoring case, each with the Required cell
// it had then: what GetData compares against and what Add recognises as loaded.

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
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
    std::size_t size() const { return store_ ? store_->byId.size() : 0; }
    // Makes room for a number of attributes, so that adding them moves nothing.
    void reserve(std::size_t count);

  private:
    // The map is filled once per Intialize and only ever grows, so its nodes and ids come
    // from one pool that hands out memory in large blocks and is freed whole: one allocation
    // per attribute would cost more than the lookup structure itself.
    struct Store {
        std::pmr::monotonic_buffer_resource pool;
        std::pmr::unordered_map<std::pmr::string, CellValue, CaseIgnoringHash, CaseIgnoringEqual>
            byId{&pool};
    };
    Store& store();

    std::unique_ptr<Store> store_;
};

}  // namespace zelvane
