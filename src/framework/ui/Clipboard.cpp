#include "framework/ui/Clipboard.h"

#include "framework/ui/DesktopServices.h"

void Clipboard::Close() {
    DesktopServices::Get().SetClipboardText(text_);
}
