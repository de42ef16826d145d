#include "project/PathUtils.h"

#include "project/CPathTokenizer.h"
#include "project/PathSeparators.h"

#include <algorithm>
#include <cctype>

namespace {

void replaceAll(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

// End of the next step of the walk over base that begins at stepEnd: the
// first step is the root ("/") or the first two characters, every further
// one reaches to and including the next separator, or to the end.
std::size_t nextStepEnd(std::string_view base, std::size_t stepEnd) {
    if (stepEnd == 0) {
        return (!base.empty() && base[0] == kNativeSeparator)
                   ? 1
                   : std::min<std::size_t>(2, base.size());
    }
    const std::size_t separator = base.find(kNativeSeparator, stepEnd);
    return separator == std::string_view::npos ? base.size() : separator + 1;
}

bool samePrefix(std::string_view a, std::string_view b, std::size_t length) {
    return a.substr(0, length) == b.substr(0, length);
}

bool isParentStep(std::string_view component) {
    if (!component.empty() && IsSeparator(component.back())) {
        component.remove_suffix(1);
    }
    return component == "..";
}

// Drops the last directory of a directory path ("/a/b/" -> "/a/"). The root
// has no parent, so it stays the root.
void dropLastDirectory(std::string& base) {
    if (base.size() < 2) {
        if (base.size() == 1 && IsSeparator(base[0])) {
            return;
        }
        base.clear();
        return;
    }
    const std::size_t separator = base.find_last_of("/\\", base.size() - 2);
    if (separator == std::string::npos) {
        base.clear();
    } else {
        base.erase(separator + 1);
    }
}

void dropFirstComponent(std::string& relative) {
    const std::size_t separator = relative.find_first_of("/\\");
    relative.erase(0, separator == std::string::npos ? relative.size() : separator + 1);
}

bool isPathStepDot(std::string_view text, std::size_t i) {
    const bool startsStep = i == 0 || IsSeparator(text[i - 1]);
    const bool endsStep = i + 1 == text.size() || IsSeparator(text[i + 1]);
    return startsStep && endsStep;
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string DirectoryOf(std::string_view path) {
    const std::size_t separator = path.rfind(kNativeSeparator);
    return separator == std::string_view::npos ? std::string()
                                               : std::string(path.substr(0, separator + 1));
}

std::string RelativePath(std::string_view target, std::string_view base) {
    std::string work(target);
    replaceAll(work, kForeignSeparator, kNativeSeparator);

    std::size_t lastCommon = 0;
    std::size_t stepEnd = 0;
    while (stepEnd < base.size()) {
        stepEnd = nextStepEnd(base, stepEnd);
        if (!samePrefix(work, base, stepEnd)) {
            break;
        }
        lastCommon = stepEnd;
    }
    const auto climbs = std::count(base.begin() + static_cast<std::ptrdiff_t>(lastCommon),
                                   base.end(), kNativeSeparator);
    std::string result;
    for (std::ptrdiff_t i = 0; i < climbs; ++i) {
        result += "..";
        result += kNativeSeparator;
    }
    if (lastCommon < target.size()) {
        result += target.substr(lastCommon);
    }
    return result;
}

std::string AbsolutePath(std::string_view base, std::string_view relative) {
    std::string workBase(base);
    std::string workRelative(relative);
    CPathTokenizer tokenizer(relative);
    std::string component;
    // Only the leading ".." steps are folded; a ".." after an ordinary
    // component is left for the file system to resolve.
    while (tokenizer.Next(component) && isParentStep(component)) {
        dropFirstComponent(workRelative);
        dropLastDirectory(workBase);
    }
    return workBase + workRelative;
}

void ToForwardSlashes(std::string& path) {
    replaceAll(path, '\\', '/');
}

void ToBackslashes(std::string& path) {
    replaceAll(path, '/', '\\');
}

bool SplitAnchor(std::string& link, std::string& anchor) {
    const std::size_t hash = link.rfind('#');
    if (hash == std::string::npos) {
        return false;
    }
    anchor = link.substr(hash);
    link.erase(hash);
    return true;
}

bool IsLocalLink(std::string_view text) {
    if (text.find(':') != std::string_view::npos) {
        return false;
    }
    int loneDots = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '.') {
            continue;
        }
        const bool dotBefore = i > 0 && text[i - 1] == '.';
        const bool dotAfter = i + 1 < text.size() && text[i + 1] == '.';
        if (!dotBefore && !dotAfter && !isPathStepDot(text, i)) {
            ++loneDots;
        }
    }
    return loneDots <= 1;
}

bool HasExtension(std::string_view list, std::string_view file) {
    const std::string_view name = fileNameOf(file);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    const std::string_view extension = name.substr(dot + 1);
    for (std::size_t i = list.find('.'); i != std::string_view::npos; i = list.find('.', i + 1)) {
        if (equalIgnoringCase(list.substr(i + 1, extension.size()), extension)) {
            return true;
        }
    }
    return false;
}
