#pragma once

enum class FrameKind {
    Document,      // frame 0: a normal top-level window
    MovableModal,  // frame 1: shown as an application-modal dialog
    Sheet,         // shown as an application-modal dialog as well
    Plain,         // no title bar decorations of its own
};
