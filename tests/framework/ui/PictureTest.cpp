#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

QImage Filled(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A picture with its mask drawn from a mask picture, as the windows mask their icons.
class MaskedPicture : public ::testing::Test {
protected:
    void ApplyMask(Picture& picture, Picture& mask) {
        picture.Mask(true)->Graphics().DrawPicture(&mask, 0, 0, Graphics::kWhole, Graphics::kWhole, 0, 0,
                                                   Graphics::kWhole, Graphics::kWhole);
    }
    Picture red{Filled(4, 1, Qt::red)};
};

TEST_F(MaskedPicture, BlackIsOpaqueWhiteTransparentGreyPartly) {
    QImage maskImage(4, 1, QImage::Format_Grayscale8);
    maskImage.setPixel(0, 0, qRgb(0, 0, 0));
    maskImage.setPixel(1, 0, qRgb(255, 255, 255));
    maskImage.setPixel(2, 0, qRgb(128, 128, 128));
    maskImage.setPixel(3, 0, qRgb(0, 0, 0));
    Picture mask(maskImage);

    ApplyMask(red, mask);

    const QImage shown = red.ToImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(shown.pixel(1, 0)), 0);
    EXPECT_NEAR(qAlpha(shown.pixel(2, 0)), 127, 2);
    EXPECT_EQ(qRed(shown.pixel(0, 0)), 255);
    EXPECT_EQ(qGreen(shown.pixel(0, 0)), 0);
}

TEST_F(MaskedPicture, MaskingAgainWithTheSameMaskLeavesThePictureAsItWas) {
    QImage maskImage = Filled(4, 1, Qt::black);
    maskImage.setPixel(1, 0, qRgb(255, 255, 255));
    Picture mask(maskImage);

    ApplyMask(red, mask);
    const QImage once = red.ToImage();
    ApplyMask(red, mask);

    EXPECT_EQ(red.ToImage(), once);
    EXPECT_EQ(red.Mask(), red.Mask(true));
}

TEST_F(MaskedPicture, ANewMaskIsBlackAndChangesNothing) {
    EXPECT_EQ(red.Mask(), nullptr);
    Picture* mask = red.Mask(true);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->Width(), 4);
    EXPECT_EQ(mask->Height(), 1);
    EXPECT_EQ(qAlpha(red.ToImage().pixel(2, 0)), 255);
}

TEST(GraphicsTest, DrawsWholeAndUnscaledAtThePlaceGiven) {
    Picture canvas(Filled(6, 6, Qt::white));
    Picture blue(Filled(2, 3, Qt::blue));

    canvas.Graphics().DrawPicture(&blue, 1, 2);

    const QImage image = canvas.ToImage();
    EXPECT_EQ(image.pixel(1, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(2, 4), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(3, 2), qRgb(255, 255, 255));  // right of it
    EXPECT_EQ(image.pixel(1, 5), qRgb(255, 255, 255));  // below it
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(GraphicsTest, ANullPictureDrawsNothing) {
    Picture canvas(Filled(2, 2, Qt::white));
    canvas.Graphics().DrawPicture(nullptr, 0, 0);
    EXPECT_EQ(canvas.ToImage().pixel(0, 0), qRgb(255, 255, 255));
}

class PictureFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir;
};

TEST_F(PictureFiles, APngUnderAnotherFormatsNameIsReadByItsContent) {
    const QString path = dir.filePath("Add.pct");
    ASSERT_TRUE(Filled(5, 3, Qt::green).save(path, "PNG"));

    auto picture = Picture::Open(FolderItem(path));

    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 5);
    EXPECT_EQ(picture->Height(), 3);
    EXPECT_EQ(picture->ToImage().pixel(4, 2), qRgb(0, 255, 0));
}

TEST_F(PictureFiles, NoPictureGivesNull) {
    EXPECT_EQ(Picture::Open(FolderItem(dir.filePath("missing.pct"))), nullptr);
    EXPECT_EQ(Picture::Open(FolderItem(Write("text.pct", "not a picture at all"))), nullptr);
    EXPECT_EQ(Picture::Open(FolderItem(Write("empty.gif", QByteArray()))), nullptr);
    EXPECT_EQ(Picture::Open(FolderItem(dir.path())), nullptr);
    EXPECT_EQ(Picture::Open(FolderItem()), nullptr);
}

TEST_F(PictureFiles, TruncatedPictureGivesNull) {
    const QString path = dir.filePath("whole.png");
    ASSERT_TRUE(Filled(40, 40, Qt::red).save(path, "PNG"));
    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();

    EXPECT_EQ(Picture::Open(FolderItem(Write("cut.pct", bytes.left(bytes.size() / 2)))), nullptr);
}

class ResourcesFolder : public ::testing::Test {
protected:
    void TearDown() override {
        Picture::SetResourcesFolder(FolderItem());
        qunsetenv("BRIMEL_RESOURCES");
    }
};

TEST_F(ResourcesFolder, IsShareBrimelBesideTheExecutablesFolder) {
    const QString expected = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/brimel");
    EXPECT_EQ(Picture::ResourcesFolder().NativePath(), expected);
}

TEST_F(ResourcesFolder, TheBuildPutsThePicturesThere) {
    auto icon = Picture::Open(Picture::ResourcesFolder().Child("64about.pct"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Width(), 64);
}

TEST_F(ResourcesFolder, SetterGoesBeforeEnvironmentBeforeDefault) {
    QTemporaryDir fromEnvironment;
    QTemporaryDir fromSetter;
    qputenv("BRIMEL_RESOURCES", fromEnvironment.path().toLocal8Bit());
    EXPECT_EQ(Picture::ResourcesFolder(), FolderItem(fromEnvironment.path()));

    Picture::SetResourcesFolder(FolderItem(fromSetter.path()));
    EXPECT_EQ(Picture::ResourcesFolder(), FolderItem(fromSetter.path()));

    Picture::SetResourcesFolder(FolderItem());
    EXPECT_EQ(Picture::ResourcesFolder(), FolderItem(fromEnvironment.path()));
}

}  // namespace
