#include "cli/CheckCommand.h"

#include "cli/CheckPrinter.h"
#include "cli/InstalledData.h"
#include "cli/LinksCommand.h"
#include "html/CTagData.h"
#include "html/CodeChecker.h"
#include "project/PathUtils.h"
#include "project/ProjectFile.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: tagwright-check [--tags FILE] [--colors FILE] [--format gnu|log]\n"
    "                       (--project FILE.prj | FILE...)\n"
    "       tagwright-check --links [--tags FILE] [--colors FILE] (--project FILE.prj | FILE)\n"
    "       tagwright-check --broken-links [--tags FILE] [--colors FILE]\n"
    "                       (--project FILE.prj | FILE...)\n";

constexpr const char* kHelp = R"(
Checks HTML files against the tag vocabulary of Quillmark Tagwright, with the
same checker as the editor's Check Code command.

  --tags FILE       tag data file to check against. Default: the editor's
                    setting TagData resolved against its InstallDir, or the
                    installed Data/Tags.txt.
  --colors FILE     colour name file. Default: Data/Colors.txt of the
                    installation directory.
  --format gnu      (default) one line per error: PATH:LINE:COLUMN: MESSAGE,
                    LINE and COLUMN 1-based, columns counted in bytes, lines
                    ending in LF (CR LF and a lone CR count as one line end).
  --format log      every line of the error log, one per output line:
                    START<TAB>END<TAB>PATH<TAB>MESSAGE (offsets into the text
                    as read); the separator after each file is 0<TAB>0<TAB><TAB>.
  --project FILE    check every file of the project whose name has one of the
                    HTML extensions (the editor's HTMLExt setting), in project
                    order, resolved against the project file's directory. A
                    project with no such file gives a warning and checks
                    nothing.
  FILE...           files to check, in the order given; paths are printed
                    exactly as given.
  --links           instead of checking, list every link target of the
                    project's HTML files (or of the one FILE) in order of
                    first appearance, grouped by target. A local target is
                    shown relative to the project's folder (or FILE's), in
                    the case it was written, with forward slashes. After each
                    target one line per reference:
                    <TAB>FILE[ (#BOOKMARK)]<TAB>START<TAB>END
                    FILE relative to that folder, START and END the value's
                    byte offsets (quotes included, CR LF read as one byte).
                    Exit status 0; 2 and "I/O Error: PATH" on standard error
                    when a file cannot be read (the links found before it
                    are printed).
  --broken-links    instead of checking, print one line per reference whose
                    local target is missing:
                      PATH:LINE:COLUMN: link target not found: VALUE
                    or whose target page has no element with the bookmark's
                    id or name:
                      PATH:LINE:COLUMN: bookmark not found: VALUE
                    VALUE as written. Web addresses are not fetched; a folder
                    counts when it holds index.html or index.htm; a query
                    ("?...") is ignored and "%XX" escapes are decoded; a
                    value starting with "/" is taken from the project's
                    folder (or the first FILE's). Exit status 1 when a line
                    was printed, 0 when none, 2 when a file cannot be read.
  --help            show this text.

Exit status: 0 when no error was found, 1 when at least one was, 2 when a file
could not be read ("I/O Error", its path and the reason on standard error;
folders, FIFOs, devices and files over 64 MB are not read; checking stops
there and what was found so far is printed), the tag data could not be loaded,
the output could not be written, or the command line was wrong.
)";

} // namespace

int CheckCommand::run(const std::vector<std::string>& arguments) {
    std::string error;
    std::optional<CheckOptions> options = CheckOptions::parse(arguments, error);
    if (!options) {
        std::fprintf(err_, "tagwright-check: %s\n", error.c_str());
        printUsage(err_);
        return Failure;
    }
    if (options->help) {
        printHelp();
        return withOutputChecked(Clean);
    }
    return withOutputChecked(check(*options));
}

// A full disk or a closed pipe shows only when the buffered output is
// flushed; a report that did not arrive must not pass for a clean one.
int CheckCommand::withOutputChecked(int status) const {
    errno = 0;
    if (std::fflush(out_) == 0 && !std::ferror(out_)) {
        return status;
    }
    const int error = errno;
    fail(std::string("cannot write the output: ") +
         (error != 0 ? std::strerror(error) : "write error"));
    return Failure;
}

int CheckCommand::check(const CheckOptions& options) {
    CTagData tagData;
    std::vector<std::string> files;
    if (!loadVocabulary(options, tagData))
        return Failure;
    if (options.mode != CheckOptions::Mode::Check)
        return LinksCommand(out_, err_, tagData, htmlExtensions_).run(options);
    if (!collectFiles(options, files))
        return Failure;
    CheckPrinter printer(out_, options.format);
    CheckFilesResult result = CheckFiles(tagData, files, printer);
    std::fflush(out_);
    if (result.ioError) {
        fail("I/O Error: " + result.failedPath + ": " + result.failedReason);
        return Failure;
    }
    return result.errorCount > 0 ? ErrorsFound : Clean;
}

bool CheckCommand::loadVocabulary(const CheckOptions& options, CTagData& tagData) {
    InstalledData installed = InstalledData::resolve(executablePath_);
    htmlExtensions_ = installed.htmlExtensions;
    std::string tagFile = options.tagFile.value_or(installed.tagFile);
    std::string colorFile = options.colorFile.value_or(installed.colorFile);
    if (tagFile.empty() || colorFile.empty()) {
        fail(installed.problem + "; give --tags and --colors");
        return false;
    }
    TagDataLoadResult loaded = tagData.LoadTagData(tagFile, colorFile);
    for (std::size_t i = 0; i < loaded.unreadableFiles.size(); ++i)
        fail("cannot read " + loaded.unreadableFiles[i] + ": " + loaded.reasons[i]);
    return loaded.ok();
}

bool CheckCommand::collectFiles(const CheckOptions& options, std::vector<std::string>& files) {
    if (!options.projectFile) {
        files = options.files;
        return true;
    }
    CProject project;
    std::string reason;
    if (LoadProject(project, *options.projectFile, &reason) != ReadResult::Ok) {
        fail("I/O Error: " + *options.projectFile + ": " + reason);
        return false;
    }
    std::string directory = ProjectDirectory(*options.projectFile);
    for (const CProjectEntry& entry : project.Files) {
        if (HasExtension(htmlExtensions_, entry.RelPath))
            files.push_back(AbsolutePath(directory, entry.RelPath));
    }
    if (files.empty())
        std::fprintf(err_, "tagwright-check: warning: %s has no file named %s; nothing checked\n",
                     options.projectFile->c_str(), htmlExtensions_.c_str());
    return true;
}

void CheckCommand::printUsage(std::FILE* stream) const {
    std::fputs(kUsage, stream);
}

void CheckCommand::printHelp() const {
    printUsage(out_);
    std::fputs(kHelp, out_);
}

void CheckCommand::fail(const std::string& message) const {
    std::fprintf(err_, "tagwright-check: %s\n", message.c_str());
}
