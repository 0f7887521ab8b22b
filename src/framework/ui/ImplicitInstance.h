#pragma once

#include <QPointer>

// The one implicit instance of a window class W: the existing window, shown or
// hidden as it was left, or a newly built one when there is none (never built,
// or closed since).
template <class W>
W& ImplicitInstance() {
    static QPointer<W> instance;
    if (!instance || instance->IsClosed())
        instance = new W();
    return *instance;
}
