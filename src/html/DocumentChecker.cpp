#include "html/DocumentChecker.h"

#include "html/CTagData.h"
#include "html/CTagScanner.h"

DocumentChecker::DocumentChecker(const CTagData& tagData, const std::string& path, ICheckSink& sink)
    : tagData_(tagData), path_(path), sink_(sink) {}

int DocumentChecker::run(std::string_view text) {
    note("Checking " + path_ + " for errors");
    CTagScanner scanner(text);
    note("Checking tags...");
    CTagToken token;
    while (scanner.NextTag(token))
        checkToken(token);
    std::string count = std::to_string(errors_);
    note(errors_ == 1 ? "Found " + count + " error." : "Found " + count + " errors.");
    return errors_;
}

void DocumentChecker::checkToken(const CTagToken& token) {
    if (state_ == SuspendState::Suspended) {
        if (resumesSuspension(token))
            state_ = SuspendState::Checking;
        return;
    }
    const CTagDef* tag = tagData_.findUpperTag(token.name);
    if (!tag) {
        report(token.name + " is an unknown tag", token.start, token.end);
        return;
    }
    checkNesting(token, *tag);
    checkArguments(token, *tag);
    updateSuspension(token, *tag);
}

bool DocumentChecker::resumesSuspension(const CTagToken& token) {
    return token.closing && token.name == suspendingName_;
}

void DocumentChecker::checkNesting(const CTagToken& token, const CTagDef& tag) {
    const std::string& name = token.name;
    if (token.closing) {
        if (!openTags_.removeOldest(name))
            report("</" + name + "> found before <" + name + ">", token.start, token.end);
        return;
    }
    bool anywhere = !tag.within.empty() && tag.within.front() == "ROOT";
    if (anywhere || openTags_.containsAny(tag.within))
        openTags_.push(name);
    else
        report("<" + name + "> cannot be placed here", token.start, token.end);
}

void DocumentChecker::checkArguments(const CTagToken& token, const CTagDef& tag) {
    for (const CArgToken& argument : token.arguments)
        checkArgument(token, tag, argument);
}

void DocumentChecker::checkArgument(const CTagToken& token, const CTagDef& tag,
                                    const CArgToken& argument) {
    const CArgDef* definition = tag.findUpperArgument(argument.name);
    if (!definition) {
        report(argument.name + " Argument in " + token.name + " tag unknown", argument.start,
               argument.end);
        return;
    }
    if (!definition->values.IsValidValue(argument.value, tagData_.colors()))
        report("Parameter to " + argument.name + " is incorrect", argument.valueStart,
               argument.valueEnd);
}

void DocumentChecker::updateSuspension(const CTagToken& token, const CTagDef& tag) {
    if (state_ != SuspendState::Checking)
        return;
    state_ = SuspendKind(tag);
    if (state_ == SuspendState::Suspended)
        suspendingName_ = token.name;
}

void DocumentChecker::report(std::string message, int start, int end) {
    ++errors_;
    sink_.addLine(CErrorLine{std::move(message), start, end, path_, true});
}

void DocumentChecker::note(std::string message) {
    sink_.addLine(CErrorLine{std::move(message), 0, 0, path_, false});
}
