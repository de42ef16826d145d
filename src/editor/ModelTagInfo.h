#pragma once

#include <string>

class CTagData;
class TextModel;

// The status bar's and tooltip's description of a position of a document:
// the reason of the mark covering it, else the tag data's info of the tag or
// argument under it.
std::string ModelTagInfo(const CTagData& tagData, const TextModel& model, int position);
