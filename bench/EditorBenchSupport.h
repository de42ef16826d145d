#pragma once

#include <QApplication>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// What the editor widget's benchmarks share: one application object for the
// whole benchmark program, and a text of real pages.
namespace EditorBench {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The example site's pages one after another until the text has bytes bytes:
// real markup with its real mix of tags, arguments, values and text.
inline std::string siteText(std::size_t bytes = 1'000'000) {
    const std::filesystem::path site =
        std::filesystem::path(TAGWRIGHT_SOURCE_DIR) / "examples" / "site";
    std::string pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(site)) {
        if (entry.path().extension() == ".html") {
            pages += readFile(entry.path());
        }
    }
    std::string text;
    while (text.size() < bytes && !pages.empty()) {
        text += pages;
    }
    text.resize(bytes);
    return text;
}

// One QApplication for every benchmark of the program, made on first use.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "tagwright_ui_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace EditorBench
