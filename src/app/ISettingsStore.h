#pragma once

#include <string>

// Where the settings live: groups of named string and integer values. A value
// that is missing, or is stored with a type that does not convert, reads as
// the given default.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::string readString(const std::string& group, const std::string& name,
                                   const std::string& fallback) = 0;
    virtual int readInt(const std::string& group, const std::string& name, int fallback) = 0;
    virtual void writeString(const std::string& group, const std::string& name,
                             const std::string& value) = 0;
    virtual void writeInt(const std::string& group, const std::string& name, int value) = 0;
};
