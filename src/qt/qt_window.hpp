#pragma once
// Window controls over Qt widgets: the contract's members mapped onto a QWidget.

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QWidget>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/error.hpp>

namespace zelvane::qt {

// Gives the QWidget behind a window control, so that containers can be resolved.
class WidgetHolder {
  public:
    virtual ~WidgetHolder() = default;
    virtual QWidget* widget() const = 0;
};

inline QWidget* widgetOf(WindowControl* control) {
    auto* holder = dynamic_cast<WidgetHolder*>(control);
    return holder ? holder->widget() : nullptr;
}

// Positions are pixels relative to the container widget (the control's scale is pixels).
template <class Base>
class QtWindow : public Base, public WidgetHolder {
  public:
    QtWindow(QWidget* widget, QWidget* controlWidget) : w_(widget), control_(controlWidget) {}

    QWidget* widget() const override { return w_; }

    bool visible() const override { return !w_->isHidden(); }
    void setVisible(bool visible) override { w_->setVisible(visible); }
    void move(int left, int top, int width, int height) override {
        if (width < 0 || height < 0) throw ZlvError("Invalid property value: negative size");
        w_->setGeometry(left, top, width, height);
    }
    int left() const override { return w_->x(); }
    int top() const override { return w_->y(); }
    int width() const override { return w_->width(); }
    int height() const override { return w_->height(); }
    void setWidth(int width) override {
        if (width < 0) throw ZlvError("Invalid property value: negative width");
        w_->resize(width, w_->height());
    }
    void setContainer(WindowControl* container) override {
        QWidget* parent = container ? widgetOf(container) : control_;
        if (parent == nullptr) throw ZlvError("Invalid container: not a window control");
        container_ = container;
        if (w_->parentWidget() == parent) return;
        const bool wasVisible = !w_->isHidden();
        w_->setParent(parent);
        w_->setVisible(wasVisible);
    }
    WindowControl* container() const override { return container_; }
    std::string text() const override {
        if (auto* e = qobject_cast<QLineEdit*>(w_)) return e->text().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w_)) return b->text().toStdString();
        if (auto* c = qobject_cast<QComboBox*>(w_)) return c->currentText().toStdString();
        if (auto* d = qobject_cast<QDateTimeEdit*>(w_)) return d->text().toStdString();
        return w_->windowTitle().toStdString();
    }
    void setText(const std::string& text) override {
        const QString t = QString::fromStdString(text);
        if (auto* e = qobject_cast<QLineEdit*>(w_))
            e->setText(t);
        else if (auto* b = qobject_cast<QAbstractButton*>(w_))
            b->setText(t);
        else if (auto* c = qobject_cast<QComboBox*>(w_))
            c->setEditText(t);
        else
            w_->setWindowTitle(t);
    }
    bool locked() const override {
        auto* e = qobject_cast<QLineEdit*>(w_);
        return e != nullptr && e->isReadOnly();
    }
    void setLocked(bool locked) override {
        if (auto* e = qobject_cast<QLineEdit*>(w_)) e->setReadOnly(locked);
    }
    void setFocus() override {
        if (w_->isHidden())
            throw ZlvError("Invalid procedure call: a hidden control cannot take the focus");
        w_->setFocus(Qt::OtherFocusReason);
    }
    void bringToFront() override { w_->raise(); }

  protected:
    QWidget* w_;
    QWidget* control_;
    WindowControl* container_ = nullptr;
};

}  // namespace zelvane::qt
