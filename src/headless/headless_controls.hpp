#pragma once
// Window controls without a window system: they keep their state and report focus changes.

#include <functional>
#include <string>
#include <vector>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/error.hpp>

namespace zelvane::headless {

// Asked by a control that wants the focus; the platform moves it (and raises the text box's
// focus-lost notification when the text box loses it).
using FocusRequest = std::function<void(WindowControl*)>;

template <class Base>
class HeadlessWindow : public Base {
  public:
    explicit HeadlessWindow(FocusRequest focus) : focus_(std::move(focus)) {}

    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void move(int left, int top, int width, int height) override {
        if (width < 0 || height < 0) throw ZlvError("Invalid property value: negative size");
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    }
    int left() const override { return left_; }
    int top() const override { return top_; }
    int width() const override { return width_; }
    int height() const override { return height_; }
    void setWidth(int width) override {
        if (width < 0) throw ZlvError("Invalid property value: negative width");
        width_ = width;
    }
    void setContainer(WindowControl* container) override { container_ = container; }
    WindowControl* container() const override { return container_; }
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    bool locked() const override { return locked_; }
    void setLocked(bool locked) override { locked_ = locked; }
    void setFocus() override {
        if (!shown())
            throw ZlvError("Invalid procedure call: a hidden control cannot take the focus");
        focus_(this);
    }
    void bringToFront() override { ++zOrder_; }

    // Visible itself and inside visible containers.
    bool shown() const { return visible_ && (container_ == nullptr || container_->visible()); }
    int zOrder() const { return zOrder_; }

  private:
    FocusRequest focus_;
    bool visible_ = true;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 300;
    WindowControl* container_ = nullptr;
    std::string text_;
    bool locked_ = false;
    int zOrder_ = 0;
};

class HeadlessDateTimePicker final : public HeadlessWindow<DateTimePicker> {
  public:
    using HeadlessWindow::HeadlessWindow;
    DateTime value() const override { return value_; }
    void setValue(const DateTime& value) override { value_ = value; }
    std::string displayFormat() const override { return format_; }
    void setDisplayFormat(const std::string& pattern) override { format_ = pattern; }

  private:
    DateTime value_{2000, 1, 1, 0, 0, 0, 0};
    std::string format_;
};

class HeadlessComboBox final : public HeadlessWindow<ComboBox> {
  public:
    using HeadlessWindow::HeadlessWindow;
    const std::vector<ListEntry>& entries() const override { return entries_; }
    void setEntries(std::vector<ListEntry> entries) override { entries_ = std::move(entries); }

  private:
    std::vector<ListEntry> entries_;
};

}  // namespace zelvane::headless
