#pragma once
// The text box: writes its text whenever its edit ends, changed or not (the control formats it).

#include <QLineEdit>

#include "qt/editor_adapter.hpp"

namespace zelvane::qt {

class TextEditor final : public EditorAdapter {
  public:
    TextEditor(QLineEdit* edit, const EditorContext& context)
        : EditorAdapter(context), edit_(edit) {}
    QWidget* widget() const override { return edit_; }
    bool userChanged() const override { return edit_->isModified(); }
    void write() override;
    bool input(QEvent& event) override;

  private:
    QLineEdit* edit_;
};

}  // namespace zelvane::qt
