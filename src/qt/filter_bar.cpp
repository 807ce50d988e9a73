#include "qt/filter_bar.hpp"

#include <QHBoxLayout>
#include <QShortcut>

namespace zelvane::qt {

FilterBar::FilterBar(QWidget* parent) : QWidget(parent), field_(new QLineEdit(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    field_->setPlaceholderText("Find an attribute or value");
    field_->setClearButtonEnabled(true);
    field_->setAccessibleName("Find rows");
    layout->addWidget(field_, 1);
    changedOnly_ = addToggle("Changed only", "Only rows whose value was changed");
    requiredOnly_ = addToggle("Required only", "Only required rows");
    problemsOnly_ = addToggle("With problems", "Only rows the last validation found problems in");
    connect(field_, &QLineEdit::textChanged, this, [this] { notify(); });
    // Escape in the field takes the whole filter back.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), field_);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, [this] { clear(); });
}

QToolButton* FilterBar::addToggle(const QString& caption, const QString& tip) {
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(tip);
    button->setCheckable(true);
    connect(button, &QToolButton::toggled, this, [this] { notify(); });
    layout()->addWidget(button);
    return button;
}

RowFilter FilterBar::filter() const {
    RowFilterFlags which = RowFilterFlags::None;
    if (changedOnly_->isChecked()) which = which | RowFilterFlags::ChangedOnly;
    if (requiredOnly_->isChecked()) which = which | RowFilterFlags::RequiredOnly;
    if (problemsOnly_->isChecked()) which = which | RowFilterFlags::WithProblemsOnly;
    return {field_->text().toStdString(), which};
}

QToolButton* FilterBar::toggle(RowFilterFlags which) const {
    if (which == RowFilterFlags::ChangedOnly) return changedOnly_;
    if (which == RowFilterFlags::RequiredOnly) return requiredOnly_;
    return which == RowFilterFlags::WithProblemsOnly ? problemsOnly_ : nullptr;
}

// One change for the whole clearing, not one per widget.
void FilterBar::clear() {
    const QSignalBlocker blockField(field_);
    for (QToolButton* b : {changedOnly_, requiredOnly_, problemsOnly_}) {
        const QSignalBlocker blockButton(b);
        b->setChecked(false);
    }
    field_->clear();
    notify();
}

void FilterBar::notify() {
    if (changed) changed();
}

}  // namespace zelvane::qt
