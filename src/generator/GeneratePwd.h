#pragma once

#include <QString>

#include "framework/ui/Window.h"

class BevelButton;
class CheckBox;
class GroupBox;
class Label;
class PushButton;
class RadioButton;
class TextField;
class UpDownArrows;

// The password generator: a tool window apart from every document. All its
// state lives in its controls; the result leaves it only through the clipboard.
//
// One implicit instance: Instance() returns the open window, or builds a new
// one (in its initial state, placed again) when there is none.
class GeneratePwd : public Window {
public:
    // The longest password made, whatever number the length field holds: the
    // arrows' upper bound. Keeps a text such as "1e9" from running the loop
    // for ever or filling memory.
    static constexpr double kMaxLength = 999;

    GeneratePwd();

    static GeneratePwd& Instance();

    // The control accessors.
    GroupBox* GroupBox1() const;
    Label* StaticText1() const;
    RadioButton* RadioButton1() const;
    RadioButton* RadioButton2() const;
    RadioButton* RadioButton3() const;
    RadioButton* RadioButton4() const;
    Label* StaticText2() const;
    CheckBox* CheckBox1() const;
    CheckBox* CheckBox2() const;
    Label* StaticText3() const;
    TextField* EditField1() const;
    UpDownArrows* UpDownArrows1() const;
    Label* StaticText4() const;
    PushButton* PushButton1() const;
    CheckBox* CheckBox3() const;
    TextField* EditField3() const;
    RadioButton* RadioButton5() const;
    Label* StaticText5() const;
    TextField* EditField2() const;
    BevelButton* BevelButton1() const;

    // Enabling the options by type.
    void RadioButton1_Action();
    void RadioButton2_Action();
    void RadioButton3_Action();
    void RadioButton4_Action();
    void RadioButton5_Action();

    // The length arrows: step the length field within 1..999.
    void UpDownArrows1_Down();
    void UpDownArrows1_Up();

    // Generate Password: builds the pool, checks feasibility, draws the password.
    void PushButton1_Action();
    // Copy: the result field's text, even an empty one, onto the clipboard.
    void BevelButton1_Action();

    // s with a backslash before each "!", "@", "#", "$", "%" and "&".
    static QString EscapeSpecialCharacters(const QString& s);

    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    void Event_Open() override;
    bool _FileClose_Action();

    // The feasibility message.
    static const QString kCannotCreateMessage;

private:
    void SetOptionsEnabled(bool mixedCase, bool allowDuplicates, bool includeSymbols);
    // The characters to draw from, for the type and options selected now.
    QString CharacterPool() const;
    // Val of the length field, bounded to kMaxLength.
    double RequestedLength() const;
};
