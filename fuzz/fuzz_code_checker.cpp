#include "html/CTagData.h"
#include "html/CodeChecker.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::string_view kTags = "HTML\n{\n(WITHIN) ROOT\nLANG\n{\n(STRING)\n}\n}\n"
                                   "BODY\n{\n(WITHIN) HTML\nBGCOLOR\n{\n(COLOR)\n}\n}\n"
                                   "P\n{\n(WITHIN) BODY\nALIGN\n{\nLEFT\nRIGHT\n}\n}\n"
                                   "TD\n{\n(WITHIN) TR\nWIDTH\n{\n(INTEGER)\n(PERCENT)\n}\n}\n"
                                   "A\n{\n(WITHIN) ROOT\nHREF\n{\n(LINK)\n}\nDATA-*\n{\n}\n}\n"
                                   "BR\n{\n(OPEN)\n(WITHIN) ROOT\n}\nORPHAN\n{\n}\n"
                                   "SCRIPT\n{\n(WITHIN) ROOT\n(SUSPEND)\n}\n"
                                   "XMP\n{\n(WITHIN) ROOT\n(TOTALSUSPEND)\n}\n";

class CountingSink : public ICheckSink {
public:
    explicit CountingSink(int length) : length_(length) {}

    void addLine(const CErrorLine& line) override {
        if (line.start < 0 || line.end > length_ || line.start > line.end)
            std::abort();
        errors += line.error ? 1 : 0;
        ++lines;
    }

    int errors = 0;
    int lines = 0;

private:
    int length_;
};

} // namespace

// Checks arbitrary bytes against a small vocabulary: every span must lie in
// the text and the count line must agree with the error lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const CTagData tagData = [] {
        CTagData loaded;
        loaded.loadFromText(kTags, "RED\nBLUE\n");
        return loaded;
    }();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CountingSink sink(static_cast<int>(size));
    int errors = CheckDocument(tagData, "fuzz.html", text, sink);
    if (errors != sink.errors || sink.lines != errors + 3)
        std::abort();
    return 0;
}
