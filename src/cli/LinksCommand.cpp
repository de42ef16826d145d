#include "cli/LinksCommand.h"

#include "app/BrokenLinkFinder.h"
#include "app/LinkList.h"
#include "app/LinkScan.h"
#include "cli/LineIndex.h"
#include "html/FileText.h"
#include "project/PathUtils.h"
#include "project/ProjectFile.h"

int LinksCommand::run(const CheckOptions& options) {
    Pages pages;
    if (!collect(options, pages))
        return 2;
    return options.mode == CheckOptions::Mode::Links ? listLinks(pages) : listBroken(pages);
}

bool LinksCommand::collect(const CheckOptions& options, Pages& pages) const {
    if (!options.projectFile) {
        for (const std::string& file : options.files) {
            const std::string full = FullProjectPath(file);
            if (pages.base.empty())
                pages.base = DirectoryOf(full);
            pages.files.push_back(RelativePath(full, pages.base));
            pages.shown.push_back(file);
        }
        return true;
    }
    CProject project;
    std::string reason;
    if (LoadProject(project, *options.projectFile, &reason) != ReadResult::Ok) {
        std::fprintf(err_, "I/O Error: %s: %s\n", options.projectFile->c_str(), reason.c_str());
        return false;
    }
    pages.base = ProjectDirectory(*options.projectFile);
    for (const CProjectEntry& entry : project.Files) {
        if (HasExtension(htmlExtensions_, entry.RelPath)) {
            pages.files.push_back(entry.RelPath);
            pages.shown.push_back(AbsolutePath(pages.base, entry.RelPath));
        }
    }
    return true;
}

int LinksCommand::listLinks(const Pages& pages) {
    LinkList links;
    const LinkScanResult result = ScanLinks(tagData_, pages.files, pages.base, links);
    printLinks(links);
    std::fflush(out_);
    if (result.ioError) {
        std::fprintf(err_, "I/O Error: %s\n", result.failedPath.c_str());
        return 2;
    }
    return 0;
}

void LinksCommand::printLinks(const LinkList& links) {
    std::string text;
    for (const CLink& link : links.links()) {
        text = link.text + '\n';
        for (const CLinkRef& ref : link.refs) {
            text += '\t' + ref.listText() + '\t' + std::to_string(ref.start) + '\t' +
                    std::to_string(ref.end) + '\n';
        }
        write(text);
    }
}

int LinksCommand::listBroken(const Pages& pages) {
    BrokenLinkFinder finder(tagData_, pages.base, htmlExtensions_);
    LineIndex lines;
    bool anyBroken = false;
    for (std::size_t i = 0; i < pages.files.size(); ++i) {
        const std::string full = AbsolutePath(pages.base, pages.files[i]);
        const std::optional<std::string> text = ReadFileText(full);
        if (!text) {
            std::fflush(out_);
            std::fprintf(err_, "I/O Error: %s\n", full.c_str());
            return 2;
        }
        lines.reset(*text);
        for (const BrokenLink& broken : finder.find(*text, full)) {
            write(pages.shown[i] + ':' + std::to_string(lines.lineOf(broken.start)) + ':' +
                  std::to_string(lines.columnOf(broken.start)) + ": " + broken.message() + ": " +
                  broken.value + '\n');
            anyBroken = true;
        }
    }
    return anyBroken ? 1 : 0;
}

void LinksCommand::write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out_);
}
