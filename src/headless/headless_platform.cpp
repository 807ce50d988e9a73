#include <algorithm>
#include <climits>
#include <iostream>
#include <zelvane/headless/headless_platform.hpp>

#include "grid/picture_file.hpp"
#include "headless/headless_grid.hpp"

namespace zelvane::headless {
namespace {

class HeadlessHost final : public HostContainer {
  public:
    explicit HeadlessHost(std::string folder) : folder_(std::move(folder)) {}

    std::string componentFolder() const override { return folder_; }
    std::shared_ptr<const Picture> loadPicture(const std::string& path) override {
        return pictures.load(path);
    }
    void messageBox(const std::string& text) override {
        messages.push_back(text);
        if (echo) std::cerr << prefix << text << '\n';
    }
    ScaleMode scaleMode() const override { return mode; }
    double pixelsToScaleX(double pixels) const override {
        return mode == ScaleMode::Pixels ? pixels : pixels * kTwipsPerPixel;
    }
    bool parentIsMdiForm() const override { return mdi; }
    int scaleWidth() const override { return width; }
    int scaleHeight() const override { return height; }

    std::vector<std::string> messages;
    PictureCache pictures;
    bool echo = false;
    std::string prefix;
    ScaleMode mode = ScaleMode::Twips;
    bool mdi = false;
    int width = 6000;
    int height = 4000;

  private:
    std::string folder_;
};

}  // namespace

struct HeadlessPlatform::Impl {
    explicit Impl(std::string folder)
        : host(std::move(folder)),
          grid(focusTo(), host),
          text1(focusTo()),
          cmdPicker(focusTo()),
          picture1(focusTo()),
          dateTimePicker(focusTo()),
          comboBox(focusTo()) {}

    FocusRequest focusTo() {
        return [this](WindowControl* c) { moveFocus(c); };
    }

    // Moves the keyboard focus; the text box hears when it loses it.
    void moveFocus(WindowControl* to) {
        WindowControl* from = focused;
        focused = to == &grid ? nullptr : to;
        if (from == &text1 && focused != &text1 && events) events->Text1_LostFocus();
    }

    void focusGrid() { moveFocus(&grid); }

    RowPtr rowAt(int index) const {
        auto rows = const_cast<HeadlessGrid&>(grid).GetRowSet();
        if (!rows || index < 0 || index >= rows->recordCount()) return nullptr;
        return rows->row(index);
    }

    // Scrolls a cell into view. A scroll moves the cells under the placed editors, so it
    // dismisses them, as scrollTo does.
    void scrollIntoView(const CellRef& cell) {
        const std::pair<int, int> before{grid.topRow(), grid.leftOffset()};
        grid.scrollCellIntoView(cell);
        if (std::pair{grid.topRow(), grid.leftOffset()} != before && events)
            events->EditorDismiss();
    }

    // The pixel centre of a cell after scrolling it into view.
    std::optional<std::pair<float, float>> pointAt(const CellRef& cell) {
        scrollIntoView(cell);
        auto r = grid.cellElementRect(cell);
        if (!r || r->width <= 0 || r->height <= 0) return std::nullopt;
        return std::make_pair(float(r->left) + float(r->width) / 2,
                              float(r->top) + float(r->height) / 2);
    }

    // Pointer down over a cell and the cell becoming active.
    bool pressCell(int row, std::string_view key, CellRef& cell) {
        RowPtr r = rowAt(row);
        if (!r) return false;
        const int column = r->owner()->findColumn(key);
        if (column < 0 || r->owner()->column(column).hidden) return false;
        cell = CellRef{r, column};
        auto point = pointAt(cell);
        if (!point) return false;
        focusGrid();
        if (events) events->GridMouse(1, 0, point->first, point->second);
        grid.setActiveCell(cell);
        if (events) events->CellActivating(cell);
        return true;
    }

    HeadlessHost host;
    HeadlessGrid grid;
    HeadlessWindow<WindowControl> text1;
    HeadlessWindow<WindowControl> cmdPicker;
    HeadlessWindow<WindowControl> picture1;
    HeadlessDateTimePicker dateTimePicker;
    HeadlessComboBox comboBox;
    ControlEvents* events = nullptr;
    WindowControl* focused = nullptr;
};

HeadlessPlatform::HeadlessPlatform(std::string componentFolder)
    : impl_(std::make_unique<Impl>(std::move(componentFolder))) {}

HeadlessPlatform::~HeadlessPlatform() = default;

Grid& HeadlessPlatform::grid() { return impl_->grid; }
WindowControl& HeadlessPlatform::text1() { return impl_->text1; }
WindowControl& HeadlessPlatform::cmdPicker() { return impl_->cmdPicker; }
WindowControl& HeadlessPlatform::picture1() { return impl_->picture1; }
DateTimePicker& HeadlessPlatform::dateTimePicker() { return impl_->dateTimePicker; }
ComboBox& HeadlessPlatform::comboBox() { return impl_->comboBox; }
HostContainer& HeadlessPlatform::host() { return impl_->host; }

void HeadlessPlatform::attach(ControlEvents* events) {
    impl_->events = events;
    impl_->grid.setEvents(events);
}

const std::vector<std::string>& HeadlessPlatform::messages() const { return impl_->host.messages; }
void HeadlessPlatform::clearMessages() { impl_->host.messages.clear(); }
void HeadlessPlatform::setEchoMessages(bool echo) { impl_->host.echo = echo; }
void HeadlessPlatform::setMessagePrefix(std::string prefix) {
    impl_->host.prefix = std::move(prefix);
}
// The control keeps its size on screen: its inner size is converted to the new units.
void HeadlessPlatform::setScaleMode(ScaleMode mode) {
    HeadlessHost& host = impl_->host;
    if (mode == host.mode) return;
    // Computed wide and clamped: a pixel size beyond what twips in an int hold stays the largest.
    const auto convert = [toPixels = mode == ScaleMode::Pixels](int size) {
        const long long converted =
            toPixels ? size / kTwipsPerPixel : static_cast<long long>(size) * kTwipsPerPixel;
        return static_cast<int>(std::min<long long>(converted, INT_MAX));
    };
    const auto convertPosition = [toPixels = mode == ScaleMode::Pixels](int at) {
        const long long converted =
            toPixels ? at / kTwipsPerPixel : static_cast<long long>(at) * kTwipsPerPixel;
        return static_cast<int>(std::clamp<long long>(converted, INT_MIN, INT_MAX));
    };
    host.width = convert(host.width);
    host.height = convert(host.height);
    host.mode = mode;
    // The controls placed directly on the control keep their place on screen too; the grid
    // follows with the resize below, and controls inside the frame keep the frame's units.
    WindowControl* placed[] = {&impl_->text1, &impl_->cmdPicker, &impl_->picture1,
                               &impl_->dateTimePicker, &impl_->comboBox};
    for (WindowControl* w : placed)
        if (w->container() == nullptr)
            w->move(convertPosition(w->left()), convertPosition(w->top()), convert(w->width()),
                    convert(w->height()));
    if (impl_->events) impl_->events->Resize();
}
void HeadlessPlatform::setParentIsMdiForm(bool mdi) { impl_->host.mdi = mdi; }

void HeadlessPlatform::resize(int width, int height) {
    impl_->host.width = std::max(0, width);
    impl_->host.height = std::max(0, height);
    if (impl_->events) impl_->events->Resize();
}

bool HeadlessPlatform::clickCell(int row, std::string_view key) {
    CellRef cell;
    if (!impl_->pressCell(row, key, cell)) return false;
    if (impl_->events) impl_->events->GridClick();
    return true;
}

bool HeadlessPlatform::clickRowSelector(int row) {
    RowPtr r = impl_->rowAt(row);
    if (!r || r->display() == RowDisplay::Hidden) return false;
    impl_->scrollIntoView(CellRef{r, 0});
    const long long top = impl_->grid.rowTop(*r).value_or(kHeaderHeight);
    impl_->focusGrid();
    if (impl_->events)
        impl_->events->GridMouse(1, 0, float(kRowSelectorWidth) / 2, float(top + kRowHeight / 2));
    impl_->grid.setActiveRow(r);
    if (impl_->events) impl_->events->GridClick();
    return true;
}

bool HeadlessPlatform::startEditing(int row, std::string_view key) {
    if (!clickCell(row, key)) return false;
    if (impl_->events) impl_->events->EditRequest();
    return true;
}

bool HeadlessPlatform::typeText(const std::string& text) {
    Impl& m = *impl_;
    if (!m.text1.shown() || m.text1.locked()) return false;
    m.text1.setFocus();
    m.text1.setText(text);
    return true;
}

bool HeadlessPlatform::leaveTextBox() {
    if (impl_->focused != &impl_->text1) return false;
    impl_->focusGrid();
    return true;
}

bool HeadlessPlatform::pressDeleteInTextBox() {
    Impl& m = *impl_;
    if (!m.text1.shown()) return false;
    m.text1.setFocus();
    std::int16_t key = kDeleteKey;
    if (m.events) m.events->Text1_KeyUp(key, 0);
    return true;
}

bool HeadlessPlatform::pressDeleteInGrid() {
    Impl& m = *impl_;
    m.focusGrid();
    std::int16_t key = kDeleteKey;
    if (m.events) m.events->GridKeyDown(key, 0);
    if (key == kDeleteKey) m.grid.DeleteSelectedRows();
    return true;
}

bool HeadlessPlatform::pickDate(const DateTime& value) {
    Impl& m = *impl_;
    if (!m.dateTimePicker.shown()) return false;
    m.dateTimePicker.setValue(value);
    if (m.events) m.events->DateChosen(value);
    return true;
}

bool HeadlessPlatform::pressSelect() {
    Impl& m = *impl_;
    if (!m.cmdPicker.shown()) return false;
    if (m.events) m.events->CmdPicker_Click();
    return true;
}

bool HeadlessPlatform::chooseInDropDown(int index) {
    Impl& m = *impl_;
    if (!m.comboBox.shown() || index < 0 || index >= static_cast<int>(m.comboBox.entries().size()))
        return false;
    m.comboBox.setText(m.comboBox.entries()[static_cast<std::size_t>(index)].text);
    if (m.events) m.events->ComboChosen(index);
    return true;
}

bool HeadlessPlatform::toggleCheck(int row, std::string_view key) {
    Impl& m = *impl_;
    CellRef cell;
    if (!m.pressCell(row, key, cell)) return false;
    if (cell.row->activation(cell.column) != 0) return false;
    const CellValue& current = cell.row->value(cell.column);
    CellValue proposed;
    if (const auto* text = std::get_if<std::string>(&current))
        proposed = std::string(*text == "true" || *text == "1" ? "false" : "true");
    else
        proposed = !(std::holds_alternative<bool>(current) && std::get<bool>(current));
    bool cancel = false;
    if (m.events) m.events->BeforeCellUpdate(cell, proposed, cancel);
    if (!cancel) cell.row->setValue(cell.column, proposed);
    if (m.events) m.events->GridClick();
    return true;
}

void HeadlessPlatform::scrollTo(int topRow) {
    impl_->grid.setTopRow(topRow);
    if (impl_->events) impl_->events->EditorDismiss();
}

int HeadlessPlatform::topRow() const { return impl_->grid.topRow(); }

std::optional<PixelRect> HeadlessPlatform::cellRect(int row, std::string_view key) {
    RowPtr r = impl_->rowAt(row);
    if (!r) return std::nullopt;
    const int column = r->owner()->findColumn(key);
    if (column < 0) return std::nullopt;
    return impl_->grid.cellElementRect(CellRef{r, column});
}

const WindowControl* HeadlessPlatform::focused() const { return impl_->focused; }

}  // namespace zelvane::headless
