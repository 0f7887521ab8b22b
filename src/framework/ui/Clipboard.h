#pragma once

#include <QString>

// A clipboard to fill: set Text, then Close puts it on the system clipboard
// (through DesktopServices), replacing what was there.
class Clipboard {
public:
    QString Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }
    void Close();

private:
    QString text_;
};
