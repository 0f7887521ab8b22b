#include "app/Pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "framework/ui/Picture.h"

namespace {

QString SourcePictures() {
    return QDir(QStringLiteral(BRIMEL_TEST_DATA "/../../resources/pictures")).absolutePath();
}

// A resources folder of the test's own, with no pictures until the test writes them.
class PictureCache : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        Picture::SetResourcesFolder(FolderItem(folder.path()));
    }
    void TearDown() override { Picture::SetResourcesFolder(FolderItem()); }

    void WriteImage(const QString& name, QColor color, int width = 4, int height = 3) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(color);
        // PNG data behind the other platform's file name, as the artwork is kept.
        ASSERT_TRUE(image.save(folder.filePath(name), "PNG"));
    }
    void WriteBytes(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    std::unique_ptr<Picture> pic;
};

TEST_F(PictureCache, LoadsOnceAndKeepsTheSameObjectWhateverHappensToTheFile) {
    WriteImage("a.pct", Qt::red);

    Picture* first = CachedPicture(pic, "a.pct");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 4);

    WriteImage("a.pct", Qt::blue, 8, 8);
    EXPECT_EQ(CachedPicture(pic, "a.pct"), first);
    ASSERT_TRUE(QFile::remove(folder.filePath("a.pct")));
    EXPECT_EQ(CachedPicture(pic, "a.pct"), first);
    EXPECT_EQ(first->Width(), 4);
    EXPECT_EQ(QColor(first->ToImage().pixel(0, 0)), QColor(Qt::red));
}

TEST_F(PictureCache, AMissIsNotKeptSoAFilePutInPlaceLaterLoads) {
    EXPECT_EQ(CachedPicture(pic, "late.pct"), nullptr);
    EXPECT_EQ(pic, nullptr);

    WriteBytes("late.pct", "this is not a picture");
    EXPECT_EQ(CachedPicture(pic, "late.pct"), nullptr);

    WriteImage("late.pct", Qt::green);
    Picture* loaded = CachedPicture(pic, "late.pct");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded, pic.get());
}

TEST_F(PictureCache, ANameThatIsNoFileNameLoadsNothing) {
    EXPECT_EQ(CachedPicture(pic, "../escape.pct"), nullptr);
    EXPECT_EQ(CachedPicture(pic, ""), nullptr);
}

struct NamedPicture {
    const char* file;
    Picture* (*accessor)();
};

const NamedPicture kPictures[] = {
    {"64about.pct", about1},
    {"64aboutmask.pct", aboutmask},
    {"paypal.gif", paypal},
    {"kagi.pct", kagi},
    {"Add.pct", Add},
    {"Addmask.pct", Addmask},
    {"Remove.pct", Remove},
    {"Removemask.pct", Removemask},
    {"iconlockclosed.pct", iconlockclosed},
    {"iconlockclosedmask.pct", iconlockclosedmask},
    {"iconlockopened.pct", iconlockopened},
    {"iconlockopenedmask.pct", iconlockopenedmask},
};

struct MaskedPicture {
    const char* file;
    Picture* (*accessor)();
    Picture* (*mask)();
};

const MaskedPicture kMasked[] = {
    {"64about.pct", about1, aboutmask},
    {"Add.pct", Add, Addmask},
    {"Remove.pct", Remove, Removemask},
    {"iconlockclosed.pct", iconlockclosed, iconlockclosedmask},
    {"iconlockopened.pct", iconlockopened, iconlockopenedmask},
};

// The program's own artwork, read through the accessors.
class ArtworkFolder {
protected:
    ArtworkFolder() { Picture::SetResourcesFolder(FolderItem(SourcePictures())); }
    ~ArtworkFolder() { Picture::SetResourcesFolder(FolderItem()); }
};

class Artwork : public ArtworkFolder, public ::testing::TestWithParam<NamedPicture> {};
class MaskedArtwork : public ArtworkFolder, public ::testing::TestWithParam<MaskedPicture> {};

TEST_P(Artwork, EachAccessorReadsItsOwnFileOnceAndSharesOnePicture) {
    const NamedPicture& named = GetParam();
    Picture* pic = named.accessor();
    ASSERT_NE(pic, nullptr) << named.file;
    EXPECT_EQ(named.accessor(), pic);

    QImage fromFile(QDir(SourcePictures()).filePath(named.file));
    ASSERT_FALSE(fromFile.isNull()) << named.file;
    EXPECT_EQ(pic->Width(), fromFile.width());
    EXPECT_EQ(pic->Height(), fromFile.height());
}

TEST_P(MaskedArtwork, MaskingMakesTheWhiteOfTheMaskTransparentAndAgainChangesNothing) {
    const MaskedPicture& named = GetParam();
    Picture* pic = named.accessor();
    Picture* mask = named.mask();
    ASSERT_NE(pic, nullptr);
    ASSERT_NE(mask, nullptr);
    ASSERT_EQ(pic->Width(), mask->Width());
    ASSERT_EQ(pic->Height(), mask->Height());

    ApplyMask(pic, mask);
    const QImage once = pic->ToImage().convertToFormat(QImage::Format_ARGB32);
    const QImage coverage = mask->ToImage();
    int transparent = 0;
    int opaque = 0;
    for (int y = 0; y < once.height(); ++y) {
        for (int x = 0; x < once.width(); ++x) {
            const int alpha = qAlpha(once.pixel(x, y));
            EXPECT_NEAR(alpha, 255 - qGray(coverage.pixel(x, y)), 1) << named.file << " at " << x << "," << y;
            transparent += alpha == 0;
            opaque += alpha == 255;
        }
    }
    EXPECT_EQ(qAlpha(once.pixel(0, 0)), 0) << "corner of " << named.file;
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 0);

    ApplyMask(named.accessor(), named.mask());
    EXPECT_EQ(pic->ToImage().convertToFormat(QImage::Format_ARGB32), once);
}

template <class Param>
std::string FileTestName(const ::testing::TestParamInfo<Param>& info) {
    QString name = QString::fromLatin1(info.param.file);
    name.replace('.', '_');
    return name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Twelve, Artwork, ::testing::ValuesIn(kPictures), FileTestName<NamedPicture>);
INSTANTIATE_TEST_SUITE_P(Five, MaskedArtwork, ::testing::ValuesIn(kMasked), FileTestName<MaskedPicture>);

TEST(ApplyMask, ANullPictureIsLeftAloneAndANullMaskLeavesThePictureOpaque) {
    ApplyMask(nullptr, nullptr);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    Picture pic(image);
    ApplyMask(&pic, nullptr);
    EXPECT_EQ(qAlpha(pic.ToImage().pixel(0, 0)), 255);
}

}  // namespace
