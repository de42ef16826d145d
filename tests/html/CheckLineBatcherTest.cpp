#include "html/CheckLineBatcher.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

class Batches {
public:
    CheckLineBatcher::Deliver deliver() {
        return [this](std::vector<CErrorLine> batch) { sizes.push_back(batch.size()); };
    }
    std::vector<std::size_t> sizes;
};

CErrorLine line(const char* message) {
    return CErrorLine{message, 1, 2, "a.html", true};
}

} // namespace

TEST(CheckLineBatcher, HandsOverFullBatchesAndTheRestOnFlush) {
    Batches batches;
    CheckLineBatcher batcher(batches.deliver(), 3, std::chrono::hours(1));
    for (int i = 0; i < 7; ++i) {
        batcher.addLine(line("x"));
    }
    EXPECT_EQ(batches.sizes, (std::vector<std::size_t>{3, 3}));
    batcher.flush();
    batcher.flush();
    EXPECT_EQ(batches.sizes, (std::vector<std::size_t>{3, 3, 1}));
}

TEST(CheckLineBatcher, AFilesSeparatorEndsABatch) {
    Batches batches;
    CheckLineBatcher batcher(batches.deliver(), 100, std::chrono::hours(1));
    batcher.addLine(line("x"));
    batcher.addLine(line("")); // a message-less line with a path is no separator
    batcher.addLine(CErrorLine{});
    EXPECT_EQ(batches.sizes, (std::vector<std::size_t>{3}));
}

TEST(CheckLineBatcher, ALineThatWaitedTooLongGoesWithTheNext) {
    Batches batches;
    CheckLineBatcher batcher(batches.deliver(), 100, std::chrono::milliseconds(1));
    batcher.addLine(line("x"));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    batcher.addLine(line("y"));
    EXPECT_EQ(batches.sizes, (std::vector<std::size_t>{2}));
}
