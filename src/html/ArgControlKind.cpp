#include "html/ArgControlKind.h"

#include "html/CValueSpec.h"

ArgControlKind ArgControlKindOf(const CValueSpec& values) {
    if (values.color)
        return ArgControlKind::Color;
    if (values.url)
        return ArgControlKind::Url;
    if (values.integer)
        return ArgControlKind::Integer;
    if (!values.values.empty())
        return ArgControlKind::Values;
    return values.IsFlagArgument() ? ArgControlKind::Flag : ArgControlKind::Text;
}
