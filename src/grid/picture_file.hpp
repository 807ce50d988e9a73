#pragma once
// Loading an icon file into a Picture, shared by the platforms' host containers.

#include <memory>
#include <string>
#include <unordered_map>
#include <zelvane/contracts/host_container.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

// Reads an ICO file and checks its header and first image entry. Throws ZlvError naming the
// path when the file is missing, unreadable, larger than 1 MiB or not an icon.
std::shared_ptr<const Picture> loadIconPicture(const std::string& path);

// The pictures a host container has loaded, by path: the component's images are read once
// per host, however many rows show them. A load that fails is not remembered.
class ZLV_EXPORT PictureCache {
  public:
    std::shared_ptr<const Picture> load(const std::string& path);

  private:
    std::unordered_map<std::string, std::shared_ptr<const Picture>> loaded_;
};

}  // namespace zelvane
