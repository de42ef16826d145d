#include "app/BrowserLookup.h"

#include "TempDir.h"
#include "app/CEditorSettings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string program(const TempDir& dir, const std::string& name, bool executable = true) {
    const std::string path = dir.write(name, "#!/bin/sh\n").string();
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
}

} // namespace

TEST(BrowserLookup, TheFirstNameFoundInPathOrderWins) {
    TempDir first;
    TempDir second;
    program(first, "firefox-esr");
    const std::string firefox = program(second, "bin/firefox");
    const std::string pathList = first.path().string() + ":" + second.path("bin");

    // The preferred name wins over an earlier folder holding the other one.
    BrowserLookup found = FindBrowser(CEditorSettings::BrowserNetscape, "", pathList);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.executable, firefox);

    program(first, "google-chrome");
    program(second, "bin/chromium", false); // not executable: passed over
    found = FindBrowser(CEditorSettings::BrowserExplorer, "", pathList);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.executable, first.path("google-chrome"));
}

TEST(BrowserLookup, NothingFoundSaysWhichNamesWereLookedFor) {
    TempDir empty;
    const BrowserLookup lookup = FindBrowser(CEditorSettings::BrowserExplorer, "", empty.path());
    EXPECT_FALSE(lookup.found);
    EXPECT_EQ(
        lookup.error,
        "No program named chromium, chromium-browser or google-chrome was found on the PATH.");
    EXPECT_FALSE(FindBrowser(CEditorSettings::BrowserNetscape, "", "").found);
    EXPECT_FALSE(FindBrowser(7, "/usr/bin/x", empty.path()).found);
}

TEST(BrowserLookup, OtherIsTheUsersProgramAsWritten) {
    const BrowserLookup lookup =
        FindBrowser(CEditorSettings::BrowserOther, "/opt/my browser/run", "");
    EXPECT_TRUE(lookup.found);
    EXPECT_EQ(lookup.executable, "/opt/my browser/run");
    EXPECT_FALSE(FindBrowser(CEditorSettings::BrowserOther, "", "/usr/bin").found);
}
