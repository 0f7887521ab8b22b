#pragma once

// Edges of a control locked to the window's edges; combine with |.
enum Anchors : unsigned {
    LockNone = 0,
    LockLeft = 1u << 0,
    LockTop = 1u << 1,
    LockRight = 1u << 2,
    LockBottom = 1u << 3,
};
