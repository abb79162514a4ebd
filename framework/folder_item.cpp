#include "framework/folder_item.h"

#include <fstream>
#include <iterator>

namespace framework {

namespace fs = std::filesystem;

String TextInputStream::ReadAll() {
    if (closed_) return {};
    std::ifstream file(path_, std::ios::binary);
    if (!file) return {};
    return String(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Ref<FolderItem> FolderItem::Parent() const {
    const fs::path parent = path_.parent_path();
    if (parent.empty() || parent == path_) return nullptr;
    return New<FolderItem>(parent);
}

Ref<FolderItem> FolderItem::Child(const String& name) const {
    return New<FolderItem>(path_ / name);
}

Ref<TextInputStream> FolderItem::OpenAsTextFile() const {
    std::error_code error;
    if (!fs::is_regular_file(path_, error)) return nullptr;
    std::ifstream probe(path_, std::ios::binary);
    if (!probe) return nullptr;
    return New<TextInputStream>(path_);
}

}  // namespace framework
