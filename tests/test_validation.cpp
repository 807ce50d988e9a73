// validateCreate and validateRetrieval as a host runs them: the exact error text of every
// value rule in its first and appended forms, required values, apply options, the problems
// per row, and bounds that do not convert.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zelvane::CellValue;
using zlvtest::Harness;
using zlvtest::setCell;
using zlvtest::validationText;

// One attribute row as the test leaves it before a pass.
struct R {
    std::string name;
    std::string dataType = "string";
    CellValue value = std::string();
    CellValue required = std::string("false");
    std::string minLength, maxLength, minVal, maxVal, places;
    bool noApplyOption = false;  // ApplyToAll and ApplyToEmptyOnly set to false
};

void load(Harness& h, const std::string& mode, const std::vector<R>& rows) {
    std::vector<zlvtest::Def> defs;
    for (const R& r : rows)
        defs.push_back({.caId = "ca" + std::to_string(defs.size()),
                        .caName = r.name,
                        .dataType = r.dataType,
                        .minLength = r.minLength,
                        .maxLength = r.maxLength,
                        .minVal = r.minVal,
                        .maxVal = r.maxVal,
                        .allowedDecimalPlaces = r.places});
    h.init(mode, defs);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        setCell(h, i, "Value", rows[i].value);
        setCell(h, i, "Required", rows[i].required);
        if (!rows[i].noApplyOption) continue;
        setCell(h, i, "ApplyToAll", false);
        setCell(h, i, "ApplyToEmptyOnly", false);
    }
}

std::string forbidden(const std::string& name) {
    return "\r\nThe " + name + " cannot contain any of the following characters:\r\n" +
           "\\ / : * ; ' ? >\" < | , % &";
}

// One value rule through validateCreate: row W alone, or after a row whose forbidden
// character already set the error (so W's message takes its appended form).
struct RuleCase {
    bool number;
    std::string value;
    std::string low, high, places;  // minVal/minLength, maxVal/maxLength, decimal places
    bool after;
    std::string expected;  // W's part of the error text
};

void expectRules(const std::vector<RuleCase>& cases) {
    for (const auto& c : cases) {
        R w{.name = "W", .dataType = c.number ? "number" : "string", .value = c.value};
        (c.number ? w.minVal : w.minLength) = c.low;
        (c.number ? w.maxVal : w.maxLength) = c.high;
        w.places = c.places;
        std::vector<R> rows = {w};
        if (c.after) rows.insert(rows.begin(), R{.name = "X", .value = std::string("a/")});
        Harness h;
        load(h, "RETRIEVAL", rows);
        EXPECT_EQ(validationText(h, true), (c.after ? forbidden("X") : "") + c.expected)
            << c.value << " [" << c.low << ", " << c.high << "] " << c.places;
    }
}

TEST(ValueRules, RangeAndLengthMessagesInBothForms) {
    const std::string a = "Please specify a valid default value for W.\r\n";
    const std::string the = "Please specify the valid default value for W.\r\n";
    const std::string between =
        "The value must be greater than or equal to 10 and less than or equal to 20.";
    const std::string lengths =
        "The value must be a minimum of 3 and a maximum of 5 characters in length.";
    const std::string numeric = "\r\nEnter numeric value for W.";
    expectRules({
        // Range: inclusive bounds, value read as its leading number.
        {true, "10", "10", "20", "", false, ""},
        {true, "20", "10", "20", "", false, ""},
        {true, "9.99", "10", "20", "2", false, a + between},
        {true, "20.5", "10", "20", "1", false, a + between},
        {true, "21", "10", "20", "", true, "\r\n" + a + between},
        {true, "1", "1", "", "", false, ""},
        {true, "0.5", "1", "", "1", false, a + "The value must be greater than or equal to 1."},
        {true, "-3", "1", "", "", true,
         "\r\nThe value for W must be a greater than  or equal to  1."},
        {true, "20", "", "20", "", false, ""},
        {true, "1e2", "", "20", "", false, a + "The value must be less than or equal to 20."},
        {true, "+21", "", "20", "", true, "\r\nThe value for W must be less than or equal to 20."},
        {true, "-1e300", "", "", "", false, ""},
        {true, "0", "1.50", "2E1", "", false,
         a + "The value must be greater than or equal to 1.50 and less than or equal to 2E1."},
        {true, " 25kg", "", "20", "", false,
         a + "The value must be less than or equal to 20." + numeric},
        {true, "abc", "1", "", "", false,
         a + "The value must be greater than or equal to 1." + numeric},
        {true, "1,5", "", "1", "", false, numeric + forbidden("W")},
        {true, "25.5%", "10", "20", "", true,
         "\r\n" + a + between + numeric +
             "\r\nThis is an integer value. You cannot enter decimal value for W." +
             forbidden("W")},
        // Bounds compare as the nearest doubles.
        {true, "0.3", "0.1", "0.3", "1", false, ""},
        {true, "123456789012345.6", "", "1234567890123456e-1", "1", false, ""},
        {true, "0.29999999999999999999", "", "0.3", "20", false, ""},
        {true, "0.30000000000000004", "", "0.3", "17", false,
         a + "The value must be less than or equal to 0.3."},
        // Lengths in characters (code points), inclusive.
        {false, "abc", "3", "5", "", false, ""},
        {false, "abcde", "3", "5", "", false, ""},
        {false, "ab", "3", "5", "", false, the + lengths},
        {false, "abcdef", "3", "5", "", false, the + lengths},
        {false, "日本語日本語", "3", "5", "", false, the + lengths},
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
        {false, "abcdef", "", "5", "", true,
         "\r\nThe value for W must be a maximum of 5 characters in length."},
        {false, std::string(40000, 'x'), "", "", "", false, ""},
        // Length bounds rounded ties to even, inserted as read; 16-bit ends convert.
        {false, "abc", "", "2.5", "", false,
         the + "The value must be a maximum of 2.5 characters in length."},
        {false, "abcd", "3.5", "3.5", "", false, ""},
        {false, "ab", "-32768", "32767", "", false, ""},
        {false, "a/b", "3", "5", "", false, forbidden("W")},
        {false, "a/b", "", "2", "", true,
         "\r\nThe value for W must be a maximum of 2 characters in length." + forbidden("W")},
    });
}

TEST(ValueRules, DecimalPlacesAgainstTheAllowedNumber) {
    const std::string numeric = "\r\nEnter numeric value for W.";
    const std::string integer =
        "\r\nThis is an integer value. You cannot enter decimal value for W.";
    const std::string requires2 = "\r\nThe value for W requires 2 decimal places.";
    const std::string onePoint = "\r\nOnly 1 decimal point is allowed. ";
    expectRules({
        // No places allowed: numeric form and no point, checked independently.
        {true, "12", "", "", "", false, ""},
        {true, "a.b", "", "", "", false, numeric + integer},
        {true, "12.5", "", "", "0.4", false, integer},
        {true, "12.5", "", "", "0.5", false, integer},
        // One place: the ending stays singular; the places text is inserted as read.
        {true, "5", "", "", "1", false, "\r\nThe value for W requires 1 decimal place."},
        {true, "1.2.3", "", "", "1", false, onePoint + "The value for W requires 1 decimal place."},
        {true, "5", "", "", "-1", false, "\r\nThe value for W requires -1 decimal place."},
        {true, "5.5", "", "", "2", false, "\r\nThe value for W must have 2 decimal places."},
        {true, "1.25", "", "", "3", false, "\r\nThe value for W must have 3 decimal places."},
        {true, "5.5", "", "", "2x", false, "\r\nThe value for W must have 2x decimal places."},
        // The places text read as its leading number, rounded ties to even.
        {true, "5", "", "", "2.5", false, "\r\nThe value for W requires 2.5 decimal places."},
        {true, "5.25", "", "", "2.5", false, ""},
        {true, "5.55", "", "", "1.5", false, ""},
        {true, "5", "", "", "1.5", false, "\r\nThe value for W requires 1.5 decimal places."},
        // Two places: exactly two digits after one point; every character after it counts.
        {true, "5.50", "", "", "2", false, ""},
        {true, "-0.25", "", "", "2", false, ""},
        {true, "5", "", "", "2", false, requires2},
        {true, "5.", "", "", "2", false, requires2},
        {true, "5.555", "", "", "2", false, requires2},
        {true, " 5.25 ", "", "", "2", false, requires2},
        {true, "1.2e3", "", "", "2", false, requires2},
        // Not numeric: reported as such unless there is more than one point.
        {true, "abc", "", "", "2", false, numeric},
        {true, "a.b", "", "", "2", false, numeric},
        {true, "a.b.c", "", "", "2", false,
         onePoint + "The value for W requires 2 decimal places."},
    });
}

// Every printable ASCII character in a text and in a number; the row's problems show which
// are forbidden.
TEST(ValueRules, ForbiddenCharactersOneByOne) {
    const std::string forbiddenChars = "/\\:*;'?>\"<|,&%";
    const std::string message = forbidden("W").substr(2);
    std::vector<R> rows;
    for (char ch = 0x20; ch < 0x7f; ++ch) {
        rows.push_back({.name = "W", .value = std::string("a") + ch + "b"});
        rows.push_back({.name = "W", .dataType = "number", .value = std::string("1") + ch});
    }
    Harness h;
    load(h, "RETRIEVAL", rows);
    validationText(h, true);
    std::vector<std::vector<std::string>> problems(rows.size());
    for (const auto& p : h.control.lastValidationProblems()) problems[p.rowIndex] = p.messages;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const char ch = static_cast<char>(0x20 + i / 2);
        const bool isForbidden = forbiddenChars.find(ch) != std::string::npos;
        const bool reported = !problems[i].empty() && problems[i].back() == message;
        EXPECT_EQ(reported, isForbidden) << ch;
        if (i % 2 == 0) {
            EXPECT_EQ(problems[i].size(), isForbidden ? 1u : 0u) << ch;
        }
    }
}

// A bound that does not convert is an error of the call; the messages of earlier rows stay.
TEST(ValueRules, BoundsThatDoNotConvertEndThePass) {
    const struct {
        bool number;
        std::string low, high;
    } cases[] = {{true, "ten", ""},    {true, "", "20x"},    {true, " ", ""},
                 {false, "three", ""}, {false, "", "32768"}, {false, "-32769", ""}};
    for (const auto& c : cases) {
        for (const bool create : {true, false}) {
            Harness h;
            load(h, "RETRIEVAL",
                 {{.name = "Code", .value = std::string("abcd"), .maxLength = "3"},
                  {.name = "W",
                   .dataType = c.number ? "number" : "string",
                   .value = std::string("5/"),
                   .minLength = c.number ? "" : c.low,
                   .maxLength = c.number ? "" : c.high,
                   .minVal = c.number ? c.low : "",
                   .maxVal = c.number ? c.high : ""},
                  {.name = "Tag", .value = std::string("/")}});
            std::string strErr;
            EXPECT_THROW(
                create ? h.control.validateCreate(strErr) : h.control.validateRetrieval(strErr),
                zelvane::ZlvError);
            EXPECT_EQ(strErr,
                      "Please specify the valid default value for Code.\r\nThe value must be a "
                      "maximum of 3 characters in length.");
        }
    }
}

const std::string kCodeTooLongFirst =
    "Please specify the valid default value for Code.\r\nThe value must be a maximum of 3 "
    "characters in length.";
const std::string kCodeTooLong = "The value for Code must be a maximum of 3 characters in length.";
const std::string kSizeNotInteger =
    "\r\nEnter numeric value for Size.\r\nThis is an integer value. You cannot enter decimal "
    "value for Size.";
const std::string kWeightRange =
    "\r\nPlease specify a valid default value for Weight.\r\nThe value must be greater than or "
    "equal to 10 and less than or equal to 20.";

TEST(ValidationPasses, ErrorTextsOfBothPasses) {
    const R code{.name = "Code", .value = std::string("abcd"), .maxLength = "3"};
    const struct {
        std::string mode;
        std::vector<R> rows;
        std::string createErr, retrievalErr;
    } cases[] = {
        // The first error, then the appended forms in row order.
        {"RETRIEVAL",
         {code,
          {.name = "Weight",
           .dataType = "number",
           .value = std::string("25"),
           .minVal = "10",
           .maxVal = "20"},
          {.name = "Size", .dataType = "number", .value = std::string("a.b")},
          {.name = "Note", .required = std::string("true")}},
         kCodeTooLongFirst + kWeightRange + kSizeNotInteger,
         kCodeTooLongFirst + kWeightRange + kSizeNotInteger +
             "\r\nPlease specify a valid default value for Note."},
        // Required rows before a value error; create skips empty values.
        {"RETRIEVAL",
         {{.name = "Note", .required = std::string("true"), .minLength = "2"},
          {.name = "Memo",
           .dataType = "number",
           .value = CellValue(),
           .required = std::string("true")},
          code},
         kCodeTooLongFirst,
         "Please specify the valid default value for Note.\r\nPlease specify a valid default "
         "value for Memo.\r\n" +
             kCodeTooLong},
        // Data types in any case; other data types unchecked.
        {"RETRIEVAL",
         {{.name = "Qty", .dataType = "NUMBER", .value = std::string("abc")},
          {.name = "Tag", .dataType = "String", .value = std::string("x/"), .minLength = "2"},
          {.name = "Due", .dataType = "date", .value = std::string("a/b"), .maxLength = "1"},
          {.name = "Misc", .dataType = "", .value = std::string("1,2")},
          {.name = "Cnt", .dataType = "numbers", .value = std::string("x")}},
         "\r\nEnter numeric value for Qty." + forbidden("Tag"),
         "\r\nEnter numeric value for Qty." + forbidden("Tag")},
        // Copy-across: the apply option first, then the row's other checks.
        {"COPYACROSS",
         {{.name = "Code", .value = std::string("abcd"), .maxLength = "3", .noApplyOption = true},
          {.name = "Note", .required = std::string("true"), .noApplyOption = true},
          {.name = "Due", .dataType = "date", .value = std::string("x"), .noApplyOption = true},
          {.name = "Tag", .value = std::string("ok")}},
         kCodeTooLongFirst,
         "\r\nSelect an Apply option for Code.\r\n" + kCodeTooLong +
             "\r\nSelect an Apply option for Note.\r\nPlease specify a valid default value for "
             "Note."},
        // Blank values are checked by their data type and written back unchanged.
        {"RETRIEVAL",
         {{.name = "Qty", .dataType = "number", .value = std::string(" "), .maxVal = "5"},
          {.name = "Code", .value = std::string("  "), .minLength = "3"}},
         "\r\nEnter numeric value for Qty.\r\nThe value for Code must be a minimum of 3 "
         "characters in length.",
         "\r\nEnter numeric value for Qty.\r\nThe value for Code must be a minimum of 3 "
         "characters in length."},
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

// The last pass's problems as "id|index|message;message".
std::vector<std::string> problems(Harness& h) {
    std::vector<std::string> out;
    for (const auto& p : h.control.lastValidationProblems()) {
        std::string line = p.attributeId + "|" + std::to_string(p.rowIndex) + "|";
        for (std::size_t i = 0; i < p.messages.size(); ++i) line += (i ? ";" : "") + p.messages[i];
        out.push_back(line);
    }
    return out;
}

TEST(ValidationPasses, ProblemsPerRowClearedByNextPassAndIntialize) {
    Harness h;
    load(h, "RETRIEVAL",
         {{.name = "Code", .value = std::string("abcd"), .maxLength = "3"},
          {.name = "Fine", .value = std::string("ok")},
          {.name = "Size", .dataType = "number", .value = std::string("a.b")},
          {.name = "Note", .required = std::string("true")}});
    setCell(h, 3, "AttributeID", CellValue());
    const std::vector<std::string> fromCreate = {
        "ca0|0|" + kCodeTooLongFirst,
        "ca2|2|Enter numeric value for Size.;This is an integer value. You cannot enter decimal "
        "value for Size."};
    std::vector<std::string> fromRetrieval = fromCreate;
    fromRetrieval.push_back("|3|Please specify a valid default value for Note.");
    validationText(h, false);
    EXPECT_EQ(problems(h), fromRetrieval);
    validationText(h, true);
    EXPECT_EQ(problems(h), fromCreate);
    setCell(h, 0, "Value", std::string("abc"));
    setCell(h, 2, "Value", std::string("7"));
    setCell(h, 3, "Value", std::string("n"));
    EXPECT_EQ(validationText(h, false), "");
    EXPECT_TRUE(problems(h).empty());
    setCell(h, 0, "Value", std::string("abcd"));
    validationText(h, true);
    EXPECT_EQ(problems(h).size(), 1u);
    h.control.Intialize();
    EXPECT_TRUE(problems(h).empty());
}

// Which apply-option cells count as not chosen: a Boolean false and the texts that read as
// false; a text that reads as no Boolean and an unset cell do not. ApplyToNone plays no part,
// validateCreate never asks, and the check belongs to COPYACROSS exactly.
TEST(ValidationPasses, ApplyOptionCellsThatCountAsNotChosen) {
    const CellValue unset;
    const struct {
        CellValue all, emptyOnly;
        bool asked;
    } cases[] = {
        {false, false, true},
        {true, false, false},
        {false, true, false},
        {std::string("0"), std::string("false"), true},
        {std::string("FALSE"), std::string("fAlSe"), true},
        {std::string("TRUE"), false, false},
        {false, std::string("2"), false},
        {std::string("yes"), false, false},
        {false, std::string(""), false},
        {unset, false, false},
        {false, unset, false},
        {unset, unset, false},
    };
    for (const auto& c : cases) {
        for (const std::string value : {"v", ""}) {
            Harness h;
            load(h, "COPYACROSS", {{.name = "Tag", .value = value}});
            setCell(h, 0, "ApplyToAll", c.all);
            setCell(h, 0, "ApplyToEmptyOnly", c.emptyOnly);
            setCell(h, 0, "ApplyToNone", true);
            EXPECT_EQ(validationText(h, false),
                      c.asked ? "\r\nSelect an Apply option for Tag." : "");
            EXPECT_EQ(validationText(h, true), "");
        }
    }
    for (const std::string mode : {"RETRIEVAL", "copyacross", "CLONE"}) {
        Harness h;
        load(h, mode, {{.name = "Tag", .value = std::string("v"), .noApplyOption = true}});
        EXPECT_EQ(validationText(h, false), "");
    }
}

TEST(ValidationPasses, RequiredValuesAndTheRetrievalSwitch) {
    const struct {
        CellValue required, value;
        bool reported;
    } cases[] = {
        {std::string("true"), std::string(""), true},
        {std::string("TRUE"), std::string(""), true},
        {true, std::string(""), true},
        {std::string("True"), CellValue(), true},
        {std::string("1"), std::string(""), false},
        {std::string("false"), std::string(""), false},
        {false, std::string(""), false},
        {CellValue(), std::string(""), false},
        {std::string("true"), std::string(" "), false},
    };
    for (const auto& c : cases) {
        Harness h;
        load(h, "RETRIEVAL", {{.name = "Note", .value = c.value, .required = c.required}});
        EXPECT_EQ(validationText(h, false),
                  c.reported ? "Please specify the valid default value for Note." : "");
        EXPECT_EQ(validationText(h, true), "");
    }
    // With the retrieval switch off validateRetrieval checks nothing and keeps the text.
    Harness off;
    load(off, "RETRIEVAL", {{.name = "Note", .required = std::string("true")}});
    off.platform.grid().setRetrievalSwitch(false);
    std::string kept = "kept";
    EXPECT_TRUE(off.control.validateRetrieval(kept));
    EXPECT_EQ(kept, "kept");
    off.platform.grid().setRetrievalSwitch(true);
    EXPECT_EQ(validationText(off, false), "Please specify the valid default value for Note.");
    // Without rows both passes find nothing; validateRetrieval still empties the text.
    Harness empty;
    empty.init("RETRIEVAL", {});
    EXPECT_EQ(validationText(empty, true), "");
    EXPECT_EQ(validationText(empty, false), "");
}

}  // namespace
