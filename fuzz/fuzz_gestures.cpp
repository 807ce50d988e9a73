// User gestures on the headless platform: the sample definitions and values in a mode the
// input chooses, then up to 200 gestures the input picks (click, edit, type, leave, Delete in
// the text box and in the grid, pick a date, press "Select", the host's answer, choose in the
// drop-down, tick an apply option, scroll) mixed with the host's Add, Remove, SetData,
// validation and refresh. After every step: the Delete key never removes rows, a shown editor
// frame sits exactly over the cell being edited, a dismissal hides every editor, and GetData
// is well-formed with one entry per row.

#include <array>
#include <optional>

#include "fuzz_support.hpp"

namespace {

using zelvane::CellRef;
using zlvfuzz::check;

constexpr int kPixelScale = zelvane::headless::kTwipsPerPixel;
constexpr int kFrameExtraHeight = 50;

const char* const kColumns[] = {"Value", "Attribute", "Required", "ApplyToAll", "ApplyToEmptyOnly"};

const std::vector<std::string> kDefinitions = {
    R"(<caTemplates caId="CA_NEW" caName="New &amp; &lt;odd&gt;" controlType="TextBox" )"
    R"(dataType="number" defaultValue="1.5" allowedDecimalPlaces="2"/>)",
    R"(<caTemplates caId="CA_COLOR" caName="Colour" controlType="ComboBox" dataType="string" )"
    R"(defaultValue="1, Red"/>)",
    R"(<caTemplates caId="CA_REGION" caName="Region" controlType="Picker" parentId="CA_COUNTRY" )"
    R"(event="City"/>)",
    R"(<caTemplates caId="CA_DAY" caName="Day" controlType="Date" dateType="dateOnly"/>)",
    "not xml"};

struct Session {
    zlvfuzz::Control c;
    std::optional<CellRef> editCell;  // the cell the shown frame was last placed over
};

// The rectangle the frame takes over a cell, in the control's twips.
std::optional<std::array<int, 4>> frameRectOver(Session& s, const CellRef& cell) {
    if (!cell.row || !cell.row->attached()) return std::nullopt;
    const std::string key = s.c.platform.grid().GetRowSet()->column(cell.column).key;
    const auto r = s.c.platform.cellRect(cell.row->index(), key);
    if (!r) return std::nullopt;
    return std::array<int, 4>{r->left * kPixelScale, r->top * kPixelScale, r->width * kPixelScale,
                              r->height * kPixelScale + kFrameExtraHeight};
}

bool frameIsOver(Session& s, const CellRef& cell) {
    const zelvane::WindowControl& frame = s.c.platform.picture1();
    const auto rect = frameRectOver(s, cell);
    return rect && (*rect)[0] == frame.left() && (*rect)[1] == frame.top() &&
           (*rect)[2] == frame.width() && (*rect)[3] == frame.height();
}

void startEditing(Session& s, int row) {
    if (!s.c.platform.startEditing(row, "Value")) return;
    const auto active = s.c.platform.grid().activeCell();
    if (active && s.c.platform.picture1().visible() && frameIsOver(s, *active)) s.editCell = active;
}

void checkFrame(Session& s) {
    if (!s.c.platform.picture1().visible()) return;
    check(s.editCell && frameIsOver(s, *s.editCell),
          "the editor frame is shown away from the cell being edited");
}

void checkDismissed(Session& s) {
    zelvane::headless::HeadlessPlatform& p = s.c.platform;
    check(!p.picture1().visible() && !p.comboBox().visible() && !p.dateTimePicker().visible() &&
              !p.cmdPicker().visible(),
          "an editor is still shown after a dismissal");
}

void remove(Session& s) {
    const int selected = s.c.platform.grid().selectedCount();
    const int rows = s.c.rowCount();
    bool removed = false;
    try {
        removed = s.c.control.Remove();
    } catch (const zelvane::ZlvError&) {
        removed = false;
    }
    check(s.c.rowCount() == (removed ? rows - selected : rows), "Remove miscounted the rows");
}

void add(Session& s, const std::string& definition) {
    try {
        s.c.control.Add(definition);
    } catch (const zelvane::ZlvError&) {
        // "not xml" is refused with an error of the call.
    }
}

void validate(Session& s, bool create) {
    std::string strErr;
    try {
        if (create)
            s.c.control.validateCreate(strErr);
        else
            s.c.control.validateRetrieval(strErr);
    } catch (const zelvane::ZlvError&) {
        // A typed bound is never involved here, but the rows' own limits may be any text.
    }
}

zelvane::DateTime dateFrom(zlvfuzz::InputReader& in) {
    zelvane::DateTime dt{1990 + in.choice(60), 1 + in.choice(12), 1 + in.choice(28), 0, 0, 0, 0};
    dt.hour = in.choice(24);
    dt.minute = in.choice(60);
    dt.second = in.choice(60);
    return dt;
}

void gesture(Session& s, zlvfuzz::InputReader& in) {
    zelvane::headless::HeadlessPlatform& p = s.c.platform;
    const int row = in.choice(s.c.rowCount() + 1);
    const int kind = in.choice(19);
    switch (kind) {
        case 0:
            p.clickCell(row, kColumns[in.choice(5)]);
            break;
        case 1:
            p.clickRowSelector(row);
            break;
        case 2:
            startEditing(s, row);
            break;
        case 3:
            p.typeText(in.shortText());
            break;
        case 4:
            p.leaveTextBox();
            break;
        case 5:
            p.pressDeleteInTextBox();
            break;
        case 6: {
            const int rows = s.c.rowCount();
            p.pressDeleteInGrid();
            check(s.c.rowCount() == rows, "the Delete key removed rows from the grid");
            break;
        }
        case 7:
            p.pickDate(dateFrom(in));
            break;
        case 8:
            p.pressSelect();
            break;
        case 9: {
            const std::string id = in.shortText();
            const std::string value = in.shortText();
            try {
                s.c.control.setCellValue(id, value, in.choice(2) == 0);
            } catch (const zelvane::ZlvError&) {
                // The row the pick was for has been removed: an error of the call, no write.
            }
            break;
        }
        case 10:
            p.chooseInDropDown(in.choice(4));
            break;
        case 11:
            p.toggleCheck(row, kColumns[3 + in.choice(2)]);
            break;
        case 12:
            p.scrollTo(row);
            checkDismissed(s);
            break;
        case 13:
            remove(s);
            break;
        case 14:
            add(s, kDefinitions[static_cast<std::size_t>(in.choice(5))]);
            break;
        case 15:
            validate(s, in.choice(2) == 0);
            break;
        case 16: {
            std::string values = zlvfuzz::readResource("samples/values.xml");
            s.c.control.SetData(values);
            break;
        }
        case 17:
            try {
                s.c.control.updateData();
            } catch (const zelvane::ZlvError&) {
                // Required markers of rows that Remove took out no longer have a row.
            }
            break;
        default:
            p.clearMessages();
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    Session s;
    s.c.initSample(zlvfuzz::kModes[static_cast<std::size_t>(in.choice(5))]);
    std::string values = zlvfuzz::readResource("samples/values.xml");
    s.c.control.SetData(values);
    s.c.control.setCopyTemplateXML(zlvfuzz::readResource("samples/copy_template.xml"));
    s.c.control.setValueListProvider([](const std::string& list, const std::string& parent) {
        return std::vector<zelvane::ListEntry>{
            {"1", "Red"}, {"2", "<Green & \"co\">"}, {"", ""}, {parent + "-" + list, "child"}};
    });
    s.c.control.onPickerButtonClicked([](zelvane::KeyedCollection& coll) {
        const std::string kind = zelvane::cellTextOrEmpty(coll.Item(1));
        check(
            (kind == "Standard" && coll.Count() == 2) || (kind == "Dependent" && coll.Count() == 5),
            "the selection collection has the wrong shape");
    });
    for (int step = 0; step < 200 && !in.atEnd(); ++step) {
        gesture(s, in);
        zlvfuzz::checkMessages(
            s.c, {" Set Data ", "Please select valid Attribute", " IntializewithCopyTemplate "});
        checkFrame(s);
        zlvfuzz::checkedGetData(s.c);
    }
    return 0;
}
