#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tagwright-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        root_ = pattern;
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root_; }
    // The directory with a trailing separator.
    std::string dir() const { return root_.string() + "/"; }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    std::filesystem::path write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = root_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    std::string read(const std::string& name) const { return readFile(root_ / name); }

    static std::string readFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::size_t entryCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(root_),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path root_;
};
