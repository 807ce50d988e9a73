#pragma once
// Window controls over Qt widgets: the contract's members mapped onto a QWidget.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QWidget>
#include <cmath>
#include <functional>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/error.hpp>

namespace zelvane::qt {

// Twips (1440 per logical inch) of the screen a widget is on: 15 per pixel at 96 dpi. Logical
// dpi stays 96 at a device pixel ratio of 2, so the units are the same at 1x and 2x.
inline double twipsPerPixel(const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

// A distance in twips as whole pixels (nearest).
inline int twipsToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

// Gives the QWidget behind a window control, so that containers can be resolved.
class WidgetHolder {
  public:
    virtual ~WidgetHolder() = default;
    virtual QWidget* widget() const = 0;
    // Places the widget again from the position and size last set, in its container's area.
    virtual void applyGeometry() = 0;
};

inline QWidget* widgetOf(WindowControl* control) {
    auto* holder = dynamic_cast<WidgetHolder*>(control);
    return holder ? holder->widget() : nullptr;
}

// Where a window may be seen, in its parent widget's pixels; empty means anywhere.
using ClipArea = std::function<QRect()>;

// Positions and sizes are twips relative to the container, as the control sets them, and read
// back as set. On screen the widget shows that rectangle in pixels, cut to what its parent
// widget shows (and to the window's clip area), so a child never spills out of its container.
// Hiding a widget that holds the keyboard focus hands the focus to the focus home (the grid)
// first, so that it never wanders to another widget of the host window; a popup open from the
// widget closes first.
template <class Base>
class QtWindow : public Base, public WidgetHolder {
  public:
    QtWindow(QWidget* widget, QWidget* controlWidget) : w_(widget), control_(controlWidget) {
        const double tpp = twipsPerPixel(controlWidget);
        const QRect g = widget->geometry();
        rect_ = {int(g.x() * tpp), int(g.y() * tpp), int(g.width() * tpp), int(g.height() * tpp)};
    }

    QWidget* widget() const override { return w_; }

    // Called after every move, resize or change of container (the platform lays out the
    // editors inside the frame again).
    std::function<void()> moved;
    // The widget that takes the focus when this one hides with the focus inside.
    QWidget* focusHome = nullptr;
    ClipArea clip;
    // The widget's height is that of its container's area, whatever height was set.
    bool fillsContainerHeight = false;

    bool visible() const override { return !w_->isHidden(); }
    void setVisible(bool visible) override {
        if (!visible) {
            // A list or calendar opened from the widget closes with it; the focus they held
            // would otherwise stay in a closed popup.
            QWidget* popup = QApplication::activePopupWidget();
            if (popup && owns(popup)) popup->close();
            QWidget* focus = QApplication::focusWidget();
            if (focusHome && focusHome != w_ && focus && owns(focus)) focusHome->setFocus();
        }
        w_->setVisible(visible);
    }
    void move(int left, int top, int width, int height) override {
        if (width < 0 || height < 0) throw ZlvError("Invalid property value: negative size");
        rect_ = {left, top, width, height};
        changed();
    }
    int left() const override { return rect_.left; }
    int top() const override { return rect_.top; }
    int width() const override { return rect_.width; }
    int height() const override { return rect_.height; }
    void setWidth(int width) override {
        if (width < 0) throw ZlvError("Invalid property value: negative width");
        rect_.width = width;
        changed();
    }
    void setContainer(WindowControl* container) override {
        QWidget* parent = container ? widgetOf(container) : control_;
        if (parent == nullptr) throw ZlvError("Invalid container: not a window control");
        container_ = container;
        if (w_->parentWidget() != parent) {
            const bool wasVisible = !w_->isHidden();
            w_->setParent(parent);
            w_->setVisible(wasVisible);
        }
        changed();
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

    void applyGeometry() override {
        QWidget* parent = w_->parentWidget();
        const QRect area = parent ? QRect(QPoint(0, 0), parent->size()) : QRect();
        QRect r(twipsToPixels(control_, rect_.left), twipsToPixels(control_, rect_.top),
                twipsToPixels(control_, rect_.width), twipsToPixels(control_, rect_.height));
        if (fillsContainerHeight && parent) r.setHeight(parent->height() - r.top());
        if (parent && w_->parentWidget() != control_) r = r.intersected(area);
        if (clip) {
            const QRect c = clip();
            if (!c.isEmpty()) r = r.intersected(c);
        }
        w_->setGeometry(r.isValid() ? r : QRect(r.topLeft(), QSize(0, 0)));
    }

  protected:
    // True for the widget, its children and the popups opened from them (windows of their own,
    // which isAncestorOf does not reach).
    bool owns(const QWidget* other) const {
        for (; other; other = other->parentWidget())
            if (other == w_) return true;
        return false;
    }
    void changed() {
        applyGeometry();
        if (moved) moved();
    }

    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
    };
    QWidget* w_;
    QWidget* control_;
    WindowControl* container_ = nullptr;
    Rect rect_;
};

}  // namespace zelvane::qt
