#pragma once

// Marks the time the user is being asked something modally: one of the
// program's own windows in ShowModal, or a message box or file dialog of the
// desktop. Anything that would ask the user too, or reuse a dialog that is
// waiting for its answer, waits until no scope is open.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    // True while any scope is open.
    static bool Active();
};
