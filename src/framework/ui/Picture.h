#pragma once

#include "framework/core/FolderItem.h"

#include <QImage>
#include <memory>

class Graphics;

// A picture in memory, with an optional mask picture of the same size: in a
// mask, black is opaque, white transparent and grey partly transparent.
class Picture {
public:
    // A picture of the given pixels, without a mask.
    explicit Picture(const QImage& image);
    ~Picture();

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The file read as a picture, in any format Qt reads, told by its content
    // (not its name); null when the file is missing or holds no picture.
    static std::unique_ptr<Picture> Open(const FolderItem& file);

    int Width() const;
    int Height() const;

    // The picture's mask picture, owned by this picture. Without create, null
    // while the picture has none; with create, a new mask is all black, which
    // leaves the picture as it was until something is drawn into it.
    Picture* Mask(bool create = false);

    // Drawing into this picture.
    ::Graphics Graphics();

    // The pixels as drawn by controls: the mask, when there is one, turned
    // into transparency.
    QImage ToImage() const;

    // The folder that holds the program's pictures: "share/brimel" beside the
    // folder of the executable, as the build and the install lay it out. The
    // BRIMEL_RESOURCES environment variable, or SetResourcesFolder, puts it
    // elsewhere. Null when it cannot be told (no application object yet).
    static FolderItem ResourcesFolder();
    // Overrides ResourcesFolder; a null item restores the usual lookup.
    static void SetResourcesFolder(const FolderItem& folder);

private:
    friend class ::Graphics;

    QImage image_;
    std::unique_ptr<Picture> mask_;
};
