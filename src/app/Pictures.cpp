#include "app/Pictures.h"

#include "framework/ui/Graphics.h"

Picture* CachedPicture(std::unique_ptr<Picture>& pic, const QString& fileName) {
    if (pic)
        return pic.get();
    const FolderItem resources = Picture::ResourcesFolder();
    if (!resources.IsNull())
        pic = Picture::Open(resources.Child(fileName));
    return pic.get();
}

void ApplyMask(Picture* pic, Picture* mask) {
    if (!pic)
        return;
    pic->Mask(true)->Graphics().DrawPicture(mask, 0, 0, Graphics::kWhole, Graphics::kWhole, 0, 0, Graphics::kWhole,
                                            Graphics::kWhole);
}

// One cache per accessor; a loaded picture is never replaced or released.
#define BRIMEL_PICTURE(accessor, fileName)                   \
    Picture* accessor() {                                    \
        static std::unique_ptr<Picture> pic;                 \
        return CachedPicture(pic, QStringLiteral(fileName)); \
    }

BRIMEL_PICTURE(about1, "64about.pct")
BRIMEL_PICTURE(aboutmask, "64aboutmask.pct")
BRIMEL_PICTURE(paypal, "paypal.gif")
BRIMEL_PICTURE(kagi, "kagi.pct")
BRIMEL_PICTURE(Add, "Add.pct")
BRIMEL_PICTURE(Addmask, "Addmask.pct")
BRIMEL_PICTURE(Remove, "Remove.pct")
BRIMEL_PICTURE(Removemask, "Removemask.pct")
BRIMEL_PICTURE(iconlockclosed, "iconlockclosed.pct")
BRIMEL_PICTURE(iconlockclosedmask, "iconlockclosedmask.pct")
BRIMEL_PICTURE(iconlockopened, "iconlockopened.pct")
BRIMEL_PICTURE(iconlockopenedmask, "iconlockopenedmask.pct")

#undef BRIMEL_PICTURE
