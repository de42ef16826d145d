#include "app/Session.h"

#include "app/ISettingsStore.h"

#include <algorithm>

namespace {

std::string numbered(const char* stem, std::size_t index) {
    return stem + std::to_string(index);
}

SessionDocument loadDocument(ISettingsStore& store, std::size_t index) {
    const std::string group = Session::Group;
    SessionDocument document;
    document.path = store.readString(group, numbered("File ", index), "");
    document.selectionStart = store.readInt(group, numbered("Start ", index), 0);
    document.caret = store.readInt(group, numbered("Caret ", index), 0);
    document.topLine = store.readInt(group, numbered("Top ", index), 0);
    return document;
}

} // namespace

void Session::save(ISettingsStore& store) const {
    const std::string group = Group;
    store.writeInt(group, "Documents", static_cast<int>(documents.size()));
    store.writeInt(group, "Active", active);
    store.writeString(group, "Project", project);
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const SessionDocument& document = documents[i];
        store.writeString(group, numbered("File ", i), document.path);
        store.writeInt(group, numbered("Start ", i), document.selectionStart);
        store.writeInt(group, numbered("Caret ", i), document.caret);
        store.writeInt(group, numbered("Top ", i), document.topLine);
    }
}

Session Session::load(ISettingsStore& store) {
    const std::string group = Group;
    Session session;
    session.project = store.readString(group, "Project", "");
    const int count = std::clamp(store.readInt(group, "Documents", 0), 0, 1000);
    const int storedActive = store.readInt(group, "Active", -1);
    for (int i = 0; i < count; ++i) {
        SessionDocument document = loadDocument(store, static_cast<std::size_t>(i));
        if (document.path.empty()) {
            continue;
        }
        if (i == storedActive) {
            session.active = static_cast<int>(session.documents.size());
        }
        session.documents.push_back(std::move(document));
    }
    return session;
}
