#pragma once

// The separator of full paths on this platform and the other slash, which
// link text and paths written on another system may carry.
#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
inline constexpr char kForeignSeparator = '/';
#else
inline constexpr char kNativeSeparator = '/';
inline constexpr char kForeignSeparator = '\\';
#endif

inline constexpr bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}
