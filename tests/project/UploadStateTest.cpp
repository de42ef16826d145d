#include "project/UploadState.h"

#include "TempDir.h"
#include "project/UploadRun.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

void setModified(const std::filesystem::path& file, int secondsLater) {
    const auto now = std::filesystem::last_write_time(file);
    std::filesystem::last_write_time(file, now + std::chrono::seconds(secondsLater));
}

TEST(UploadState, AFileCountsAsUpdatedUntilUploadedAndAgainOnceWritten) {
    TempDir dir;
    const std::string page = dir.write("index.html", "<P>").string();
    const std::string statePath = UploadState::PathFor(dir.path("site.prj"));
    EXPECT_EQ(statePath, dir.path("site.prj.uploads"));

    UploadState state = UploadState::Load(statePath);
    EXPECT_TRUE(state.isFileUpdated("index.html", page));
    state.markUploaded("index.html", *UploadState::ModificationTime(page));
    ASSERT_TRUE(state.save(statePath));

    const UploadState reloaded = UploadState::Load(statePath);
    EXPECT_FALSE(reloaded.isFileUpdated("index.html", page));
    EXPECT_TRUE(reloaded.isFileUpdated("other.html", page));
    setModified(page, 2);
    EXPECT_TRUE(reloaded.isFileUpdated("index.html", page));
}

TEST(UploadState, DamagedLinesAndAMissingFileRecordNothing) {
    TempDir dir;
    const std::string page = dir.write("a b.html", "x").string();
    const auto modified = std::to_string(*UploadState::ModificationTime(page));
    dir.write("site.prj.uploads", "garbage\n12x\ta b.html\n\t\n" + modified + "\ta b.html\n");
    const UploadState state = UploadState::Load(dir.path("site.prj.uploads"));
    EXPECT_FALSE(state.isFileUpdated("a b.html", page));
    EXPECT_TRUE(UploadState::Load(dir.path("missing.uploads")).isFileUpdated("a b.html", page));
    // A project that has no file of its own keeps no records.
    EXPECT_EQ(UploadState::PathFor(""), "");
    EXPECT_FALSE(state.save(""));
}

struct PlaceCase {
    const char* relPath;
    bool inside;
    std::vector<std::string> directories;
    const char* name;
};

class RemotePlace_ : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(RemotePlace_, StaysBelowTheServerDirectory) {
    const PlaceCase& expected = GetParam();
    const std::optional<RemotePlace> place = RemotePlaceOf(expected.relPath);
    ASSERT_EQ(place.has_value(), expected.inside) << expected.relPath;
    if (expected.inside) {
        EXPECT_EQ(place->directories, expected.directories);
        EXPECT_EQ(place->name, expected.name);
    }
}

INSTANTIATE_TEST_SUITE_P(RelPaths, RemotePlace_,
                         ::testing::Values(PlaceCase{"index.html", true, {}, "index.html"},
                                           PlaceCase{"pics/a b.gif", true, {"pics"}, "a b.gif"},
                                           PlaceCase{"a/b/c.html", true, {"a", "b"}, "c.html"},
                                           PlaceCase{"./a//c.html", true, {"a"}, "c.html"},
                                           PlaceCase{"../up.html", false, {}, ""},
                                           PlaceCase{"a/../../up.html", false, {}, ""},
                                           PlaceCase{"a/../b.html", false, {}, ""},
                                           PlaceCase{"/etc/passwd", false, {}, ""},
                                           PlaceCase{"pics/", false, {}, ""},
                                           PlaceCase{"", false, {}, ""}));

} // namespace
