// Validation passes driven as a host does: rows loaded by Intialize, cells set as the user
// would leave them, then Validate, validateCreate and validateRetrieval with the error text
// and the per-row problems the host reads back.

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zelvane::CellValue;

// One attribute row as the test leaves it before a pass.
struct R {
    std::string name;
    std::string dataType = "string";
    CellValue value = std::string();
    CellValue required = std::string("false");
    std::string minLength, maxLength, minVal, maxVal, places;
    bool noApplyOption = false;  // ApplyToAll and ApplyToEmptyOnly set to false
};

void load(zlvtest::Harness& h, const std::string& mode, const std::vector<R>& rows) {
    std::vector<zlvtest::Def> defs;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const R& r = rows[i];
        defs.push_back({.caId = "ca" + std::to_string(i),
                        .caName = r.name,
                        .dataType = r.dataType,
                        .minLength = r.minLength,
                        .maxLength = r.maxLength,
                        .minVal = r.minVal,
                        .maxVal = r.maxVal,
                        .allowedDecimalPlaces = r.places});
    }
    h.init(mode, defs);
    ASSERT_EQ(h.rowCount(), static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto row = h.platform.grid().GetRowSet()->row(static_cast<int>(i));
        row->setValue("Value", rows[i].value);
        row->setValue("Required", rows[i].required);
        if (!rows[i].noApplyOption) continue;
        row->setValue("ApplyToAll", false);
        row->setValue("ApplyToEmptyOnly", false);
    }
}

void setCell(zlvtest::Harness& h, int row, const std::string& key, CellValue v) {
    h.platform.grid().GetRowSet()->row(row)->setValue(key, std::move(v));
}

// Runs validateCreate or validateRetrieval on a stale error text and checks the text it
// leaves and its result (valid exactly when the text is "").
void expectPass(zlvtest::Harness& h, bool create, const std::string& expected) {
    std::string strErr = "stale";
    const bool ok = create ? h.control.validateCreate(strErr) : h.control.validateRetrieval(strErr);
    EXPECT_EQ(strErr, expected);
    EXPECT_EQ(ok, expected.empty());
}

// The last pass's problems as "id|index|message;message".
std::vector<std::string> problems(zlvtest::Harness& h) {
    std::vector<std::string> out;
    for (const auto& p : h.control.lastValidationProblems()) {
        std::string line = p.attributeId + "|" + std::to_string(p.rowIndex) + "|";
        for (std::size_t i = 0; i < p.messages.size(); ++i) line += (i ? ";" : "") + p.messages[i];
        out.push_back(line);
    }
    return out;
}

const std::string kCodeTooLongFirst =
    "Please specify the valid default value for Code.\r\nThe value must be a maximum of 3 "
    "characters in length.";
const std::string kCodeTooLong = "The value for Code must be a maximum of 3 characters in length.";
const std::string kSizeNotInteger =
    "\r\nEnter numeric value for Size.\r\nThis is an integer value. You cannot enter decimal "
    "value for Size.";

std::string forbidden(const std::string& name) {
    return "\r\nThe " + name + " cannot contain any of the following characters:\r\n" +
           "\\ / : * ; ' ? >\" < | , % &";
}

// A number row with its bounds and decimal places.
R number(const std::string& name, const std::string& value, const std::string& maxVal,
         const std::string& places, const std::string& minVal = "") {
    return {.name = name,
            .dataType = "number",
            .value = value,
            .minVal = minVal,
            .maxVal = maxVal,
            .places = places};
}

const std::string kAboveTooLarge =
    "Please specify a valid default value for Above.\r\nThe value must be less than or equal to "
    "0.3.";

TEST(ValidationPasses, ErrorTextsOfBothPasses) {
    const R code{.name = "Code", .value = std::string("abcd"), .maxLength = "3"};
    const struct {
        const char* what;
        std::string mode;
        std::vector<R> rows;
        std::string createErr, retrievalErr;
    } cases[] = {
        {"first error, then appended forms in row order",
         "RETRIEVAL",
         {code,
          {.name = "Weight",
           .dataType = "number",
           .value = std::string("25"),
           .minVal = "10",
           .maxVal = "20"},
          {.name = "Size", .dataType = "number", .value = std::string("a.b")},
          {.name = "Note", .required = std::string("true")}},
         kCodeTooLongFirst +
             "\r\nPlease specify a valid default value for Weight.\r\nThe value must be greater "
             "than or equal to 10 and less than or equal to 20." +
             kSizeNotInteger,
         kCodeTooLongFirst +
             "\r\nPlease specify a valid default value for Weight.\r\nThe value must be greater "
             "than or equal to 10 and less than or equal to 20." +
             kSizeNotInteger + "\r\nPlease specify a valid default value for Note."},
        {"required rows before a value error; create skips empty values",
         "RETRIEVAL",
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
        {"data types in any case; other data types unchecked",
         "RETRIEVAL",
         {{.name = "Qty", .dataType = "NUMBER", .value = std::string("abc")},
          {.name = "Tag", .dataType = "String", .value = std::string("x/"), .minLength = "2"},
          {.name = "Due", .dataType = "date", .value = std::string("a/b"), .maxLength = "1"},
          {.name = "Misc", .dataType = "", .value = std::string("1,2")},
          {.name = "Cnt", .dataType = "numbers", .value = std::string("x")}},
         "\r\nEnter numeric value for Qty." + forbidden("Tag"),
         "\r\nEnter numeric value for Qty." + forbidden("Tag")},
        {"copy-across: apply option first, then the row's other checks",
         "COPYACROSS",
         {{.name = "Code", .value = std::string("abcd"), .maxLength = "3", .noApplyOption = true},
          {.name = "Note", .required = std::string("true"), .noApplyOption = true},
          {.name = "Due", .dataType = "date", .value = std::string("x"), .noApplyOption = true},
          {.name = "Tag", .value = std::string("ok")}},
         kCodeTooLongFirst,
         "\r\nSelect an Apply option for Code.\r\n" + kCodeTooLong +
             "\r\nSelect an Apply option for Note.\r\nPlease specify a valid default value for "
             "Note."},
        {"bounds compare as the nearest doubles, short and long numbers alike",
         "RETRIEVAL",
         {number("Tenth", "0.3", "0.3", "1", "0.1"),
          number("Long", "123456789012345.6", "1234567890123456e-1", "1"),
          number("Nearest", "0.29999999999999999999", "0.3", "20"),
          number("Above", "0.30000000000000004", "0.3", "17")},
         kAboveTooLarge,
         kAboveTooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        zlvtest::Harness h;
        load(h, c.mode, c.rows);
        expectPass(h, true, c.createErr);
        expectPass(h, false, c.retrievalErr);
    }
}

TEST(ValidationPasses, ProblemsPerRowClearedByNextPassAndIntialize) {
    zlvtest::Harness h;
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

    std::string strErr;
    h.control.validateRetrieval(strErr);
    EXPECT_EQ(problems(h), fromRetrieval);
    h.control.validateCreate(strErr);
    EXPECT_EQ(problems(h), fromCreate);

    setCell(h, 0, "Value", std::string("abc"));
    setCell(h, 2, "Value", std::string("7"));
    setCell(h, 3, "Value", std::string("n"));
    expectPass(h, false, "");
    EXPECT_TRUE(problems(h).empty());

    setCell(h, 0, "Value", std::string("abcd"));
    h.control.validateCreate(strErr);
    EXPECT_EQ(problems(h).size(), 1u);
    h.control.Intialize();
    EXPECT_TRUE(problems(h).empty());
}

}  // namespace

namespace {

// The apply-option check of validateRetrieval in copy-across mode: which cell values count
// as an option not chosen. Only a Boolean false and the texts that read as false do; a text
// that reads as no Boolean and an unset cell do not.
TEST(ValidationPasses, ApplyOptionCellsThatCountAsNotChosen) {
    const CellValue unset;
    const struct {
        std::string what;
        CellValue all, emptyOnly;
        bool asked;
    } cases[] = {
        {"both Boolean false", false, false, true},
        {"ApplyToAll true", true, false, false},
        {"ApplyToEmptyOnly true", false, true, false},
        {"texts 0 and false", std::string("0"), std::string("false"), true},
        {"false in capitals and mixed case", std::string("FALSE"), std::string("fAlSe"), true},
        {"text true in capitals", std::string("TRUE"), false, false},
        {"a non-zero number", false, std::string("2"), false},
        {"a text that is no Boolean", std::string("yes"), false, false},
        {"the empty text", false, std::string(""), false},
        {"an unset ApplyToAll", unset, false, false},
        {"an unset ApplyToEmptyOnly", false, unset, false},
        {"both unset", unset, unset, false},
    };
    const std::string ask = "\r\nSelect an Apply option for Tag.";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool withValue : {true, false}) {
            zlvtest::Harness h;
            load(h, "COPYACROSS", {{.name = "Tag", .value = std::string(withValue ? "v" : "")}});
            setCell(h, 0, "ApplyToAll", c.all);
            setCell(h, 0, "ApplyToEmptyOnly", c.emptyOnly);
            // ApplyToNone plays no part.
            setCell(h, 0, "ApplyToNone", true);
            expectPass(h, false, c.asked ? ask : "");
            // validateCreate never asks for an option.
            expectPass(h, true, "");
        }
    }
    // The check belongs to COPYACROSS exactly.
    for (const std::string mode : {"RETRIEVAL", "copyacross", "CLONE"}) {
        zlvtest::Harness h;
        load(h, mode, {{.name = "Tag", .value = std::string("v"), .noApplyOption = true}});
        setCell(h, 0, "ApplyToAll", false);
        setCell(h, 0, "ApplyToEmptyOnly", false);
        expectPass(h, false, "");
    }
}

TEST(ValidationPasses, RequiredValuesAndTheRetrievalSwitch) {
    const struct {
        std::string what;
        CellValue required, value;
        bool reported;
    } cases[] = {
        {"text true", std::string("true"), std::string(""), true},
        {"true in capitals", std::string("TRUE"), std::string(""), true},
        {"Boolean true", true, std::string(""), true},
        {"an unset value", std::string("True"), CellValue(), true},
        {"text 1 is not true", std::string("1"), std::string(""), false},
        {"text false", std::string("false"), std::string(""), false},
        {"Boolean false", false, std::string(""), false},
        {"unset Required", CellValue(), std::string(""), false},
        {"a value of blanks is a value", std::string("true"), std::string(" "), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        zlvtest::Harness h;
        load(h, "RETRIEVAL", {{.name = "Note"}});
        setCell(h, 0, "Required", c.required);
        setCell(h, 0, "Value", c.value);
        expectPass(h, false, c.reported ? "Please specify the valid default value for Note." : "");
        expectPass(h, true, "");
    }
    // With the retrieval switch off validateRetrieval checks nothing and keeps the text.
    zlvtest::Harness off;
    load(off, "RETRIEVAL", {{.name = "Note", .required = std::string("true")}});
    off.platform.grid().setRetrievalSwitch(false);
    std::string kept = "kept";
    EXPECT_TRUE(off.control.validateRetrieval(kept));
    EXPECT_EQ(kept, "kept");
    off.platform.grid().setRetrievalSwitch(true);
    expectPass(off, false, "Please specify the valid default value for Note.");
    // Without rows both passes find nothing; validateRetrieval still empties the text.
    zlvtest::Harness empty;
    empty.init("RETRIEVAL", {});
    expectPass(empty, true, "");
    expectPass(empty, false, "");
    EXPECT_TRUE(empty.control.Validate());
}

// A blank value is checked by its data type; a number row gets its value written back
// unchanged.
TEST(ValidationPasses, BlankValuesAreChecked) {
    zlvtest::Harness h;
    load(h, "RETRIEVAL",
         {{.name = "Qty", .dataType = "number", .value = std::string(" "), .maxVal = "5"},
          {.name = "Code", .value = std::string("  "), .minLength = "3"}});
    expectPass(h, false,
               "\r\nEnter numeric value for Qty.\r\nThe value for Code must be a minimum of 3 "
               "characters in length.");
    EXPECT_EQ(h.cell(0, "Value"), " ");
    EXPECT_EQ(h.cell(1, "Value"), "  ");
}

// A bound that does not convert ends the pass; the messages found before it stay, in the
// error text and per row, the failing row's own included.
TEST(ValidationPasses, ABoundThatDoesNotConvertEndsThePass) {
    const std::vector<R> threeRows = {
        {.name = "Code", .value = std::string("abcd"), .maxLength = "3"},
        {.name = "Qty", .dataType = "number", .value = std::string("1"), .minVal = "x"},
        {.name = "Tag", .value = std::string("/")}};
    R qtyNoOption = threeRows[1];
    qtyNoOption.noApplyOption = true;
    const std::string noOption = "Select an Apply option for Qty.";
    const struct {
        std::string mode;
        bool create;
        std::vector<R> rows;
        std::string strErr;
        std::vector<std::string> problems;
    } cases[] = {
        {"RETRIEVAL", true, threeRows, kCodeTooLongFirst, {"ca0|0|" + kCodeTooLongFirst}},
        {"RETRIEVAL", false, threeRows, kCodeTooLongFirst, {"ca0|0|" + kCodeTooLongFirst}},
        {"COPYACROSS", false, {qtyNoOption}, "\r\n" + noOption, {"ca0|0|" + noOption}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + (c.create ? " create" : " retrieval"));
        zlvtest::Harness h;
        load(h, c.mode, c.rows);
        std::string strErr;
        EXPECT_THROW(
            c.create ? h.control.validateCreate(strErr) : h.control.validateRetrieval(strErr),
            zelvane::ZlvError);
        EXPECT_EQ(strErr, c.strErr);
        EXPECT_EQ(problems(h), c.problems);
    }
}

}  // namespace
