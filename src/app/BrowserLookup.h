#pragma once

#include <string>
#include <vector>

// Where the configured browser's program is: the first of a browser's
// usual program names found in the folders of the PATH text, or the user's
// own program for "Other".
struct BrowserLookup {
    bool found = false;
    std::string executable; // the full path when found
    std::string error;      // why not, in words, when not found
};

// The program names tried for a browser setting (50 or 51), in order.
std::vector<std::string> BrowserProgramNames(int browser);

// Looks up the program for browser (50, 51 or 60) along pathList (the
// PATH variable's colon-separated folders); otherBrowser is the program
// for 60.
BrowserLookup FindBrowser(int browser, const std::string& otherBrowser,
                          const std::string& pathList);
