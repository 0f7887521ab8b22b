#pragma once

enum class ControlKind {
    Listbox,
    TextField,
    TextArea,
    Label,
    PushButton,
    BevelButton,
    GroupBox,
    Canvas,
    RoundRectangle,
    CheckBox,
    RadioButton,
    UpDownArrows,
    ToolbarItem,
    StandardToolbarItem,
    Timer,
};
