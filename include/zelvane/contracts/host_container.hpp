#pragma once
// Contract of the host container the control lives in.

#include <memory>
#include <string>
#include <zelvane/export.hpp>

namespace zelvane {

/// The control's scale units: twips (15 per pixel) or pixels.
enum class ScaleMode { Twips, Pixels };

/// A picture loaded from a file. The bytes are the file's content; width and height are read
/// from the image header.
struct Picture {
    std::string path;   ///< the file it was loaded from
    int width = 0;      ///< width in pixels
    int height = 0;     ///< height in pixels
    std::string bytes;  ///< the file's content
};

/// The form or window the control sits on: its folder, pictures, message boxes and units.
class ZLV_EXPORT HostContainer {
  public:
    virtual ~HostContainer() = default;

    /// The folder the component was loaded from; Templates/ and Images/ live below it.
    virtual std::string componentFolder() const = 0;
    /// Loads a picture (an ICO file). Throws ZlvError naming the path when the file is missing,
    /// unreadable or not an icon.
    virtual std::shared_ptr<const Picture> loadPicture(const std::string& path) = 0;
    /// Shows a message box with the text and an OK button only, default title; returns when
    /// the user has answered it.
    virtual void messageBox(const std::string& text) = 0;

    /// The control's scale units.
    virtual ScaleMode scaleMode() const = 0;
    /// Converts a horizontal pixel distance into the control's scale units.
    virtual double pixelsToScaleX(double pixels) const = 0;
    /// True when the editor frame's parent form is an MDI form.
    virtual bool parentIsMdiForm() const = 0;
    /// The control's inner width in its scale units.
    virtual int scaleWidth() const = 0;
    /// The control's inner height in its scale units.
    virtual int scaleHeight() const = 0;
};

}  // namespace zelvane
