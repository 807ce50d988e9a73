#pragma once
// The drop-down list's widget: a non-editable combo box that tells a choice made in its opened
// list apart from the entry shown changing under the arrow keys.

#include <QComboBox>

namespace zelvane::qt {

class DropDown final : public QComboBox {
    Q_OBJECT
  public:
    explicit DropDown(QWidget* parent = nullptr);

    // True while the list is open, and for the rest of the event that closed it.
    bool listOpen() const { return listOpen_; }

  signals:
    // The user chose the entry at index in the opened list (click, or Enter in the list).
    void picked(int index);

  public:
    void showPopup() override;
    void hidePopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void step(int by);

    bool listOpen_ = false;
};

}  // namespace zelvane::qt
