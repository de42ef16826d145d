#include "editor/qt/EditorColorizer.h"

#include "WaitUntil.h"
#include "app/CEditorSettings.h"
#include "editor/ColorApply.h"
#include "editor/ColorPass.h"
#include "editor/TextModel.h"
#include "editor/qt/ColorKeyWorker.h"
#include "html/CTagData.h"

#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr const char* TagText = "B\n{\n}\n"
                                "A\n{\nHREF\n{\n(URL)\n}\n}\n"
                                "SCRIPT\n{\n(SUSPEND)\n}\n";

constexpr std::chrono::milliseconds Patience{WaitPatienceMs};

// What the worker thread saw, and a gate that can hold its passes.
class PassWatch {
public:
    void onPass(const ColorJob& job) {
        std::unique_lock lock(mutex_);
        jobs_.push_back(job);
        threads_.push_back(std::this_thread::get_id());
        changed_.notify_all();
        changed_.wait_for(lock, Patience, [this] { return !holding_; });
        if (extraDelay_ > 0ms)
            std::this_thread::sleep_for(extraDelay_);
    }

    void hold() {
        std::lock_guard lock(mutex_);
        holding_ = true;
    }
    void release() {
        std::lock_guard lock(mutex_);
        holding_ = false;
        changed_.notify_all();
    }
    // A whole-file pass that takes this long makes the colorizer go local.
    void slowDown(std::chrono::milliseconds delay) {
        std::lock_guard lock(mutex_);
        extraDelay_ = delay;
    }
    bool waitForPasses(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, Patience, [&] { return jobs_.size() >= count; });
    }
    std::vector<ColorJob> jobs() {
        std::lock_guard lock(mutex_);
        return jobs_;
    }
    std::vector<std::thread::id> threads() {
        std::lock_guard lock(mutex_);
        return threads_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<ColorJob> jobs_;
    std::vector<std::thread::id> threads_;
    bool holding_ = false;
    std::chrono::milliseconds extraDelay_{0};
};

class EditorColorizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tags.loadFromText(TagText, "");
        settings.Editing[CEditorSettings::UpperCaseTagNames] = 0;
        settings.Editing[CEditorSettings::UpperCaseArguments] = 0;
        worker.setPassHook([watch = watch](const ColorJob& job) { watch->onPass(job); });
    }
    void TearDown() override {
        watch->release();
        worker.setPassHook({});
    }

    void setText(TextModel& target, const std::string& text) {
        target.ReplaceRange(0, target.length(), text);
    }

    // The colours a fresh whole-file pass gives the model's current text.
    std::vector<std::uint8_t> freshColours(const TextModel& source) {
        TextModel copy;
        copy.ReplaceRange(0, 0, source.text());
        for (const CMarkRecord& mark : source.marks())
            copy.AddMark(mark);
        ColorPassResult result = *ColorPass(tags, {}).run(copy.text(), 0);
        result.generation = copy.generation();
        EXPECT_TRUE(ColorApply::applyPass(copy, result));
        return copy.attributes();
    }

    // Starts a whole-file pass and keeps it on the worker until released.
    bool holdAPass(EditorColorizer& colorizer) {
        const std::size_t before = watch->jobs().size();
        watch->hold();
        colorizer.ColorKey();
        return watch->waitForPasses(before + 1);
    }

    // Makes the next ColorKeyLine calls local by letting a whole-file pass
    // take longer than the threshold.
    void goLocal(EditorColorizer& colorizer) {
        watch->slowDown(120ms);
        colorizer.ColorKey();
        ASSERT_TRUE(waitUntilIdle(colorizer));
        watch->slowDown(0ms);
        ASSERT_GE(colorizer.lastWholeFileMilliseconds(), 100);
    }

    ColorKeyWorker worker; // outlives the colorizers of each test
    CTagData tags;
    CEditorSettings settings;
    TextModel model;
    std::shared_ptr<PassWatch> watch = std::make_shared<PassWatch>();
};

} // namespace

TEST_F(EditorColorizerTest, WholeFilePassRunsOnTheWorkerAndIsApplied) {
    setText(model, "x<b>y</b><a href=\"p\">z</a>");
    EditorColorizer colorizer(model, tags, settings, worker);
    std::vector<std::pair<int, int>> colored;
    QObject::connect(&colorizer, &EditorColorizer::colored,
                     [&](int start, int end) { colored.emplace_back(start, end); });
    colorizer.ColorKey();
    EXPECT_TRUE(colorizer.isBusy());
    EXPECT_EQ(colorizer.lastWholeFileMilliseconds(), -1);
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.attributes(), freshColours(model));
    EXPECT_EQ(model.attributes()[2], attrByte(Attr::Tag));
    ASSERT_EQ(colored.size(), 1u);
    EXPECT_EQ(colored[0], std::make_pair(0, model.length()));
    ASSERT_EQ(watch->threads().size(), 1u);
    EXPECT_NE(watch->threads()[0], std::this_thread::get_id());
    EXPECT_GE(colorizer.lastWholeFileMilliseconds(), 0);
}

TEST_F(EditorColorizerTest, EditDuringThePassLeavesNoWrongColours) {
    setText(model, "<b>bold</b> text <a href=\"p\">link</a>");
    EditorColorizer colorizer(model, tags, settings, worker);
    ASSERT_TRUE(holdAPass(colorizer));
    // The pass now holds the old text; this edit moves every tag.
    model.ReplaceRange(0, 0, "<i>new</i> ");
    model.ReplaceRange(model.length() - 4, model.length(), "");
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.text(), "<i>new</i> <b>bold</b> text <a href=\"p\">link");
    EXPECT_EQ(model.attributes(), freshColours(model));
    EXPECT_EQ(watch->jobs().size(), 2u); // the stale pass ran once more
}

TEST_F(EditorColorizerTest, EditAfterThePassBeforeItsResultArrivesIsNotOverwritten) {
    setText(model, "<b>x</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    colorizer.ColorKey();
    ASSERT_TRUE(watch->waitForPasses(1));
    // The result is posted to this thread, so it cannot have been applied yet.
    model.ReplaceRange(0, 0, "ab");
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.attributes(), freshColours(model));
    EXPECT_EQ(model.attributes()[3], attrByte(Attr::Tag));
}

TEST_F(EditorColorizerTest, RequestDuringAPassLeadsToOneMorePassWithItsOwnOptions) {
    setText(model, "<b>x</b><a href=y>");
    EditorColorizer colorizer(model, tags, settings, worker);
    ASSERT_TRUE(holdAPass(colorizer));
    settings.Editing[CEditorSettings::UpperCaseTagNames] = 1;
    colorizer.ColorKey();
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    ASSERT_EQ(watch->jobs().size(), 2u);
    EXPECT_TRUE(watch->jobs()[1].pass.options().upperTagNames);
    EXPECT_EQ(model.text(), "<B>x</B><A href=y>");
    EXPECT_FALSE(model.isModified() && model.undoList().size() > 1);
}

TEST_F(EditorColorizerTest, RequestsWaitingForTheWorkerReplaceEachOther) {
    setText(model, "<b>x</b>");
    TextModel other;
    setText(other, "<a>");
    EditorColorizer first(other, tags, settings, worker);
    EditorColorizer colorizer(model, tags, settings, worker);
    ASSERT_TRUE(holdAPass(first)); // occupies the worker
    colorizer.ColorKey();
    model.ReplaceRange(0, 0, "<i>");
    colorizer.ColorKey();
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    ASSERT_TRUE(waitUntilIdle(first));
    EXPECT_EQ(watch->jobs().size(), 2u);
    EXPECT_EQ(model.attributes(), freshColours(model));
    EXPECT_EQ(other.attributes(), freshColours(other));
}

TEST_F(EditorColorizerTest, MarkAddedDuringThePassIsDrawnOverTheTags) {
    setText(model, "<b>bold</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    ASSERT_TRUE(holdAPass(colorizer));
    model.AddMark(
        CMarkRecord{CMarkRecord::KindUser, 0, 3, attrIndex(Attr::Mark), "Marked by User", nullptr});
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.attributes()[1], attrByte(Attr::Mark));
    EXPECT_EQ(model.attributes()[8], attrByte(Attr::Tag));
}

TEST_F(EditorColorizerTest, LineColouringIsWholeFileUntilAWholePassWasSlow) {
    setText(model, "<b>\nx\n</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    colorizer.ColorKeyLine(1);
    ASSERT_TRUE(waitUntilIdle(colorizer));
    ASSERT_EQ(watch->jobs().size(), 1u);
    EXPECT_TRUE(watch->jobs()[0].wholeFile);
    ASSERT_LT(colorizer.lastWholeFileMilliseconds(), 100);
    colorizer.ColorKeyLine(1);
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_TRUE(watch->jobs().back().wholeFile);
}

TEST_F(EditorColorizerTest, LineColouringWidensToATagSpanningLines) {
    setText(model, "<b>t</b>\n<a\nhref=\"p\">\nlink</a>");
    EditorColorizer colorizer(model, tags, settings, worker);
    goLocal(colorizer);
    model.ReplaceRange(13, 13, "x"); // inside the tag, on line 2
    colorizer.ColorKeyLine(2);
    ASSERT_TRUE(waitUntilIdle(colorizer));
    ColorJob job = watch->jobs().back();
    EXPECT_FALSE(job.wholeFile);
    EXPECT_EQ(job.regionStart, 9);
    EXPECT_EQ(job.snapshot, "<a\nhxref=\"p\">\n");
    EXPECT_EQ(model.attributes(), freshColours(model));
}

TEST_F(EditorColorizerTest, StaleLinePassIsRedoneAroundTheSameLine) {
    setText(model, "<b>t</b>\n<a href=\"p\">\nz");
    EditorColorizer colorizer(model, tags, settings, worker);
    goLocal(colorizer);
    std::size_t before = watch->jobs().size();
    watch->hold();
    model.ReplaceRange(13, 13, "q"); // "hqref"
    colorizer.ColorKeyLine(1);
    ASSERT_TRUE(watch->waitForPasses(before + 1));
    model.ReplaceRange(0, 0, "<i>"); // moves the region
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    std::vector<ColorJob> jobs = watch->jobs();
    ASSERT_EQ(jobs.size(), before + 2);
    EXPECT_EQ(jobs.back().regionStart, jobs[before].regionStart + 3);
    EXPECT_EQ(jobs.back().snapshot, "<a hqref=\"p\">\n");
    // Only the region is recoloured: the new "<i>" on line 0 keeps colour 0.
    std::vector<std::uint8_t> expected = freshColours(model);
    expected[1] = 0;
    EXPECT_EQ(model.attributes(), expected);
}

TEST_F(EditorColorizerTest, LinesAskedForBeforeAResultArrivesAreColouredTogether) {
    setText(model, "<b>\nl1\nl2\nl3\n</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    goLocal(colorizer);
    std::size_t before = watch->jobs().size();
    watch->hold();
    colorizer.ColorKeyLine(1);
    ASSERT_TRUE(watch->waitForPasses(before + 1));
    colorizer.ColorKeyLine(3);
    watch->release();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    ASSERT_EQ(watch->jobs().size(), before + 2);
    EXPECT_EQ(watch->jobs()[before].snapshot, "l1\n");
    EXPECT_EQ(watch->jobs().back().snapshot, "l1\nl2\nl3\n");
}

TEST_F(EditorColorizerTest, LineOutsideTheTextIsIgnoredInLocalMode) {
    setText(model, "<b>x</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    goLocal(colorizer);
    std::size_t before = watch->jobs().size();
    colorizer.ColorKeyLine(5);
    colorizer.ColorKeyLine(-1);
    EXPECT_FALSE(colorizer.isBusy());
    letEventsRun();
    EXPECT_EQ(watch->jobs().size(), before);
}

TEST_F(EditorColorizerTest, DestroyingTheEditorWhileItsPassRunsIsSafe) {
    auto doomedModel = std::make_unique<TextModel>();
    std::string big;
    while (big.size() < 1'000'000)
        big += "<a href=\"page.htm\">entry</a> <b>text</b>\n";
    setText(*doomedModel, big);
    auto doomed = std::make_unique<EditorColorizer>(*doomedModel, tags, settings, worker);
    ASSERT_TRUE(holdAPass(*doomed));
    watch->release();
    doomed.reset(); // stops or outlives the running pass
    doomedModel.reset();
    letEventsRun();

    setText(model, "<b>x</b>");
    EditorColorizer colorizer(model, tags, settings, worker);
    colorizer.ColorKey();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.attributes(), freshColours(model));
}

TEST_F(EditorColorizerTest, ResultForADestroyedEditorIsDropped) {
    auto doomedModel = std::make_unique<TextModel>();
    setText(*doomedModel, "<b>x</b>");
    auto doomed = std::make_unique<EditorColorizer>(*doomedModel, tags, settings, worker);
    setText(model, "<i>y</i>");
    EditorColorizer colorizer(model, tags, settings, worker);
    doomed->ColorKey();
    colorizer.ColorKey();
    // Passes run in request order: once the second has begun, the first
    // editor's result is waiting in this thread's queue.
    ASSERT_TRUE(watch->waitForPasses(2));
    doomed.reset();
    doomedModel.reset();
    ASSERT_TRUE(waitUntilIdle(colorizer));
    EXPECT_EQ(model.attributes(), freshColours(model));
}

TEST_F(EditorColorizerTest, DestroyingAnEditorWithARequestStillWaitingDropsIt) {
    TextModel other;
    setText(other, "<a>");
    EditorColorizer busy(other, tags, settings, worker);
    ASSERT_TRUE(holdAPass(busy));
    {
        TextModel doomedModel;
        setText(doomedModel, "<b>");
        EditorColorizer doomed(doomedModel, tags, settings, worker);
        doomed.ColorKey();
    }
    watch->release();
    ASSERT_TRUE(waitUntilIdle(busy));
    letEventsRun();
    EXPECT_EQ(watch->jobs().size(), 1u);
}

// The application stops its colouring thread on exit while a pass may run:
// the pass stops, nothing is delivered, and an editor still holding on to the
// worker lets go of it safely.
TEST_F(EditorColorizerTest, StoppingTheWorkerDuringAPassDeliversNothing) {
    auto ownWorker = std::make_unique<ColorKeyWorker>();
    std::atomic<int> passes{0};
    ownWorker->setPassHook([&passes](const ColorJob&) { ++passes; });
    std::string big;
    while (big.size() < 1'000'000)
        big += "<a href=\"page.htm\">entry</a> <b>text</b>\n";
    setText(model, big);
    const std::vector<std::uint8_t> before = model.attributes();
    auto colorizer = std::make_unique<EditorColorizer>(model, tags, settings, *ownWorker);
    colorizer->ColorKey();
    while (passes == 0)
        std::this_thread::sleep_for(1ms);
    ownWorker.reset(); // request stop, wake, join
    letEventsRun();
    EXPECT_EQ(model.attributes(), before);
    colorizer.reset();
}
