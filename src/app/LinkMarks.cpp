#include "app/LinkMarks.h"

#include "app/LinkList.h"
#include "app/LinkRewrite.h"
#include "editor/Attribute.h"
#include "editor/TextModel.h"
#include "project/PathUtils.h"

#include <unordered_set>

namespace {

std::unordered_set<const IMarkLink*> linkedRecords(const TextModel& model) {
    std::unordered_set<const IMarkLink*> linked;
    for (const CMarkRecord& mark : model.marks()) {
        if (mark.link != nullptr) {
            linked.insert(mark.link);
        }
    }
    return linked;
}

} // namespace

namespace LinkMarks {

int Lay(LinkList& links, const std::string& base, const std::string& path, TextModel& model) {
    const std::string file = RelativePath(path, base);
    const std::unordered_set<const IMarkLink*> marked = linkedRecords(model);
    int laid = 0;
    for (CLink& link : links.links()) {
        for (CLinkRef& ref : link.refs) {
            if (ref.file != file || marked.contains(&ref) ||
                !LinkRewrite::Holds(model.text(), ref)) {
                continue;
            }
            model.AddMark(CMarkRecord{CMarkRecord::KindLinkValidator, ref.start, ref.end,
                                      attrIndex(Attr::Special), kReason, &ref});
            ++laid;
        }
    }
    return laid;
}

} // namespace LinkMarks
