#include "framework/ui/Picture.h"

#include "framework/ui/Graphics.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

namespace {

FolderItem& ResourcesOverride() {
    static FolderItem folder;
    return folder;
}

}  // namespace

Picture::Picture(const QImage& image) : image_(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

Picture::~Picture() = default;

std::unique_ptr<Picture> Picture::Open(const FolderItem& file) {
    if (file.IsNull()) {
        return nullptr;
    }
    QImageReader reader(file.NativePath());
    // The pictures keep the names of another platform's format, so the
    // content decides how they are read.
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_unique<Picture>(image);
}

int Picture::Width() const {
    return image_.width();
}

int Picture::Height() const {
    return image_.height();
}

Picture* Picture::Mask(bool create) {
    if (!mask_ && create) {
        QImage black(image_.size(), QImage::Format_ARGB32_Premultiplied);
        black.fill(Qt::black);
        mask_ = std::make_unique<Picture>(black);
    }
    return mask_.get();
}

::Graphics Picture::Graphics() {
    return ::Graphics(this);
}

QImage Picture::ToImage() const {
    if (!mask_) {
        return image_;
    }
    QImage result = image_.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = mask_->ToImage().convertToFormat(QImage::Format_ARGB32);
    const int width = qMin(result.width(), mask.width());
    const int height = qMin(result.height(), mask.height());
    for (int y = 0; y < height; ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* coverage = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            // Black covers fully, white not at all.
            const int opacity = 255 - qGray(coverage[x]);
            pixels[x] = qRgba(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]), qAlpha(pixels[x]) * opacity / 255);
        }
    }
    return result;
}

FolderItem Picture::ResourcesFolder() {
    if (!ResourcesOverride().IsNull()) {
        return ResourcesOverride();
    }
    const QString fromEnvironment = qEnvironmentVariable("BRIMEL_RESOURCES");
    if (!fromEnvironment.isEmpty()) {
        return FolderItem(fromEnvironment);
    }
    if (!QCoreApplication::instance()) {
        return FolderItem();
    }
    return FolderItem(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/brimel")));
}

void Picture::SetResourcesFolder(const FolderItem& folder) {
    ResourcesOverride() = folder;
}
