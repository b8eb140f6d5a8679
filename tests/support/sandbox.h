#pragma once
// An empty folder for one test, named by a Windows path, with raw access to
// its files that does not go through the layer under test.

#include <optional>
#include <string>

#include "package/text_ops.h"

class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // The folder, without a final "\".
    const Text& folder() const { return folder_; }
    Text path(const Text& name) const { return joinText(folder_, "\\", name); }

    void makeFolder(const Text& name) const;
    void put(const Text& name, const std::string& bytes) const;
    // The file's bytes; nothing when there is no such file.
    std::optional<std::string> bytes(const Text& name) const;
    bool isFolder(const Text& name) const;
    // Makes the folder the program's current folder.
    void enter() const;

private:
    Text folder_;
};
