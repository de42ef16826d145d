#pragma once

struct CValueSpec;

// How Insert Tag lets the user give an argument's value. Each kind adds to
// the one before it: the integer kind is a text or list kind with an up-down
// control, the url kind adds a file button, the colour kind a colour button.
enum class ArgControlKind {
    Text = 1,    // an empty edit field
    Values = 2,  // an editable drop-down list of the predefined values
    Flag = 3,    // a check box: the argument is written without a value
    Integer = 4, // as Text or Values, with an up-down control
    Url = 5,     // as Text, Values or Integer, with a file button
    Color = 6,   // as any of the above but Flag, with a colour button
};

// The last kind that applies to values, so that a colour that is also an
// integer is Color.
ArgControlKind ArgControlKindOf(const CValueSpec& values);

// Whether an argument of this kind is written as a bare name.
inline bool IsFlagKind(ArgControlKind kind) {
    return kind == ArgControlKind::Flag;
}
