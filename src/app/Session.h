#pragma once

#include <string>
#include <vector>

class ISettingsStore;

// What a normal close leaves for the next start: the open documents with
// their caret and scroll position, which one was active, and the project.
struct SessionDocument {
    std::string path;
    int selectionStart = 0;
    int caret = 0;
    int topLine = 0;

    bool operator==(const SessionDocument&) const = default;
};

struct Session {
    static constexpr const char* Group = "Session";

    std::vector<SessionDocument> documents; // in window order
    int active = -1;                        // index into documents, or -1
    std::string project;                    // "" when no project was open

    bool operator==(const Session&) const = default;

    // Replaces the stored session with this one.
    void save(ISettingsStore& store) const;
    // The stored session; empty when none was stored. Entries without a path
    // are dropped.
    static Session load(ISettingsStore& store);
};
