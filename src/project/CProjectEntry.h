#pragma once

#include <string>

// One file of a project. RelPath is relative to the project directory and
// uses the native separator in memory (the project file stores backslashes).
struct CProjectEntry {
    bool Open = false;
    void* Window = nullptr; // the document window showing the file; not owned
    void* TreeItem = nullptr;
    std::string RelPath;
    bool Upload = false;
};
