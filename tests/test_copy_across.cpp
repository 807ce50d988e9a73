// Copy-across apply options, getCADetails, and the stars that mark required rows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

std::string optionsXml(const std::string& elements) {
    return "<copyAcrossSpaceTemplates>" + elements + "</copyAcrossSpaceTemplates>";
}

std::string element(const std::string& id, const std::string& all, const std::string& empty,
                    const std::string& none) {
    return R"(<options objectId=")" + id + R"(" applyToAll=")" + all + R"(" applyToEmpty=")" +
           empty + R"(" applyToNone=")" + none + R"("/>)";
}

std::string options(const std::string& id, const std::string& all, const std::string& empty,
                    const std::string& none) {
    return optionsXml(element(id, all, empty, none));
}

// A control whose three apply-option columns are all on screen.
void initAllOptionsShown(Harness& h, const std::string& mode, const std::vector<Def>& defs) {
    h.init(mode, defs);
    for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"})
        h.platform.grid().column(key).hidden = false;
    h.platform.resize(30000, 4000);
}

// An element without objectId governs a row whose AttributeID is the empty text, never one
// left unset; and only the exact column keys name an option.
TEST(CopyAcross, UnsetIdsAndOtherColumnKeysTakeNoFlag) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS", {{.caId = "X"}, {.caId = ""}});
    zlvtest::setCell(h, 0, "AttributeID", zelvane::CellValue());
    h.control.setCopyTemplateXML(optionsXml(R"(<options applyToAll="false"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.platform.grid().column("ApplyToAll").key = "APPLYTOALL";
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToAll"));
    // With no matching column the next element for the row is read: its bad flag is not.
    h.control.setCopyTemplateXML(optionsXml(R"(<options applyToAll="false"/>)"
                                            R"(<options applyToAll="oops" applyToEmpty="0"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToAll"));
    h.platform.grid().column("APPLYTOALL").key = "ApplyToAll";
    EXPECT_FALSE(h.platform.toggleCheck(1, "ApplyToAll"));
    h.control.setCopyTemplateXML(options("X", "false", "false", "false"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToEmptyOnly"));
    zlvtest::expectMessages(h, {});
    // Outside COPYACROSS (the mode's text is exact) no template governs an option, and a click
    // leaves the row's other options and changes the data.
    h.control.setCopyTemplateXML(options("A", "false", "false", "false"));
    for (const char* mode : {"CREATE", "copyacross"}) {
        initAllOptionsShown(h, mode, {{.caId = "A"}});
        zlvtest::setCell(h, 0, "ApplyToAll", true);
        ASSERT_TRUE(h.platform.toggleCheck(0, "ApplyToEmptyOnly"));
        EXPECT_EQ(h.cell(0, "ApplyToAll") + h.cell(0, "ApplyToEmptyOnly"), "TrueTrue") << mode;
        EXPECT_TRUE(h.control.IsDataChanged()) << mode;
    }
}

// getCADetails: null without rows, empty for an id no row has exactly, else the first row's.
TEST(Details, FirstRowWithTheExactId) {
    Harness h;
    const auto details = [&](const std::string& id) {
        const auto d = h.control.getCADetails(id);
        if (d == nullptr) return std::string("null");
        std::string s;
        for (std::size_t i = 1; i <= d->Count(); ++i)
            s += d->KeyAt(i).value() + "=" + zelvane::cellTextOrEmpty(d->Item(*d->KeyAt(i))) + ";";
        if (d->Count()) {
            EXPECT_EQ(d->Item("vALUEiD"), d->Item("ValueId")) << "keys ignore case";
        }
        return s;
    };
    EXPECT_EQ(details("A"), "null");
    h.init("RETRIEVAL", {});
    EXPECT_EQ(details("A"), "null");
    h.init("RETRIEVAL", {{.caId = "A", .defaultValue = "one"}});
    EXPECT_EQ(details("A"), "AttributeId=A;Value=one;ValueId=;");
    h.init("RETRIEVAL", {{.caId = "A", .defaultValue = "one"},
                         {.caId = "L", .controlType = "ComboBox", .defaultValue = "7, Seven"},
                         {.caId = "A", .defaultValue = "two"},
                         {.caId = "U", .defaultValue = "unset"}});
    zlvtest::setCell(h, 3, "AttributeID", zelvane::CellValue());
    EXPECT_EQ(details("A"), "AttributeId=A;Value=one;ValueId=;");
    EXPECT_EQ(details("L"), "AttributeId=L;Value=Seven;ValueId=7;");
    for (const std::string id : {"a", "B", ""}) EXPECT_EQ(details(id), "") << id;
}

const std::vector<Def> kRequired = {{.caId = "A", .mandatory = "true"},
                                    {.caId = "B"},
                                    {.caId = "C", .mandatory = "TRUE"},
                                    {.caId = "D", .mandatory = "1"}};

std::vector<bool> starred(zelvane::Grid& grid) {
    std::vector<bool> marks;
    for (int r = 0; r < grid.GetRowSet()->recordCount(); ++r)
        marks.push_back(grid.GetRowSet()->row(r)->picture() != nullptr);
    return marks;
}

// A component folder holding the shipped layout template, with `from` replaced by `to` in it,
// and the given star icon bytes; named per process, as test runs may share the temporary folder.
// Icon bytes that put a folder where the icon goes.
const std::string kFolder = "<folder>";

struct ComponentFolder {
    ComponentFolder(const std::string& name, const std::optional<std::string>& bytes,
                    const std::string& from = "", const std::string& to = "")
        : path(std::filesystem::path(testing::TempDir()) /
               ("zlv_star_" + std::to_string(::getpid()) + "_" + name)) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "Images" / "AppImages");
        std::filesystem::create_directories(path / "Templates");
        std::ifstream shipped(zlvtest::resourceDir() + "/Templates/CustomAttrView.xml");
        std::string layout{std::istreambuf_iterator<char>(shipped), {}};
        if (!from.empty()) layout.replace(layout.find(from), from.size(), to);
        std::ofstream(path / "Templates" / "CustomAttrView.xml") << layout;
        if (bytes == kFolder)
            std::filesystem::create_directory(iconPath());
        else if (bytes)
            std::ofstream(iconPath(), std::ios::binary) << *bytes;
    }
    ~ComponentFolder() { std::filesystem::remove_all(path); }
    std::string iconPath() const { return path.string() + "/Images/AppImages/star.ico"; }
    std::filesystem::path path;
};

// An icon directory with one entry (type, count, width, size, offset) and `image` bytes.
std::string icon(unsigned type, unsigned count, unsigned size, unsigned offset,
                 std::size_t image = 10, unsigned width = 16) {
    std::string b(22 + image, '\0');
    const auto put = [&](std::size_t at, unsigned v, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
    };
    put(2, type, 2), put(4, count, 2), put(6, width | width << 8, 2);
    put(14, size, 4), put(18, offset, 4);
    return b;
}

TEST(RequiredMarkers, StarIconFileChecks) {
    const std::string notIcon = "Invalid picture: '%' is not an icon file";
    const std::string truncated = "Invalid picture: the icon image in '%' is truncated";
    std::string reserved = icon(1, 1, 10, 22);
    reserved[0] = 1;
    const struct {
        std::optional<std::string> bytes;
        std::string failure;  // "" when the star is shown; % stands for the icon's path
        int width = 16;
    } cases[] = {
        {std::nullopt, "File not found: '%'"},
        {kFolder, "Cannot read the picture file '%'"},
        {icon(1, 1, 10, 22), ""},
        {icon(1, 1, 10, 22, 10, 0), "", 256},
        {icon(1, 1, 0, 22), truncated},
        {icon(1, 1, 11, 22), truncated},
        {icon(1, 1, 0xffffffffu, 22), truncated},
        {icon(2, 1, 10, 22), notIcon},
        {icon(1, 0, 10, 22), notIcon},
        {reserved, notIcon},
        {icon(1, 1, 0, 0).substr(0, 21), notIcon},
        {icon(1, 1, 1024 * 1024 - 22, 22, 1024 * 1024 - 22), ""},
        {icon(1, 1, 10, 22, 1024 * 1024 - 21), "Invalid picture: '%' is larger than 1 MiB"}};
    for (const auto& c : cases) {
        ComponentFolder folder(std::to_string(&c - cases), c.bytes);
        SCOPED_TRACE(&c - cases);
        Harness h(folder.path.string());
        h.init("RETRIEVAL", kRequired);
        // The appearance settings come before the first marker.
        EXPECT_EQ(h.platform.grid().overrideAppearance('A').gradientStyle, 3);
        std::string failure = c.failure;
        if (!failure.empty()) failure.replace(failure.find('%'), 1, folder.iconPath());
        EXPECT_EQ(h.platform.messages(), failure.empty() ? std::vector<std::string>{}
                                                         : std::vector{" Intialize " + failure});
        const bool shown = failure.empty();
        EXPECT_EQ(starred(h.platform.grid()), (std::vector<bool>{shown, false, shown, false}));
        // updateData reaches the host as an error of the call.
        EXPECT_EQ(zlvtest::errorOf([&] { h.control.updateData(); }), failure);
        if (!failure.empty()) continue;
        const auto& picture = h.platform.grid().GetRowSet()->row(0)->picture();
        EXPECT_EQ(picture->width + picture->height, 2 * c.width);
        EXPECT_EQ(picture->path, folder.iconPath());
    }
}

}  // namespace
