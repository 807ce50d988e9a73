#pragma once
// Loading an icon file into a Picture, shared by the platforms' host containers.

#include <memory>
#include <string>
#include <zelvane/contracts/host_container.hpp>

namespace zelvane {

// Reads an ICO file and checks its header and first image entry. Throws ZlvError naming the
// path when the file is missing, unreadable, larger than 1 MiB or not an icon.
std::shared_ptr<const Picture> loadIconPicture(const std::string& path);

}  // namespace zelvane
