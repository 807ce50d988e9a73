#pragma once
// One in-place editor kind over its Qt widget: what the user changed and what ending its edit
// writes. The platform's one key and focus policy decides when an edit ends and how.

#include <QEvent>
#include <QWidget>
#include <functional>
#include <utility>
#include <zelvane/contracts/control_events.hpp>

namespace zelvane::qt {

// The modifier keys held, as the control's notifications carry them (1 Shift, 2 Ctrl, 4 Alt).
inline int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// What an editor needs of the platform: raising the control's notifications (a failure the
// control lets through goes to the host's message box), the editor frame and the grid.
struct EditorContext {
    std::function<void(const std::function<void(ControlEvents&)>&)> raise;
    QWidget* frame = nullptr;
    QWidget* grid = nullptr;

    // Hides the editors that the write left on screen.
    void dismissShown() const {
        if (!frame->isHidden()) raise([](ControlEvents& e) { e.EditorDismiss(); });
    }
};

class EditorAdapter {
  public:
    explicit EditorAdapter(const EditorContext& context) : context_(context) {}
    virtual ~EditorAdapter() = default;
    EditorAdapter(const EditorAdapter&) = delete;
    EditorAdapter& operator=(const EditorAdapter&) = delete;

    // The widget that holds the keyboard focus while the user edits.
    virtual QWidget* widget() const = 0;
    // True when the entry shown is not the one the editor showed when the edit began.
    virtual bool userChanged() const = 0;
    // Hands the entry to the control, as this kind of editor does when its edit ends.
    virtual void write() = 0;
    // Every editor hides and nothing is written.
    void abandon() {
        context_.raise([](ControlEvents& e) { e.EditorDismiss(); });
    }

    // An event of one of the editor's widgets that the editor handles before the key policy;
    // true when it used the event up.
    virtual bool input(QEvent& /*event*/) { return false; }
    // True for the editor's widgets whose input the editor reads.
    virtual bool owns(const QObject* watched) const { return watched == widget(); }
    // True while a popup of the editor (its list or calendar) is open.
    virtual bool popupOpen() const { return false; }

    // An edit lasts from the moment the editor shows or takes the focus until it ends; only
    // an edit that has not ended yet writes.
    void begin() { editing_ = true; }
    // Ends the edit; false when it had already ended.
    bool finish() { return std::exchange(editing_, false); }

  protected:
    EditorContext context_;

  private:
    bool editing_ = false;
};

}  // namespace zelvane::qt
