// validateCreate and validateRetrieval: every rule's error text and the problems per row.
#include <gtest/gtest.h>

#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zelvane::CellValue;
using zlvtest::Harness;
using zlvtest::setCell;
using zlvtest::validationText;

// One attribute row as a pass finds it: its definition and the cells left in it.
struct R {
    zlvtest::Def def;
    CellValue value = std::string();
    CellValue required = std::string("false");
    bool noApplyOption = false;  // ApplyToAll and ApplyToEmptyOnly set to false
};

R text(const std::string& name, const std::string& value, std::string minLength = "",
       std::string maxLength = "") {
    return {{.caName = name, .minLength = minLength, .maxLength = maxLength}, value};
}

R number(const std::string& name, const std::string& value, std::string minVal = "",
         std::string maxVal = "", std::string places = "") {
    return {{.caName = name,
             .dataType = "number",
             .minVal = minVal,
             .maxVal = maxVal,
             .allowedDecimalPlaces = places},
            value};
}

R typed(R r, std::string dataType) { return r.def.dataType = dataType, r; }
R noOption(R r) { return r.noApplyOption = true, r; }
R required(R r) { return r.required = std::string("true"), r; }

void load(Harness& h, const std::string& mode, std::vector<R> rows) {
    std::vector<zlvtest::Def> defs;
    for (R& r : rows)
        defs.push_back(r.def), defs.back().caId = "ca" + std::to_string(defs.size() - 1);
    h.init(mode, defs);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        setCell(h, i, "Value", rows[i].value);
        setCell(h, i, "Required", rows[i].required);
        for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly"})
            if (rows[i].noApplyOption) setCell(h, i, key, false);
    }
}

// The last pass's problems as "id|index|message;message".
std::vector<std::string> problems(Harness& h) {
    std::vector<std::string> out;
    for (const auto& p : h.control.lastValidationProblems()) {
        out.push_back(p.attributeId + "|" + std::to_string(p.rowIndex) + "|");
        for (std::size_t i = 0; i < p.messages.size(); ++i)
            out.back() += (i ? ";" : "") + p.messages[i];
    }
    return out;
}

std::string forbidden(const std::string& name) {
    return "\r\nThe " + name + " cannot contain any of the following characters:\r\n" +
           "\\ / : * ; ' ? >\" < | , % &";
}

const std::string kCodeTooLongFirst =
    "Please specify the valid default value for Code.\r\nThe value must be a maximum of 3 "
    "characters in length.";
const std::string kCodeTooLong = "The value for Code must be a maximum of 3 characters in length.";
const std::string kSizeNotInteger =
    "Enter numeric value for Size.\r\nThis is an integer value. You cannot enter decimal "
    "value for Size.";
const std::string kWeightRange =
    "Please specify a valid default value for Weight.\r\nThe value must be greater than or "
    "equal to 10 and less than or equal to 20.";
const std::string kNote = "Please specify a valid default value for Note.";

const R kCode = text("Code", "abcd", "", "3");

// One rule on row W alone, or after a row whose error puts W's message in its appended form.
TEST(ValueRules, MessagesInBothForms) {
    const std::string a = "Please specify a valid default value for W.\r\n";
    const std::string the = "Please specify the valid default value for W.\r\n";
    const std::string between =
        "The value must be greater than or equal to 10 and less than or equal to 20.";
    const std::string lengths =
        "The value must be a minimum of 3 and a maximum of 5 characters in length.";
    const std::string numeric = "\r\nEnter numeric value for W.";
    const std::string integer =
        "\r\nThis is an integer value. You cannot enter decimal value for W.";
    const std::string requires2 = "\r\nThe value for W requires 2 decimal places.";
    const std::string onePoint = "\r\nOnly 1 decimal point is allowed. ";
    const struct {
        bool number;
        std::string value, low, high, places;  // low/high: minVal/maxVal or minLength/maxLength
        bool after;
        std::string expected;  // W's part of the error text
    } cases[] = {
        // Range: inclusive bounds, value read as its leading number; bounds as the nearest doubles.
        {true, "10", "10", "20", "", false, ""},
        {true, "20", "10", "20", "", false, ""},
        {true, "9.99", "10", "20", "2", false, a + between},
        {true, "21", "10", "20", "", true, "\r\n" + a + between},
        {true, "1", "1", "", "", false, ""},
        {true, "0.5", "1", "", "1", false, a + "The value must be greater than or equal to 1."},
        {true, "-3", "1", "", "", true,
         "\r\nThe value for W must be a greater than  or equal to  1."},
        {true, "20", "", "20", "", false, ""},
        {true, "1e2", "", "20", "", false, a + "The value must be less than or equal to 20."},
        {true, "+21", "", "20", "", true, "\r\nThe value for W must be less than or equal to 20."},
        {true, "0", "1.50", "2E1", "", false,
         a + "The value must be greater than or equal to 1.50 and less than or equal to 2E1."},
        {true, " 25kg", "", "20", "", false,
         a + "The value must be less than or equal to 20." + numeric},
        {true, "abc", "1", "", "", false,
         a + "The value must be greater than or equal to 1." + numeric},
        {true, "25.5%", "10", "20", "", true,
         "\r\n" + a + between + numeric + integer + forbidden("W")},
        {true, "0.30000000000000004", "", "0.3", "17", false,
         a + "The value must be less than or equal to 0.3."},
        // Lengths in code points, inclusive; bounds rounded ties to even and inserted as read.
        {false, "abc", "3", "5", "", false, ""},
        {false, "abcde", "3", "5", "", false, ""},
        {false, "ab", "3", "5", "", false, the + lengths},
        {false, "😀😀😀", "3", "5", "", false, ""},
        {false, " ", "3", "5", "", true, "\r\n" + a + lengths},
        {false, "abc", "3", "", "", false, ""},
        {false, "ab", "3", "", "", false,
         the + "The value must be a minimum of 3 characters in length."},
        {false, "ab", "3", "", "", true,
         "\r\nThe value for W must be a minimum of 3 characters in length."},
        {false, "abcde", "", "5", "", false, ""},
        {false, "abcdef", "", "5", "", false,
         the + "The value must be a maximum of 5 characters in length."},
        {false, "abc", "", "2.5", "", false,
         the + "The value must be a maximum of 2.5 characters in length."},
        {false, "abcd", "3.5", "3.5", "", false, ""},
        {false, "ab", "-32768", "32767", "", false, ""},
        {false, "a/b", "", "2", "", true,
         "\r\nThe value for W must be a maximum of 2 characters in length." + forbidden("W")},
        // Decimal places: the places text inserted as read, its number rounded ties to even.
        {true, "12", "", "", "", false, ""},
        {true, "a.b", "", "", "", false, numeric + integer},
        {true, "12.5", "", "", "0.5", false, integer},
        {true, "5", "", "", "1", false, "\r\nThe value for W requires 1 decimal place."},
        {true, "1.2.3", "", "", "1", false, onePoint + "The value for W requires 1 decimal place."},
        {true, "5.5", "", "", "2x", false, "\r\nThe value for W must have 2x decimal places."},
        {true, "5", "", "", "2.5", false, "\r\nThe value for W requires 2.5 decimal places."},
        {true, "5.55", "", "", "1.5", false, ""},
        {true, "5.50", "", "", "2", false, ""},
        {true, "5.", "", "", "2", false, requires2},
        {true, " 5.25 ", "", "", "2", false, requires2},
        {true, "a.b.c", "", "", "2", false,
         onePoint + "The value for W requires 2 decimal places."},
    };
    for (const auto& c : cases) {
        std::vector<R> rows = {c.number ? number("W", c.value, c.low, c.high, c.places)
                                        : text("W", c.value, c.low, c.high)};
        if (c.after) rows.insert(rows.begin(), text("X", "a/"));
        Harness h;
        load(h, "RETRIEVAL", rows);
        EXPECT_EQ(validationText(h, true), (c.after ? forbidden("X") : "") + c.expected)
            << c.value << " [" << c.low << ", " << c.high << "] " << c.places;
    }
}

// Every printable ASCII character in a text: the rows with a problem are those of the forbidden.
TEST(ValueRules, ForbiddenCharactersOneByOne) {
    std::vector<R> rows;
    for (char ch = 0x20; ch < 0x7f; ++ch) rows.push_back(text("W", std::string("a") + ch + "b"));
    Harness h;
    load(h, "RETRIEVAL", rows);
    validationText(h, true);
    std::string found;
    for (const auto& p : h.control.lastValidationProblems())
        found += static_cast<char>(0x20 + p.rowIndex);
    EXPECT_EQ(found, R"("%&'*,/:;<>?\|)");
}

// A bound that does not convert is an error of the call; what the pass found before it, the
// ending row's own earlier messages included, stays in the text and the problems.
TEST(ValueRules, BoundsThatDoNotConvertEndThePass) {
    const auto expectEnded = [](const std::string& mode, const R& row, bool create,
                                const std::string& strErr) {
        Harness h;
        load(h, mode,
             mode == "RETRIEVAL" ? std::vector{kCode, row, text("T", "/")} : std::vector{row});
        std::string err;
        EXPECT_THROW(create ? h.control.validateCreate(err) : h.control.validateRetrieval(err),
                     zelvane::ZlvError);
        EXPECT_EQ(err, strErr);
        EXPECT_EQ(problems(h),
                  std::vector{"ca0|0|" + strErr.substr(strErr.starts_with("\r\n") ? 2 : 0)});
    };
    for (const R& bad :
         {number("W", "5/", "ten"), number("W", "5/", "", "20x"), number("W", "5/", " "),
          text("W", "a/b", "three"), text("W", "a/b", "", "32768"), text("W", "a/b", "-32769")})
        for (const bool create : {true, false})
            expectEnded("RETRIEVAL", bad, create, kCodeTooLongFirst);
    expectEnded("COPYACROSS", noOption(number("Qty", "1", "x")), false,
                "\r\nSelect an Apply option for Qty.");
}

// The first message in its first form, then the appended forms in row order; values stay.
TEST(ValidationPasses, ErrorTextsOfBothPasses) {
    R memo = required(number("Memo", ""));
    memo.value = CellValue();
    const struct {
        std::string mode;
        std::vector<R> rows;
        std::string createErr, retrievalErr;
    } cases[] = {
        {"RETRIEVAL",
         {kCode, number("Weight", "25", "10", "20"), number("Size", "a.b"),
          required(text("Note", ""))},
         kCodeTooLongFirst + "\r\n" + kWeightRange + "\r\n" + kSizeNotInteger,
         kCodeTooLongFirst + "\r\n" + kWeightRange + "\r\n" + kSizeNotInteger + "\r\n" + kNote},
        // Required rows before a value error; create skips empty values.
        {"RETRIEVAL",
         {required(text("Note", "", "2")), memo, kCode},
         kCodeTooLongFirst,
         "Please specify the valid default value for Note.\r\nPlease specify a valid default "
         "value for Memo.\r\n" +
             kCodeTooLong},
        // Data types in any case; other data types unchecked.
        {"RETRIEVAL",
         {typed(number("Qty", "abc"), "NUMBER"), typed(text("Tag", "x/", "2"), "String"),
          typed(text("Due", "a/b", "", "1"), "date"), typed(text("Misc", "1,2"), ""),
          typed(number("Cnt", "x"), "numbers")},
         "\r\nEnter numeric value for Qty." + forbidden("Tag"),
         "\r\nEnter numeric value for Qty." + forbidden("Tag")},
        // Copy-across: the apply option first, then the row's other checks.
        {"COPYACROSS",
         {noOption(kCode), noOption(required(text("Note", ""))),
          noOption(typed(text("Due", "x"), "date")), text("Tag", "ok")},
         kCodeTooLongFirst,
         "\r\nSelect an Apply option for Code.\r\n" + kCodeTooLong +
             "\r\nSelect an Apply option for Note.\r\n" + kNote},
    };
    for (const auto& c : cases) {
        Harness h;
        load(h, c.mode, c.rows);
        const std::string values = h.shownValues();
        EXPECT_EQ(validationText(h, true), c.createErr);
        EXPECT_EQ(validationText(h, false), c.retrievalErr);
        EXPECT_EQ(h.shownValues(), values);
    }
}

TEST(ValidationPasses, ProblemsPerRowClearedByNextPassAndIntialize) {
    Harness h;
    EXPECT_TRUE(h.control.Validate());  // the host's own check, which always passes
    load(h, "RETRIEVAL",
         {kCode, text("Fine", "ok"), number("Size", "a.b"), required(text("Note", ""))});
    setCell(h, 3, "AttributeID", CellValue());
    const std::vector<std::string> fromCreate = {
        "ca0|0|" + kCodeTooLongFirst,
        "ca2|2|Enter numeric value for Size.;This is an integer value. You cannot enter decimal "
        "value for Size."};
    std::vector<std::string> fromRetrieval = fromCreate;
    fromRetrieval.push_back("|3|" + kNote);
    validationText(h, false);
    EXPECT_EQ(problems(h), fromRetrieval);
    validationText(h, true);
    EXPECT_EQ(problems(h), fromCreate);
    for (const auto& [row, value] : {std::pair{0, "abc"}, {2, "7"}, {3, "n"}})
        setCell(h, row, "Value", std::string(value));
    EXPECT_EQ(validationText(h, false), "");
    EXPECT_TRUE(problems(h).empty());
    setCell(h, 0, "Value", std::string("abcd"));
    validationText(h, true);
    EXPECT_EQ(problems(h).size(), 1u);
    h.control.Intialize();
    EXPECT_TRUE(problems(h).empty());
}

// validateRetrieval asks for a value where Required reads "true" ignoring case (blanks are a
// value), and in COPYACROSS alone for an apply option where ApplyToAll and ApplyToEmptyOnly both
// hold a Boolean false or a text that reads as false; ApplyToNone plays no part, and
// validateCreate asks for neither.
TEST(ValidationPasses, RequiredValuesAndApplyOptions) {
    const std::string t = "true", none, v = "v", option = "\r\nSelect an Apply option for Note.",
                      note = "Please specify the valid default value for Note.";
    const CellValue unset, no = false, yes = true, zero = std::string("0");
    const struct {
        CellValue required, value, all, emptyOnly;
        std::string asked;  // in COPYACROSS; other modes ask for no apply option
    } cases[] = {
        {t, none, yes, no, note},
        {std::string("TRUE"), none, yes, no, note},
        {true, none, yes, no, note},
        {std::string("True"), unset, yes, no, note},
        {std::string("1"), none, yes, no, ""},
        {false, none, yes, no, ""},
        {unset, none, yes, no, ""},
        {t, std::string(" "), yes, no, ""},
        {false, none, no, no, option},
        {false, v, zero, std::string("false"), option},
        {false, none, std::string("FALSE"), std::string("fAlSe"), option},
        {false, v, no, yes, ""},
        {false, none, std::string("TRUE"), zero, ""},
        {false, v, zero, std::string("2"), ""},
        {false, none, std::string("yes"), no, ""},
        {false, v, no, none, ""},
        {false, none, unset, no, ""},
        {false, v, no, unset, ""},
    };
    for (const auto& c : cases) {
        for (const std::string mode : {"COPYACROSS", "RETRIEVAL", "copyacross"}) {
            Harness h;
            load(h, mode, {R{{.caName = "Note"}, c.value, c.required}});
            setCell(h, 0, "ApplyToAll", c.all);
            setCell(h, 0, "ApplyToEmptyOnly", c.emptyOnly);
            setCell(h, 0, "ApplyToNone", true);
            EXPECT_EQ(validationText(h, false),
                      mode == "COPYACROSS" || c.asked != option ? c.asked : "")
                << (&c - cases) << mode;
            EXPECT_EQ(validationText(h, true), "");
        }
    }
}

}  // namespace
