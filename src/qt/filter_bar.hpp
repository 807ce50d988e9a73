#pragma once
// The bar above the grid where a user finds rows: a text field with a clear button and
// toggles that narrow to changed, required and with-problem rows.

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <zelvane/row_filter.hpp>

namespace zelvane::qt {

class FilterBar final : public QWidget {
  public:
    explicit FilterBar(QWidget* parent);

    // The filter the field and toggles say.
    RowFilter filter() const;
    // Called whenever the user changes the filter.
    std::function<void()> changed;

    QLineEdit* field() const { return field_; }
    // The toggle of one narrowing; nullptr for another value.
    QToolButton* toggle(RowFilterFlags which) const;
    // Empties the field and turns every toggle off.
    void clear();

  private:
    QToolButton* addToggle(const QString& caption, const QString& tip);
    void notify();

    QLineEdit* field_;
    QToolButton* changedOnly_;
    QToolButton* requiredOnly_;
    QToolButton* problemsOnly_;
};

}  // namespace zelvane::qt
