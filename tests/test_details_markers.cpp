// getCADetails, the required-row stars per mode, the appearance settings and the star icon
// file checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

std::vector<Def> requiredDefs() {
    return {Def{.caId = "A", .mandatory = "true"}, Def{.caId = "B"},
            Def{.caId = "C", .mandatory = "TRUE"}, Def{.caId = "D", .mandatory = "1"}};
}

std::vector<bool> starred(zelvane::Grid& grid) {
    std::vector<bool> marks;
    auto rows = grid.GetRowSet();
    for (int r = 0; rows && r < rows->recordCount(); ++r)
        marks.push_back(rows->row(r)->picture() != nullptr);
    return marks;
}

TEST(Details, FirstRowWithTheExactId) {
    Harness h;
    EXPECT_EQ(h.control.getCADetails("A"), nullptr);
    h.init("RETRIEVAL", {});
    EXPECT_EQ(h.control.getCADetails("A"), nullptr);
    h.init("RETRIEVAL", {Def{.caId = "A", .defaultValue = "one"},
                         Def{.caId = "L", .controlType = "ComboBox", .defaultValue = "7, Seven"},
                         Def{.caId = "A", .defaultValue = "two"}});
    for (const std::string id : {"a", "B", ""}) {
        auto none = h.control.getCADetails(id);
        ASSERT_NE(none, nullptr);
        EXPECT_EQ(none->Count(), 0u) << id;
    }
    const struct {
        std::string id, value, valueId;
    } cases[] = {{"A", "one", ""}, {"L", "Seven", "7"}};
    for (const auto& c : cases) {
        auto details = h.control.getCADetails(c.id);
        ASSERT_NE(details, nullptr);
        ASSERT_EQ(details->Count(), 3u);
        EXPECT_EQ(details->KeyAt(1), "AttributeId");
        EXPECT_EQ(details->KeyAt(2), "Value");
        EXPECT_EQ(details->KeyAt(3), "ValueId");
        EXPECT_EQ(details->Item("attributeid"), zelvane::CellValue(c.id));
        EXPECT_EQ(details->Item("vALUE"), zelvane::CellValue(c.value));
        EXPECT_EQ(details->Item("VALUEID"), zelvane::CellValue(c.valueId));
    }
}

// A row whose AttributeID the host left unset is not the row of the empty id.
TEST(Details, AnUnsetIdIsNoId) {
    Harness h;
    h.init("RETRIEVAL",
           {Def{.caId = "X", .defaultValue = "unset"}, Def{.caId = "", .defaultValue = "empty"}});
    h.platform.grid().GetRowSet()->row(0)->setValue("AttributeID", zelvane::CellValue());
    auto details = h.control.getCADetails("");
    ASSERT_NE(details, nullptr);
    ASSERT_EQ(details->Count(), 3u);
    EXPECT_EQ(details->Item("Value"), zelvane::CellValue("empty"));
}

TEST(RequiredMarkers, StarsPerMode) {
    const struct {
        std::string mode;
        std::vector<bool> expected;
    } cases[] = {{"RETRIEVAL", {true, false, true, false}},
                 {"COPYACROSS", {true, false, true, false}},
                 {"CREATE", {false, false, false, false}},
                 {"CLONE", {false, false, false, false}},
                 {"retrieval", {false, false, false, false}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.init(c.mode, requiredDefs());
        EXPECT_EQ(starred(h.platform.grid()), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

}  // namespace

namespace {

// A component folder holding the shipped layout template and the given star icon bytes
// (no icon file at all when bytes is null).
struct ComponentFolder {
    explicit ComponentFolder(const std::string& name, const std::string* bytes) {
        namespace fs = std::filesystem;
        path = fs::path(testing::TempDir()) / ("zlv_star_" + name);
        fs::remove_all(path);
        fs::create_directories(path / "Templates");
        fs::create_directories(path / "Images" / "AppImages");
        fs::copy_file(fs::path(zlvtest::resourceDir()) / "Templates" / "CustomAttrView.xml",
                      path / "Templates" / "CustomAttrView.xml");
        if (bytes == nullptr) return;
        std::ofstream(path / "Images" / "AppImages" / "star.ico", std::ios::binary) << *bytes;
    }
    ~ComponentFolder() { std::filesystem::remove_all(path); }
    std::string iconPath() const { return path.string() + "/Images/AppImages/star.ico"; }
    std::filesystem::path path;
};

void put16(std::string& b, std::size_t at, unsigned v) {
    b[at] = static_cast<char>(v & 0xff);
    b[at + 1] = static_cast<char>((v >> 8) & 0xff);
}

void put32(std::string& b, std::size_t at, unsigned v) {
    put16(b, at, v & 0xffff);
    put16(b, at + 2, v >> 16);
}

// An icon directory with one entry and `image` bytes after it; the entry names the image by
// size and offset.
std::string icon(unsigned type, unsigned count, unsigned size, unsigned offset,
                 std::size_t image = 10, unsigned char width = 16) {
    std::string b(22 + image, '\0');
    put16(b, 2, type);
    put16(b, 4, count);
    b[6] = static_cast<char>(width);
    b[7] = static_cast<char>(width);
    put32(b, 14, size);
    put32(b, 18, offset);
    return b;
}

TEST(RequiredMarkers, StarIconFileChecks) {
    const std::string notIcon = "Invalid picture: '%' is not an icon file";
    const std::string truncated = "Invalid picture: the icon image in '%' is truncated";
    const struct {
        std::string name;
        std::optional<std::string> bytes;
        std::string failure;  // "" when the star is shown; % stands for the icon's path
        int width = 16;
    } cases[] = {
        {"missing", std::nullopt, "File not found: '%'"},
        {"image ending at the file's end", icon(1, 1, 10, 22), ""},
        {"image starting at the file's start", icon(1, 1, 32, 0), ""},
        {"several entries", icon(1, 3, 4, 28), ""},
        {"directory and entry alone, image over them", icon(1, 1, 22, 0, 0), ""},
        {"width 0 means 256", icon(1, 1, 10, 22, 10, 0), "", 256},
        {"image size 0", icon(1, 1, 0, 22), truncated},
        {"image one byte past the end", icon(1, 1, 11, 22), truncated},
        {"offset at the end", icon(1, 1, 1, 32), truncated},
        {"offset past the end", icon(1, 1, 1, 33), truncated},
        {"size wrapping past the end", icon(1, 1, 0xffffffffu, 22), truncated},
        {"a cursor", icon(2, 1, 10, 22), notIcon},
        {"no entries", icon(1, 0, 10, 22), notIcon},
        {"reserved field set",
         [] {
             std::string b = icon(1, 1, 10, 22);
             b[0] = 1;
             return b;
         }(),
         notIcon},
        {"shorter than one entry", icon(1, 1, 0, 0).substr(0, 21), notIcon},
        {"empty file", std::string(), notIcon},
        {"exactly 1 MiB", icon(1, 1, 1024 * 1024 - 22, 22, 1024 * 1024 - 22), ""},
        {"beyond 1 MiB", icon(1, 1, 10, 22, 1024 * 1024 - 21),
         "Invalid picture: '%' is larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string* bytes = c.bytes ? &*c.bytes : nullptr;
        ComponentFolder folder(std::to_string(&c - cases), bytes);
        zelvane::headless::HeadlessPlatform platform(folder.path.string());
        zelvane::ZlvCustomAttr control(platform);
        control.setMode("RETRIEVAL");
        control.setAttributeXML(zlvtest::definitionsXml(requiredDefs()));
        control.Intialize();
        // The binding and the appearance settings come before the first marker.
        const zelvane::Appearance& a = platform.grid().overrideAppearance('A');
        EXPECT_EQ(a.backColor, zelvane::kButtonFaceColor);
        EXPECT_EQ(a.backColor2, zelvane::kButtonFaceColor);
        EXPECT_EQ(a.gradientStyle, 3);
        ASSERT_EQ(platform.grid().GetRowSet()->recordCount(), 4);
        if (c.failure.empty()) {
            EXPECT_TRUE(platform.messages().empty());
            EXPECT_EQ(starred(platform.grid()), (std::vector<bool>{true, false, true, false}));
            const auto& picture = platform.grid().GetRowSet()->row(0)->picture();
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->width, c.width);
            EXPECT_EQ(picture->height, c.width);
            EXPECT_EQ(picture->path, folder.iconPath());
            continue;
        }
        std::string failure = c.failure;
        failure.replace(failure.find('%'), 1, folder.iconPath());
        EXPECT_EQ(platform.messages(), std::vector<std::string>{" Intialize " + failure});
        EXPECT_EQ(starred(platform.grid()), (std::vector<bool>{false, false, false, false}));
        // updateData reaches the host as an error of the call.
        try {
            control.updateData();
            ADD_FAILURE() << "updateData loaded a broken icon";
        } catch (const zelvane::ZlvError& e) {
            EXPECT_EQ(std::string(e.what()), failure);
        }
    }
}

// The icon is read only for rows to mark: no required row, or a mode that marks none, never
// touches a missing icon.
TEST(RequiredMarkers, NoIconNeededWithoutRowsToMark) {
    ComponentFolder folder("none", nullptr);
    const struct {
        std::string mode;
        std::vector<Def> defs;
        bool coloured;
    } cases[] = {{"RETRIEVAL", {Def{.caId = "A"}, Def{.caId = "B", .mandatory = "yes"}}, true},
                 {"CLONE", requiredDefs(), true},
                 {"CREATE", requiredDefs(), false},
                 {"Retrieval", requiredDefs(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        zelvane::headless::HeadlessPlatform platform(folder.path.string());
        zelvane::ZlvCustomAttr control(platform);
        control.setMode(c.mode);
        control.setAttributeXML(zlvtest::definitionsXml(c.defs));
        control.Intialize();
        control.updateData();
        EXPECT_TRUE(platform.messages().empty());
        const zelvane::Appearance& a = platform.grid().overrideAppearance('A');
        // Initialisation colours appearance A in every mode; updateData adds its second
        // colour and style in the modes that mark rows.
        EXPECT_EQ(a.backColor, zelvane::kButtonFaceColor);
        EXPECT_EQ(a.backColor2, c.coloured ? zelvane::kButtonFaceColor : 0u);
        EXPECT_EQ(a.gradientStyle, c.coloured ? 3 : 0);
        EXPECT_EQ(platform.grid().GetRowSet()->recordCount(), static_cast<int>(c.defs.size()));
    }
}

// Markers follow Required as it was at initialisation: a row made required later gets none
// from updateData, and one no longer required keeps its star.
TEST(RequiredMarkers, MarkersFollowRequiredAtInitialisation) {
    Harness h;
    h.init("RETRIEVAL", requiredDefs());
    auto rows = h.platform.grid().GetRowSet();
    rows->row(1)->setValue("Required", std::string("true"));
    rows->row(0)->setValue("Required", std::string("false"));
    h.control.updateData();
    EXPECT_EQ(starred(h.platform.grid()), (std::vector<bool>{true, false, true, false}));
    // After Add the stars stay on the same rows and the new row gets none.
    h.control.Add(zlvtest::defXml(Def{.caId = "N", .mandatory = "true"}));
    h.control.updateData();
    EXPECT_EQ(starred(h.platform.grid()), (std::vector<bool>{true, false, true, false, false}));
    // A new Intialize marks what is required now.
    h.control.Intialize();
    EXPECT_EQ(starred(h.platform.grid()), (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(h.platform.messages().empty());
}

}  // namespace
