#include "app/Session.h"

#include "app/ISettingsStore.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

class MemoryStore : public ISettingsStore {
public:
    std::map<std::string, std::string> values;

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
    }
    void writeInt(const std::string& group, const std::string& name, int value) override {
        writeString(group, name, std::to_string(value));
    }
};

TEST(Session, RoundTripsThroughTheStore) {
    MemoryStore store;
    const Session session{
        {{"/site/a.html", 3, 9, 40}, {"/site/b c.html", 0, 0, 0}}, 1, "/site/site.prj"};
    session.save(store);
    EXPECT_EQ(Session::load(store), session);
    EXPECT_EQ(store.values["Session/File 1"], "/site/b c.html");
}

TEST(Session, NothingStoredIsAnEmptySession) {
    MemoryStore store;
    EXPECT_EQ(Session::load(store), Session{});
}

TEST(Session, AShorterSessionReplacesALongerOne) {
    MemoryStore store;
    Session{{{"/a", 0, 0, 0}, {"/b", 0, 0, 0}, {"/c", 0, 0, 0}}, 2, ""}.save(store);
    const Session shorter{{{"/d", 1, 1, 0}}, 0, ""};
    shorter.save(store);
    EXPECT_EQ(Session::load(store), shorter);
}

TEST(Session, EntriesWithoutAPathAreDroppedAndTheActiveOneFollows) {
    MemoryStore store;
    store.values = {{"Session/Documents", "4"}, {"Session/Active", "3"},  {"Session/File 0", "/a"},
                    {"Session/File 1", ""},     {"Session/File 3", "/d"}, {"Session/Caret 3", "7"}};
    const Session loaded = Session::load(store);
    ASSERT_EQ(loaded.documents.size(), 2);
    EXPECT_EQ(loaded.documents[1].path, "/d");
    EXPECT_EQ(loaded.documents[1].caret, 7);
    EXPECT_EQ(loaded.active, 1);
    store.writeInt("Session", "Active", 1); // the dropped one
    EXPECT_EQ(Session::load(store).active, -1);
}

} // namespace
