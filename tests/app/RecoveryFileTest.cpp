#include "app/RecoveryFile.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(RecoveryFile, EveryByteOfTheTextSurvives) {
    using namespace std::string_literals;
    for (const RecoveryFile& file :
         {RecoveryFile{"/site/my page.html", "<P>\r\nline\n\0tail\xFF"s}, RecoveryFile{"", ""},
          RecoveryFile{"", "\n\nstarts with line feeds"}}) {
        const std::optional<RecoveryFile> back = RecoveryFile::parse(file.compose());
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->path, file.path);
        EXPECT_EQ(back->text, file.text);
    }
}

TEST(RecoveryFile, OtherFilesAreNotTakenForRecoveryTexts) {
    EXPECT_FALSE(RecoveryFile::parse(""));
    EXPECT_FALSE(RecoveryFile::parse("<P>some page</P>\n"));
    EXPECT_FALSE(RecoveryFile::parse(std::string(RecoveryFile::Signature) + "/no/line/end"));
    EXPECT_TRUE(RecoveryFile::parse(std::string(RecoveryFile::Signature) + "/a\n"));
}

} // namespace
