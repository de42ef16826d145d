#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Kind = CommandLineAction::Kind;
}

TEST(CommandLine, IsAFileToOpenTheWordAppOrNothing) {
    struct Case {
        const char* what;
        const char* commandLine;
        Kind kind;
        const char* path;
    };
    const Case cases[] = {
        {"EmptyOrBlankOpensNothing", "", Kind::Nothing, ""},
        {"EmptyOrBlankOpensNothing", "  \t ", Kind::Nothing, ""},
        {"EmptyOrBlankOpensNothing", "\"\"", Kind::Nothing, ""},
        {"QuotedPathWithBlanksOpensThatFile", "\"/home/ann/my site/index.html\"", Kind::OpenFile,
         "/home/ann/my site/index.html"},
        {"AppFollowedByAPathOpensThePath", "app   /home/ann/index.html  ", Kind::OpenFile,
         "/home/ann/index.html"},
        {"AppAloneMakesANewDocumentFromTheDefaultTemplate", "app", Kind::NewFromDefaultTemplate,
         ""},
        {"AppAloneMakesANewDocumentFromTheDefaultTemplate", "  app   ",
         Kind::NewFromDefaultTemplate, ""},
        {"AppAloneMakesANewDocumentFromTheDefaultTemplate", "\"app\"", Kind::NewFromDefaultTemplate,
         ""},
        {"AppInsideAPathIsPartOfTheFileName", "/home/ann/apps/index.html", Kind::OpenFile,
         "/home/ann/apps/index.html"},
        {"AppInsideAPathIsPartOfTheFileName", "apple.html", Kind::OpenFile, "apple.html"},
    };
    for (const Case& item : cases) {
        const CommandLineAction action = ProcessCommandLine(item.commandLine);
        EXPECT_EQ(action.kind, item.kind) << item.what << ": " << item.commandLine;
        if (item.kind == Kind::OpenFile) {
            EXPECT_EQ(action.path, item.path) << item.what << ": " << item.commandLine;
        }
    }
}

TEST(CommandLine, ArgumentsJoinWithBlanks) {
    EXPECT_EQ(JoinArguments({}), "");
    EXPECT_EQ(JoinArguments({"/a b/c.html"}), "/a b/c.html");
    EXPECT_EQ(JoinArguments({"app", "/x.html"}), "app /x.html");
    EXPECT_EQ(ProcessCommandLine(JoinArguments({"app", "/my docs/x.html"})).path,
              "/my docs/x.html");
}

TEST(CommandLine, RelativePathsBecomeFullAndCleanWithoutResolvingLinks) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"index.html", "/home/ann/site/index.html"},
        {"./pages/../index.html", "/home/ann/site/index.html"},
        {"../other/a.html", "/home/ann/other/a.html"},
        {"/srv/www/a.html", "/srv/www/a.html"},
        {"/srv/www/./x/../a.html", "/srv/www/a.html"},
        {"link/a.html", "/home/ann/site/link/a.html"}, // a link stays as written
    };
    for (const Case& item : cases) {
        EXPECT_EQ(AbsoluteCommandLinePath(item.path, "/home/ann/site"), item.expected) << item.path;
    }
}
