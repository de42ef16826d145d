#include "EditBoxFixture.h"
#include "editor/StyledText.h"
#include "editor/qt/ColorKeyWorker.h"

#include <atomic>
#include <thread>

namespace {

class EditBoxColouring : public EditBoxFixture {
protected:
    static constexpr std::uint32_t Magenta = 0xFF00FF;
    static constexpr std::uint32_t Orange = 0x0080FF;

    void SetUp() override {
        settings.Color[CEditorSettings::ArgumentColor] = Magenta;
        settings.Color[CEditorSettings::ParameterColor] = Orange;
        EditBoxFixture::SetUp();
    }

    void TearDown() override {
        holding = false;
        worker.setPassHook(nullptr);
    }

    // Keeps each colouring pass on the worker until holding is cleared.
    void holdPasses() {
        worker.setPassHook([this](const auto&) {
            ++passes;
            while (holding) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    bool aPassHasBegun() {
        return waitUntil([this] { return passes > 0; });
    }

    void colourAll(const std::string& content) {
        setText(content);
        box->ColorKey();
        waitForColouring();
    }

    std::vector<int> attributes() const {
        const auto& bytes = box->model().attributes();
        return std::vector<int>(bytes.begin(), bytes.end());
    }
    std::string styled() const { return styledText(text(), box->model().attributes()); }

    std::atomic<bool> holding{true};
    std::atomic<int> passes{0};
};

TEST_F(EditBoxColouring, ABoldElementColoursOnlyTheTagNames) {
    colourAll("x<b>y</b>z");
    EXPECT_EQ(styled(), "x<{Tag}B{Default}>y<{Tag}/B{Default}>z");
    EXPECT_EQ(text(), "x<B>y</B>z") << "tag names are upper-cased";
    EXPECT_EQ(box->model().undoList().size(), 1u) << "the upper-casing records no step";
    const QImage image = render();
    EXPECT_GT(pixelsNear(image, 2, 0, colourOf(Green)), 0);
    EXPECT_EQ(pixelsNear(image, 2, 0, colourOf(Red)), 0);
    EXPECT_GT(pixelsNear(image, 4, 0, colourOf(Red)), 0);
}

TEST_F(EditBoxColouring, AnAnchorColoursArgumentAndQuotedValue) {
    colourAll("<a href=\"u\">t</a>");
    EXPECT_EQ(
        styled(),
        "<{Tag}A{Default} {Argument}HREF{Default}={Parameter}\"u\"{Default}>t<{Tag}/A{Default}>");
    EXPECT_EQ(text(), "<A HREF=\"u\">t</A>") << "the value keeps its case";
    const QImage image = render();
    EXPECT_GT(pixelsNear(image, 3, 0, colourOf(Magenta)), 0);
    EXPECT_GT(pixelsNear(image, 9, 0, colourOf(Orange)), 0);
}

TEST_F(EditBoxColouring, WithoutTheUpperCaseOptionsTheTextStaysAsTyped) {
    settings.Editing[CEditorSettings::UpperCaseTagNames] = 0;
    settings.Editing[CEditorSettings::UpperCaseArguments] = 0;
    colourAll("<a href=\"u\">");
    EXPECT_EQ(text(), "<a href=\"u\">");
    EXPECT_EQ(box->model().attributes()[1], attrIndex(Attr::Tag));
}

TEST_F(EditBoxColouring, NothingIsColouredInsideASuspendingTagUntilItCloses) {
    colourAll("<script><b>x</b></script><b>");
    const std::vector<int> colours = attributes();
    EXPECT_EQ(colours[1], attrIndex(Attr::Tag));
    EXPECT_EQ(colours[9], attrIndex(Attr::Default)) << "the b inside the script";
    EXPECT_EQ(colours[18], attrIndex(Attr::Tag)) << "the closing script tag";
    EXPECT_EQ(colours[26], attrIndex(Attr::Tag)) << "the b after it";
}

TEST_F(EditBoxColouring, NothingAfterATotallySuspendingTagIsColoured) {
    colourAll("<xmp></xmp><b>");
    const std::vector<int> colours = attributes();
    EXPECT_EQ(colours[1], attrIndex(Attr::Tag));
    EXPECT_EQ(colours[7], attrIndex(Attr::Default));
    EXPECT_EQ(colours[12], attrIndex(Attr::Default));
}

TEST_F(EditBoxColouring, MarksWinOverTagColours) {
    setText("<b>x</b>");
    box->SetSelection(1, 5, true);
    box->MarkSelection();
    waitForColouring();
    const std::vector<int> colours = attributes();
    EXPECT_EQ(colours[1], attrIndex(Attr::Mark));
    EXPECT_EQ(colours[4], attrIndex(Attr::Mark));
    EXPECT_EQ(colours[6], attrIndex(Attr::Tag));
    box->SetSelection(0, 0, true);
    const QImage image = render();
    EXPECT_GT(pixelsNear(image, 1, 0, colourOf(Blue)), 0);
    EXPECT_EQ(pixelsNear(image, 1, 0, colourOf(Green)), 0);
}

TEST_F(EditBoxColouring, UndoRecoloursTheText) {
    colourAll("x");
    box->SetSelection(1, 1, true);
    QTest::keyClicks(box.get(), "<b>");
    waitForColouring();
    ASSERT_EQ(box->model().attributes()[2], attrIndex(Attr::Tag));
    ASSERT_TRUE(box->Undo());
    waitForColouring();
    EXPECT_EQ(text(), "x<B");
    EXPECT_EQ(styled(), "x<B") << "no colour left";
}

TEST_F(EditBoxColouring, TypingWhileAPassRunsLeavesNoStaleColours) {
    holdPasses();
    setText("<b>one</b> two <i>three</i>");
    box->ColorKey();
    ASSERT_TRUE(aPassHasBegun());
    box->SetSelection(0, 0, true);
    QTest::keyClicks(box.get(), "<a href=\"x\">");
    holding = false;
    waitForColouring();
    const std::vector<int> afterEdit = attributes();
    box->ColorKey();
    waitForColouring();
    EXPECT_EQ(afterEdit, attributes()) << "equal to a fresh pass over the current text";
    EXPECT_EQ(afterEdit[1], 2);
    EXPECT_EQ(afterEdit[3], 3);
}

TEST_F(EditBoxColouring, AnEditorDestroyedDuringItsPassIsSafe) {
    holdPasses();
    setText("<b>x</b>");
    box->ColorKey();
    ASSERT_TRUE(aPassHasBegun());
    // Let go of the pass while the editor is being destroyed.
    std::thread release([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        holding = false;
    });
    box.reset();
    release.join();
    // The worker goes on serving the editors that remain.
    box = std::make_unique<CMyEditBox>(settings, tags, worker);
    colourAll("<b>");
    EXPECT_EQ(box->model().attributes()[1], attrIndex(Attr::Tag));
}

} // namespace
