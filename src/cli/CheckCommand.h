#pragma once

#include "cli/CheckOptions.h"

#include <cstdio>
#include <string>
#include <vector>

class CTagData;

// The whole of tagwright-check behind main(): parse, load the vocabulary,
// collect the files, check them and choose the exit status.
class CheckCommand {
public:
    enum Status { Clean = 0, ErrorsFound = 1, Failure = 2 };

    CheckCommand(std::FILE* out, std::FILE* err, std::string executablePath)
        : out_(out), err_(err), executablePath_(std::move(executablePath)) {}

    int run(const std::vector<std::string>& arguments);

private:
    int check(const CheckOptions& options);
    int withOutputChecked(int status) const;
    bool loadVocabulary(const CheckOptions& options, CTagData& tagData);
    bool collectFiles(const CheckOptions& options, std::vector<std::string>& files);
    void printUsage(std::FILE* stream) const;
    void printHelp() const;
    void fail(const std::string& message) const;

    std::FILE* out_;
    std::FILE* err_;
    std::string executablePath_;
    std::string htmlExtensions_;
};
