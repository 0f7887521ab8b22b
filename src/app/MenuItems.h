#pragma once

class MenuItem;

// The items the enabling handlers enable, each looked up by its name in the
// application's menu bar on every call (so every call finds the same item).
// Null only while the application has no menu bar.
MenuItem* FileNew();
MenuItem* FileOpen();
MenuItem* AppleAbout();
MenuItem* PayforBrimelInformation();
MenuItem* EditSelectAll();
MenuItem* FileSave();
MenuItem* FileSaveAs();
MenuItem* FileExport();
MenuItem* FileClose();
