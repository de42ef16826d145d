#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Kind = CommandLineAction::Kind;
}

TEST(CommandLine, EmptyOrBlankOpensNothing) {
    EXPECT_EQ(ProcessCommandLine("").kind, Kind::Nothing);
    EXPECT_EQ(ProcessCommandLine("  \t ").kind, Kind::Nothing);
    EXPECT_EQ(ProcessCommandLine("\"\"").kind, Kind::Nothing);
}

TEST(CommandLine, QuotedPathWithBlanksOpensThatFile) {
    const CommandLineAction action = ProcessCommandLine("\"/home/ann/my site/index.html\"");
    EXPECT_EQ(action.kind, Kind::OpenFile);
    EXPECT_EQ(action.path, "/home/ann/my site/index.html");
}

TEST(CommandLine, AppFollowedByAPathOpensThePath) {
    const CommandLineAction action = ProcessCommandLine("app   /home/ann/index.html  ");
    EXPECT_EQ(action.kind, Kind::OpenFile);
    EXPECT_EQ(action.path, "/home/ann/index.html");
}

TEST(CommandLine, AppAloneMakesANewDocumentFromTheDefaultTemplate) {
    EXPECT_EQ(ProcessCommandLine("app").kind, Kind::NewFromDefaultTemplate);
    EXPECT_EQ(ProcessCommandLine("  app   ").kind, Kind::NewFromDefaultTemplate);
    EXPECT_EQ(ProcessCommandLine("\"app\"").kind, Kind::NewFromDefaultTemplate);
}

TEST(CommandLine, AppInsideAPathIsPartOfTheFileName) {
    const CommandLineAction action = ProcessCommandLine("/home/ann/apps/index.html");
    EXPECT_EQ(action.kind, Kind::OpenFile);
    EXPECT_EQ(action.path, "/home/ann/apps/index.html");

    const CommandLineAction word = ProcessCommandLine("apple.html");
    EXPECT_EQ(word.kind, Kind::OpenFile);
    EXPECT_EQ(word.path, "apple.html");
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
