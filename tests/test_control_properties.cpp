// The control's properties as plain stores, the grid filling the control on every resize, and
// Validate.

#include <gtest/gtest.h>

#include <functional>

#include "support/test_support.hpp"

namespace {

using zelvane::ZlvCustomAttr;
using zlvtest::Harness;

struct TextProperty {
    const char* name;
    std::function<const std::string&(const ZlvCustomAttr&)> get;
    std::function<void(ZlvCustomAttr&, const std::string&)> set;
};

const std::vector<TextProperty>& textProperties() {
    static const std::vector<TextProperty> props = {
        {"EntityTypeId", &ZlvCustomAttr::EntityTypeId, &ZlvCustomAttr::setEntityTypeId},
        {"mode", &ZlvCustomAttr::mode, &ZlvCustomAttr::setMode},
        {"DateTimeFormat", &ZlvCustomAttr::DateTimeFormat, &ZlvCustomAttr::setDateTimeFormat},
        {"DateOnlyFormat", &ZlvCustomAttr::DateOnlyFormat, &ZlvCustomAttr::setDateOnlyFormat},
        {"TimeOnlyFormat", &ZlvCustomAttr::TimeOnlyFormat, &ZlvCustomAttr::setTimeOnlyFormat},
        {"AttributeXML", &ZlvCustomAttr::AttributeXML, &ZlvCustomAttr::setAttributeXML},
        {"LayoutXML", &ZlvCustomAttr::LayoutXML, &ZlvCustomAttr::setLayoutXML},
        {"CopyTemplateXML", &ZlvCustomAttr::CopyTemplateXML, &ZlvCustomAttr::setCopyTemplateXML},
    };
    return props;
}

TEST(Properties, StartEmptyAndReadBackExactlyWhatWasWritten) {
    zelvane::headless::HeadlessPlatform platform(zlvtest::resourceDir());
    ZlvCustomAttr control(platform);
    EXPECT_FALSE(control.IsDataChanged());
    for (const auto& p : textProperties()) EXPECT_EQ(p.get(control), "") << p.name;
    // Each property stores its own text: blanks, line breaks and bytes kept, no trimming.
    for (std::size_t i = 0; i < textProperties().size(); ++i)
        textProperties()[i].set(control, "  " + std::string(textProperties()[i].name) +
                                             " \r\n\xC3\xA9\t" + std::to_string(i) + " ");
    for (std::size_t i = 0; i < textProperties().size(); ++i)
        EXPECT_EQ(textProperties()[i].get(control), "  " + std::string(textProperties()[i].name) +
                                                        " \r\n\xC3\xA9\t" + std::to_string(i) +
                                                        " ");
    control.setIsDataChanged(true);
    EXPECT_TRUE(control.IsDataChanged());
    control.setIsDataChanged(false);
    EXPECT_FALSE(control.IsDataChanged());
    EXPECT_TRUE(platform.messages().empty());
}

TEST(Properties, LayoutXmlIsStoredOnly) {
    Harness a, b;
    a.control.setLayoutXML("<gridLayout><band index=\"0\"/></gridLayout>");
    b.control.setLayoutXML("not xml at all <");
    const std::vector<zlvtest::Def> defs = {{.caId = "A", .caName = "Alpha", .defaultValue = "1"}};
    a.init("RETRIEVAL", defs);
    b.init("RETRIEVAL", defs);
    EXPECT_EQ(a.control.GetData(), b.control.GetData());
    EXPECT_EQ(a.platform.grid().column("Value").width, b.platform.grid().column("Value").width);
    EXPECT_EQ(a.rowCount(), 1);
    EXPECT_TRUE(a.platform.messages().empty());
    EXPECT_TRUE(b.platform.messages().empty());
}

TEST(Properties, TheGridFillsTheControlAfterEveryResize) {
    Harness h;
    h.init("RETRIEVAL", {{.caId = "A"}});
    for (const auto& [w, ht] : {std::pair{6000, 4500}, {15, 15}, {0, 0}, {90000, 120000}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << ht);
        h.platform.resize(w, ht);
        const zelvane::Grid& g = h.platform.grid();
        EXPECT_EQ(g.left(), 0);
        EXPECT_EQ(g.top(), 0);
        EXPECT_EQ(g.width(), w);
        EXPECT_EQ(g.height(), ht);
    }
}

TEST(Properties, ValidateChecksNothing) {
    Harness h;
    EXPECT_TRUE(h.control.Validate());
    h.init("RETRIEVAL",
           {{.caId = "N", .dataType = "number", .defaultValue = "abc", .mandatory = "true"}});
    std::string err;
    ASSERT_FALSE(h.control.validateRetrieval(err));
    EXPECT_TRUE(h.control.Validate());
    EXPECT_TRUE(h.platform.messages().empty());
}

}  // namespace
