#pragma once

#include <QString>
#include <memory>

#include "framework/ui/Picture.h"

// The program's twelve pictures. Each accessor reads its file from the
// resources folder on its first call and keeps the picture until the program
// ends, so every window and every use shares one Picture per file. While the
// file cannot be read (no resources folder, a missing or unreadable file) the
// accessor returns null and keeps nothing: its next call looks again.
Picture* about1();              // "64about.pct": the application icon
Picture* aboutmask();           // "64aboutmask.pct"
Picture* paypal();              // "paypal.gif": the PayPal button, no mask
Picture* kagi();                // "kagi.pct": the Kagi button, no mask
Picture* Add();                 // "Add.pct": the add-entry toolbar icon
Picture* Addmask();             // "Addmask.pct"
Picture* Remove();              // "Remove.pct": the delete-entry toolbar icon
Picture* Removemask();          // "Removemask.pct"
Picture* iconlockclosed();      // "iconlockclosed.pct": write-protected
Picture* iconlockclosedmask();  // "iconlockclosedmask.pct"
Picture* iconlockopened();      // "iconlockopened.pct": editable
Picture* iconlockopenedmask();  // "iconlockopenedmask.pct"

// The picture held in pic; when pic holds none, the file fileName of the
// resources folder read into it. A miss leaves pic empty and returns null.
Picture* CachedPicture(std::unique_ptr<Picture>& pic, const QString& fileName);

// Draws mask into pic's own mask, whole and unscaled at the origin, as every
// user of a masked picture does before showing it. Drawing the same mask again
// leaves the picture as it was. A null pic is left alone; a null mask leaves
// pic opaque.
void ApplyMask(Picture* pic, Picture* mask);
