#include "framework/core/Strings.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/Clipboard.h"
#include "framework/ui/TextField.h"
#include "generator/GeneratePwd.h"

#include <algorithm>
#include <cmath>

// Each type greys out the options it ignores; a greyed box keeps its check mark.
void GeneratePwd::SetOptionsEnabled(bool mixedCase, bool allowDuplicates, bool includeSymbols) {
    CheckBox1()->SetEnabled(mixedCase);
    CheckBox2()->SetEnabled(allowDuplicates);
    CheckBox3()->SetEnabled(includeSymbols);
}

void GeneratePwd::RadioButton1_Action() {
    SetOptionsEnabled(true, true, true);
}

void GeneratePwd::RadioButton2_Action() {
    SetOptionsEnabled(false, true, true);
}

void GeneratePwd::RadioButton3_Action() {
    SetOptionsEnabled(true, true, true);
}

void GeneratePwd::RadioButton4_Action() {
    SetOptionsEnabled(false, true, false);
}

void GeneratePwd::RadioButton5_Action() {
    SetOptionsEnabled(false, true, false);
}

// The arrows step to the next whole number and never past 1 to 999, so what
// they write fits the field's three characters ("1e9" steps down to 999).
void GeneratePwd::UpDownArrows1_Down() {
    const double v = Val(EditField1()->Text());
    if (1 < v)
        EditField1()->SetText(Str(std::min(std::ceil(v) - 1, kMaxLength)));
}

void GeneratePwd::UpDownArrows1_Up() {
    const double v = Val(EditField1()->Text());
    if (v < kMaxLength)
        EditField1()->SetText(Str(std::floor(v) + 1));
}

void GeneratePwd::BevelButton1_Action() {
    Clipboard clipboard;
    clipboard.SetText(EditField2()->Text());
    clipboard.Close();
}
