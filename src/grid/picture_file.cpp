#include "grid/picture_file.hpp"

#include <filesystem>
#include <fstream>
#include <zelvane/error.hpp>

namespace zelvane {
namespace {

constexpr std::size_t kMaxIconBytes = 1024 * 1024;
constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconEntrySize = 16;

unsigned le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

unsigned le32(const std::string& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

void checkIcon(const std::string& bytes, const std::string& path) {
    const bool headerOk = bytes.size() >= kIconDirSize + kIconEntrySize && le16(bytes, 0) == 0 &&
                          le16(bytes, 2) == 1 && le16(bytes, 4) >= 1;
    if (!headerOk) throw ZlvError("Invalid picture: '" + path + "' is not an icon file");
    const std::size_t size = le32(bytes, kIconDirSize + 8);
    const std::size_t offset = le32(bytes, kIconDirSize + 12);
    if (size == 0 || offset > bytes.size() || size > bytes.size() - offset)
        throw ZlvError("Invalid picture: the icon image in '" + path + "' is truncated");
}

}  // namespace

std::shared_ptr<const Picture> loadIconPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw ZlvError("File not found: '" + path + "'");
    const ZlvError unreadable("Cannot read the picture file '" + path + "'");
    // A folder opens as a stream too, but has no size to read.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) throw unreadable;
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxIconBytes)
        throw ZlvError("Invalid picture: '" + path + "' is larger than 1 MiB");
    std::string bytes(size, '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) throw unreadable;
    checkIcon(bytes, path);
    auto picture = std::make_shared<Picture>();
    picture->path = path;
    const auto w = static_cast<unsigned char>(bytes[kIconDirSize]);
    const auto h = static_cast<unsigned char>(bytes[kIconDirSize + 1]);
    picture->width = w == 0 ? 256 : w;
    picture->height = h == 0 ? 256 : h;
    picture->bytes = std::move(bytes);
    return picture;
}

std::shared_ptr<const Picture> PictureCache::load(const std::string& path) {
    auto known = loaded_.find(path);
    if (known != loaded_.end()) return known->second;
    std::shared_ptr<const Picture> picture = loadIconPicture(path);
    loaded_.emplace(path, picture);
    return picture;
}

}  // namespace zelvane
