#include "editor/ModelTagInfo.h"

#include "editor/TextModel.h"
#include "html/TagInfoText.h"

std::string ModelTagInfo(const CTagData& tagData, const TextModel& model, int position) {
    return TagInfoText(tagData, model.text(), position, model.MarkReasonAt(position));
}
