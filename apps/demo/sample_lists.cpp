#include "sample_lists.hpp"

#include <map>

namespace demo {

std::vector<zelvane::ListEntry> valueList(const std::string& valueListId,
                                          const std::string& parentValueId) {
    using Entries = std::vector<zelvane::ListEntry>;
    static const std::map<std::string, Entries> flat = {
        {"VL_COLOR", {{"1", "Red"}, {"2", "Blue"}, {"3", "Green"}, {"4", "Ochre"}}},
        {"VL_COUNTRY", {{"FR", "France"}, {"DE", "Germany"}, {"IT", "Italy"}}},
        {"VL_SUPPLIER", {{"S-17", "Acme Supplies"}, {"S-22", "Nordwind GmbH"}}},
    };
    static const std::map<std::string, Entries> byParent = {
        {"FR", {{"IDF", "Île-de-France"}, {"BRE", "Bretagne"}}},
        {"DE", {{"BY", "Bayern"}, {"BE", "Berlin"}}},
        {"IT", {{"LAZ", "Lazio"}}},
        {"BY", {{"MUC", "München"}, {"NUE", "Nürnberg"}}},
        {"BE", {{"BER", "Berlin"}}},
        {"IDF", {{"PAR", "Paris"}}},
    };
    if (auto it = flat.find(valueListId); it != flat.end()) return it->second;
    if (auto it = byParent.find(parentValueId); it != byParent.end()) return it->second;
    return {};
}

}  // namespace demo
