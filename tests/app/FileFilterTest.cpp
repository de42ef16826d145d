#include "app/FileFilter.h"

#include <gtest/gtest.h>

TEST(FileFilter, DefaultSettingsWithSupportedHtmlAndAll) {
    const CEditorSettings settings;
    EXPECT_EQ(BuildFileFilter(7, settings),
              "Supported Files (*.html *.htm *.shtml *.xml *.txt);;"
              "HTML Files (*.html *.htm *.shtml *.xml);;All Files (*)");
}

TEST(FileFilter, PiecesKeepTheirFixedOrderWhateverTheBits) {
    CEditorSettings settings;
    settings.ImageExt = "*.png;*.jpg";
    EXPECT_EQ(BuildFileFilter(FilterAll | FilterImages | FilterHtml, settings),
              "HTML Files (*.html *.htm *.shtml *.xml);;Image Files (*.png *.jpg);;All Files (*)");
    EXPECT_EQ(BuildFileFilter(20, settings), "Project Files (*.prj);;All Files (*)");
    EXPECT_EQ(BuildFileFilter(0, settings), "");
}
