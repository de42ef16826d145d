#include "app/SettingsIO.h"

#include "CaseName.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

namespace {

// Keeps values in memory and remembers the order in which they were written.
class MemoryStore : public ISettingsStore {
public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;

    std::string readString(const std::string& group, const std::string& name,
                           const std::string& fallback) override {
        const auto found = values.find(group + "/" + name);
        return found == values.end() ? fallback : found->second;
    }
    int readInt(const std::string& group, const std::string& name, int fallback) override {
        const auto found = values.find(group + "/" + name);
        return found == values.end() ? fallback : std::stoi(found->second);
    }
    void writeString(const std::string& group, const std::string& name,
                     const std::string& value) override {
        values[group + "/" + name] = value;
        writes.push_back(group + "/" + name);
    }
    void writeInt(const std::string& group, const std::string& name, int value) override {
        writeString(group, name, std::to_string(value));
    }
};

} // namespace

TEST(InstallPaths, FirstStartWritesAllThreeAtOnce) {
    TempDir install;
    MemoryStore store;
    const InstallPaths paths = LoadInstallPaths(store, install.dir());
    EXPECT_EQ(paths.InstallDir, install.dir());
    EXPECT_EQ(paths.TemplateDir, "templates/");
    EXPECT_EQ(paths.DefaultTemplate, "default.htm");
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Main/InstallDir", "Main/TemplateDir",
                                                      "Main/DefaultTemplate"}));
}

TEST(InstallPaths, AStoredDirectoryIsKeptUnchanged) {
    TempDir stored;
    TempDir found;
    MemoryStore store;
    store.values["Main/InstallDir"] = stored.dir();
    store.values["Main/TemplateDir"] = "tpl/";
    store.values["Main/DefaultTemplate"] = "page.htm";
    const InstallPaths paths = LoadInstallPaths(store, found.dir());
    EXPECT_EQ(paths.InstallDir, stored.dir());
    EXPECT_EQ(paths.TemplateDir, "tpl/");
    EXPECT_EQ(paths.DefaultTemplate, "page.htm");
    EXPECT_TRUE(store.writes.empty());
}

TEST(InstallPaths, AStoredDirectoryThatVanishedIsReplaced) {
    TempDir found;
    MemoryStore store;
    store.values["Main/InstallDir"] = found.dir() + "gone/";
    EXPECT_EQ(LoadInstallPaths(store, found.dir()).InstallDir, found.dir());
    EXPECT_EQ(store.values["Main/InstallDir"], found.dir());
}

TEST(Settings, MissingValuesTakeTheirDefaults) {
    MemoryStore store;
    CEditorSettings settings;
    settings.SaveClose = 0;
    settings.Color[3] = 0x123456;
    settings.LineNumbers = 1;
    settings.ReopenSession = 0;
    RecentList files;
    RecentList projects;
    LoadSettings(store, settings, files, projects);
    const CEditorSettings defaults;
    EXPECT_EQ(settings.SaveClose, 2);
    EXPECT_EQ(settings.NoFilelist, 5);
    EXPECT_EQ(settings.HTMLExt, "*.html;*.htm;*.shtml;*.xml");
    EXPECT_EQ(settings.OpenExt, "*.html;*.htm;*.shtml;*.xml;*.txt");
    EXPECT_EQ(settings.ImageExt, "*.jpg;*.gif");
    EXPECT_EQ(settings.TagData, "Data/Tags.txt");
    EXPECT_EQ(settings.Browser, 50);
    EXPECT_EQ(settings.OtherBrowser, "");
    EXPECT_EQ(settings.Editing, defaults.Editing);
    EXPECT_EQ(settings.LineNumbers, 0);
    EXPECT_EQ(settings.ReopenSession, 1);
    EXPECT_EQ(settings.Color, (std::array<std::uint32_t, 7>{0x000000, 0xFF0000, 0x00AA00, 0x006600,
                                                            0x220000, 0x0088FF, 0x0000FF}));
    EXPECT_EQ(files.size(), 0u);
    EXPECT_TRUE(store.writes.empty());
}

TEST(Settings, SaveWritesEveryValueInOrderAndOnlyTheListedRecentSlots) {
    MemoryStore store;
    CEditorSettings settings;
    RecentList files;
    files.add("/b.html");
    files.add("/a.html");
    RecentList projects;
    store.values["Recent/File 4"] = "/old.html";
    SaveSettings(store, "default.htm", settings, files, projects);

    std::vector<std::string> expected = {
        "Main/DefaultTemplate", "Options/SaveClose", "Options/NoFilelist",
        "Options/TagData",      "Options/HTMLExt",   "Options/OpenExt",
        "Options/ImageExt",     "Options/Browser",   "Options/Other Browser"};
    for (int i = 0; i < 8; ++i) {
        expected.push_back("Options/Editing " + std::to_string(i));
    }
    expected.push_back("Recent/File 0");
    expected.push_back("Recent/File 1");
    for (int i = 0; i < 7; ++i) {
        expected.push_back("Options/Color " + std::to_string(i));
    }
    expected.push_back("Options/LineNumbers");
    expected.push_back("Options/ReopenSession");
    EXPECT_EQ(store.writes, expected);
    EXPECT_EQ(store.values["Recent/File 0"], "/a.html");
    EXPECT_EQ(store.values["Recent/File 4"], "/old.html");
}

TEST(Settings, RoundTripKeepsEveryChangedValue) {
    MemoryStore store;
    CEditorSettings saved;
    saved.SaveClose = 1;
    saved.HTMLExt = "*.html";
    saved.TagData = "Data/Mine.txt";
    saved.Editing[4] = 0;
    saved.Color[6] = 0x00FFEE;
    saved.Browser = 60;
    saved.OtherBrowser = "/usr/bin/browser";
    saved.LineNumbers = 1;
    saved.ReopenSession = 0;
    RecentList files;
    files.add("/x.html");
    RecentList projects;
    projects.add("/site.prj");
    SaveSettings(store, "default.htm", saved, files, projects);

    CEditorSettings loaded;
    RecentList loadedFiles;
    RecentList loadedProjects;
    LoadSettings(store, loaded, loadedFiles, loadedProjects);
    EXPECT_EQ(loaded.SaveClose, 1);
    EXPECT_EQ(loaded.HTMLExt, "*.html");
    EXPECT_EQ(loaded.TagData, "Data/Mine.txt");
    EXPECT_EQ(loaded.Editing, saved.Editing);
    EXPECT_EQ(loaded.Color, saved.Color);
    EXPECT_EQ(loaded.Browser, 60);
    EXPECT_EQ(loaded.OtherBrowser, "/usr/bin/browser");
    EXPECT_EQ(loaded.LineNumbers, 1);
    EXPECT_EQ(loaded.ReopenSession, 0);
    EXPECT_EQ(loadedFiles.entries(), files.entries());
    EXPECT_EQ(loadedProjects.entries(), projects.entries());
}

TEST(Settings, PathTextsAreCutTo255Characters) {
    MemoryStore store;
    store.values["Options/TagData"] = std::string(300, 'x');
    store.values["Options/Other Browser"] = std::string(254, 'y') + "\xC3\xA9\xC3\xA9";
    CEditorSettings settings;
    RecentList files;
    RecentList projects;
    LoadSettings(store, settings, files, projects);
    EXPECT_EQ(settings.TagData, std::string(255, 'x'));
    // A character of two bytes counts once and is never cut in half.
    EXPECT_EQ(settings.OtherBrowser, std::string(254, 'y') + "\xC3\xA9");
}

TEST(InstallPaths, NothingFoundStoresNoInstallDir) {
    MemoryStore store;
    const InstallPaths paths = LoadInstallPaths(store, "");
    EXPECT_EQ(paths.InstallDir, "");
    EXPECT_EQ(store.values.count("Main/InstallDir"), 0u);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"Main/TemplateDir", "Main/DefaultTemplate"}));
}

namespace {

// Every option changed away from its default, so that a row that reads or
// writes the wrong field shows in a round trip.
CEditorSettings everyOptionChanged() {
    CEditorSettings settings;
    settings.SaveClose = 0;
    settings.NoFilelist = 3;
    settings.HTMLExt = "*.h1";
    settings.OpenExt = "*.o1";
    settings.ImageExt = "*.i1";
    settings.TagData = "/abs/Tags.txt";
    for (int i = 0; i < CEditorSettings::kEditingCount; ++i) {
        settings.Editing[i] = i % 2;
    }
    for (int i = 0; i < CEditorSettings::kColorCount; ++i) {
        settings.Color[i] = 0xFFFFFFu - static_cast<std::uint32_t>(i);
    }
    settings.Browser = 51;
    settings.OtherBrowser = "/usr/bin/other";
    settings.LineNumbers = 1;
    settings.ReopenSession = 0;
    return settings;
}

auto fieldsOf(const CEditorSettings& s) {
    return std::tie(s.SaveClose, s.NoFilelist, s.HTMLExt, s.OpenExt, s.ImageExt, s.TagData,
                    s.Editing, s.Color, s.Browser, s.OtherBrowser, s.LineNumbers, s.ReopenSession);
}

} // namespace

TEST(Settings, EveryOptionSurvivesARoundTripUnderItsOwnKey) {
    MemoryStore store;
    const CEditorSettings saved = everyOptionChanged();
    ASSERT_NE(fieldsOf(saved), fieldsOf(CEditorSettings()));
    SaveSettings(store, "default.htm", saved, RecentList(), RecentList());
    EXPECT_EQ(store.values.size(), store.writes.size()) << "no key is written twice";
    EXPECT_EQ(store.values["Options/Color 5"], std::to_string(0xFFFFFF - 5));
    EXPECT_EQ(store.values["Options/Editing 1"], "1");

    CEditorSettings loaded;
    RecentList files;
    RecentList projects;
    LoadSettings(store, loaded, files, projects);
    EXPECT_TRUE(fieldsOf(loaded) == fieldsOf(saved));
}

namespace {

// A stored value an option cannot take, and what the option reads as.
struct DamagedValue {
    std::string name;
    const char* key;
    const char* stored;
    int (*read)(const CEditorSettings&);
    int expected;
};

int saveCloseOf(const CEditorSettings& s) {
    return s.SaveClose;
}
int browserOf(const CEditorSettings& s) {
    return s.Browser;
}
int tagColorOf(const CEditorSettings& s) {
    return static_cast<int>(s.Color[CEditorSettings::TagColor]);
}
int codeHelperSwitchOf(const CEditorSettings& s) {
    return s.Editing[CEditorSettings::CodeHelperAutomatic];
}

void PrintTo(const DamagedValue& row, std::ostream* out) {
    *out << row.name;
}

class DamagedSettings : public ::testing::TestWithParam<DamagedValue> {};

} // namespace

TEST_P(DamagedSettings, ReadAsSomethingTheOptionCanTake) {
    const DamagedValue& damaged = GetParam();
    MemoryStore store;
    store.values[std::string("Options/") + damaged.key] = damaged.stored;
    CEditorSettings settings;
    RecentList files;
    RecentList projects;
    LoadSettings(store, settings, files, projects);
    EXPECT_EQ(damaged.read(settings), damaged.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, DamagedSettings,
    ::testing::Values(DamagedValue{"SaveCloseNegative", "SaveClose", "-1", saveCloseOf, 2},
                      DamagedValue{"SaveCloseAboveAsk", "SaveClose", "3", saveCloseOf, 2},
                      DamagedValue{"SaveCloseHuge", "SaveClose", "2000000000", saveCloseOf, 2},
                      DamagedValue{"SaveCloseNoKept", "SaveClose", "0", saveCloseOf, 0},
                      DamagedValue{"BrowserNegative", "Browser", "-50", browserOf, 50},
                      DamagedValue{"BrowserUnknown", "Browser", "52", browserOf, 50},
                      DamagedValue{"BrowserZero", "Browser", "0", browserOf, 50},
                      DamagedValue{"BrowserOtherKept", "Browser", "60", browserOf, 60},
                      DamagedValue{"ColorAboveWhite", "Color 1", "16777216", tagColorOf, 0xFF0000},
                      DamagedValue{"ColorNegative", "Color 1", "-1", tagColorOf, 0xFF0000},
                      DamagedValue{"ColorWhiteKept", "Color 1", "16777215", tagColorOf, 0xFFFFFF},
                      DamagedValue{"SwitchSevenIsOn", "Editing 4", "7", codeHelperSwitchOf, 1},
                      DamagedValue{"SwitchNegativeIsOn", "Editing 4", "-1", codeHelperSwitchOf, 1},
                      DamagedValue{"SwitchOffKept", "Editing 4", "0", codeHelperSwitchOf, 0}),
    CaseName());
