#pragma once
// The "Select" button beside the read-only text box: the host chooses the value (it answers
// the button's click), so ending the edit writes nothing.

#include <QPushButton>

#include "qt/editor_adapter.hpp"

namespace zelvane::qt {

class SelectEditor final : public EditorAdapter {
  public:
    SelectEditor(QPushButton* button, const EditorContext& context)
        : EditorAdapter(context), button_(button) {}
    QWidget* widget() const override { return button_; }
    bool userChanged() const override { return false; }
    void write() override {}
    bool input(QEvent& event) override;

  private:
    QPushButton* button_;
};

}  // namespace zelvane::qt
