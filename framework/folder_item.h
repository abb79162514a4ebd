#pragma once
// Files and folders. An item may name something that does not exist; opening it then gives nil.

#include <filesystem>

#include "framework/nil_object.h"
#include "framework/text.h"

namespace framework {

class TextInputStream {
public:
    explicit TextInputStream(std::filesystem::path path) : path_(std::move(path)) {}
    // The whole file as it stands, bytes unchanged; "" once closed or when it cannot be read.
    String ReadAll();
    void Close() { closed_ = true; }

private:
    std::filesystem::path path_;
    bool closed_ = false;
};

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

    // The folder holding this item; nil at the root.
    Ref<FolderItem> Parent() const;
    // The item of that name inside this folder, whether or not it exists.
    Ref<FolderItem> Child(const String& name) const;
    // A stream over the file; nil when it is no readable regular file.
    Ref<TextInputStream> OpenAsTextFile() const;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace framework
