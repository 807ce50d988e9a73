#pragma once
// Sample rows for the widget in a form editor.

#include <zelvane/qt/custom_attr_widget.hpp>

namespace zelvane::designer {

// Loads a few sample attributes with values into the widget, then empties its properties
// again, so that the rows show while the property editor starts from a new widget's values.
void showSampleRows(qt::CustomAttrWidget& widget);

}  // namespace zelvane::designer
