#pragma once

#include "html/CodeChecker.h"
#include "html/OpenTagStack.h"

#include <string>
#include <string_view>

struct CArgToken;
struct CTagToken;

// The state of checking one document: the open tags, whether checking is
// suspended and the error count. Lines go to the sink as they are found.
class DocumentChecker {
public:
    DocumentChecker(const CTagData& tagData, const std::string& path, ICheckSink& sink);

    int run(std::string_view text);

private:
    void checkToken(const CTagToken& token);
    bool resumesSuspension(const CTagToken& token);
    void checkNesting(const CTagToken& token, const CTagDef& tag);
    void checkArguments(const CTagToken& token, const CTagDef& tag);
    void checkArgument(const CTagToken& token, const CTagDef& tag, const CArgToken& argument);
    void updateSuspension(const CTagToken& token, const CTagDef& tag);
    void report(std::string message, int start, int end);
    void note(std::string message);

    const CTagData& tagData_;
    const std::string& path_;
    ICheckSink& sink_;
    OpenTagStack openTags_;
    SuspendState state_ = SuspendState::Checking;
    std::string suspendingName_;
    int errors_ = 0;
};
