#pragma once

#include "app/CEditorSettings.h"

#include <string>

// Pieces of a file dialog's filter, always in this order when their bit is set.
enum FileFilterFlags : unsigned {
    FilterSupported = 1,
    FilterHtml = 2,
    FilterAll = 4,
    FilterImages = 8,
    FilterProjects = 16,
};

// The filter for a file dialog in Qt's syntax ("Description (*.a *.b);;..."),
// built from the extension lists of settings: Supported, HTML, Image,
// Project and All Files, each when its bit is set.
std::string BuildFileFilter(unsigned flags, const CEditorSettings& settings);
