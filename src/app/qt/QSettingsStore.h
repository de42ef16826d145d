#pragma once

#include "app/ISettingsStore.h"

class QSettings;

// The settings groups and values kept in a QSettings: the registry key on
// Windows, ~/.config/Quillmark/Tagwright.conf on Linux.
class QSettingsStore : public ISettingsStore {
public:
    explicit QSettingsStore(QSettings& settings) : settings_(settings) {}

    std::string readString(const std::string& group, const std::string& name,
                           const std::string& fallback) override;
    int readInt(const std::string& group, const std::string& name, int fallback) override;
    void writeString(const std::string& group, const std::string& name,
                     const std::string& value) override;
    void writeInt(const std::string& group, const std::string& name, int value) override;

private:
    QSettings& settings_;
};
