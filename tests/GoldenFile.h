#pragma once

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Golden-file tests: an input under tests/data and beside it the expected
// output in a readable form. A mismatch leaves the actual output in
// "<reference>.new" for a person to compare. With TAGWRIGHT_REFRESH_GOLDEN
// set (tools/refresh_golden.sh) the references are rewritten instead.
namespace GoldenFile {

namespace fs = std::filesystem;

inline bool refreshing() {
    const char* value = std::getenv("TAGWRIGHT_REFRESH_GOLDEN");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

inline std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// "line 3: expected ... / actual ..." for the first line that differs.
inline std::string firstDifference(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> want = lines(expected);
    const std::vector<std::string> got = lines(actual);
    std::size_t line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) {
        ++line;
    }
    const auto at = [line](const std::vector<std::string>& all) {
        return line < all.size() ? "\"" + all[line] + "\"" : std::string("(end of file)");
    };
    return "line " + std::to_string(line + 1) + ":\n  expected " + at(want) + "\n  actual   " +
           at(got);
}

// Compares actual with the reference; see the namespace comment.
inline ::testing::AssertionResult matches(const fs::path& reference, const std::string& actual) {
    const fs::path newFile = reference.string() + ".new";
    std::error_code ignored;
    if (refreshing()) {
        write(reference, actual);
        fs::remove(newFile, ignored);
        return ::testing::AssertionSuccess();
    }
    if (!fs::exists(reference)) {
        write(newFile, actual);
        return ::testing::AssertionFailure()
               << reference << " is missing; the output is in " << newFile
               << " (tools/refresh_golden.sh writes the references)";
    }
    const std::string expected = read(reference);
    if (expected == actual) {
        fs::remove(newFile, ignored);
        return ::testing::AssertionSuccess();
    }
    write(newFile, actual);
    return ::testing::AssertionFailure()
           << reference.filename() << " differs at " << firstDifference(expected, actual)
           << "\nsee: diff -u " << reference << " " << newFile;
}

// The files in dir whose names end in extension, in name order.
inline std::vector<fs::path> inputs(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// A test name for an input file: its stem with every character that a
// test name cannot hold replaced.
inline std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

} // namespace GoldenFile
