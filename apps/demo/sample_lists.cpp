#include "sample_lists.hpp"

namespace demo {
namespace {

// Item position of the selection collection as text; "" past its end.
std::string itemText(const zelvane::KeyedCollection& selection, std::size_t position) {
    return position <= selection.Count() ? zelvane::cellTextOrEmpty(selection.Item(position))
                                         : std::string();
}

std::string lookUp(const std::map<std::string, std::string>& map, const std::string& key) {
    const auto it = map.find(key);
    return it == map.end() ? std::string() : it->second;
}

}  // namespace

std::vector<zelvane::ListEntry> valueList(const std::string& valueListId,
                                          const std::string& parentValueId) {
    using Entries = std::vector<zelvane::ListEntry>;
    static const std::map<std::string, Entries> flat = {
        {"VL_COLOR", {{"1", "Red"}, {"2", "Blue"}, {"3", "Green"}, {"4", "Ochre"}}},
        {"VL_COUNTRY", {{"FR", "France"}, {"DE", "Germany"}, {"IT", "Italy"}}},
        {"VL_SUPPLIER", {{"S-17", "Acme Supplies"}, {"S-22", "Nordwind GmbH"}}},
    };
    // Regions of each country, cities of each region.
    static const std::map<std::string, Entries> byParent = {
        {"FR", {{"IDF", "Île-de-France"}, {"BRE", "Bretagne"}}},
        {"DE", {{"BY", "Bayern"}, {"BE", "Berlin"}}},
        {"IT", {{"LAZ", "Lazio"}}},
        {"IDF", {{"PAR", "Paris"}}},
        {"BRE", {{"REN", "Rennes"}, {"BRS", "Brest"}}},
        {"BY", {{"MUC", "München"}, {"NUE", "Nürnberg"}}},
        {"BE", {{"BER", "Berlin"}}},
        {"LAZ", {{"ROM", "Roma"}}},
    };
    if (auto it = flat.find(valueListId); it != flat.end()) return it->second;
    if (auto it = byParent.find(parentValueId); it != byParent.end()) return it->second;
    return {};
}

PickRequest pickRequest(zelvane::KeyedCollection& selection,
                        const std::map<std::string, std::string>& listOfAttribute) {
    PickRequest request;
    if (itemText(selection, 1) == "Standard") {
        request.entries = valueList(itemText(selection, 2), "");
        return request;
    }
    // Dependent: 2 parent attribute id, 3 value id above, 4 this name, 5 the name above.
    request.attribute = itemText(selection, 4);
    const std::string listId = lookUp(listOfAttribute, request.attribute);
    if (itemText(selection, 2).empty()) {
        request.entries = valueList(listId, "");
        return request;
    }
    const std::string parentValue = itemText(selection, 3);
    if (parentValue.empty()) {
        request.missingParent = itemText(selection, 5);
        return request;
    }
    request.entries = valueList(listId, parentValue);
    return request;
}

}  // namespace demo
