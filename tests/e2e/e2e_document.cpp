// Documents for the end-to-end tests, made and read apart from the program:
//   e2e_document make FILE PASSWORD GEOMETRY [URL]   writes a document of one entry
//                       (of that URL) whose window place is GEOMETRY ("40*60*639*376")
//   e2e_document geometry FILE PASSWORD         prints the place a document holds
#include <QFile>
#include <QString>

#include <cstdio>

#include "cipher/RC4.h"
#include "document/format/DocumentReader.h"
#include "document/format/GeometryRecord.h"
#include "document/format/RecordEncoder.h"
#include "framework/core/FolderItem.h"

namespace {

int Make(const QString& path, const QString& password, const QByteArray& geometry, const QByteArray& url) {
    const QByteArray bytes =
        testdoc::encodeRecords(password.toUtf8(), {"BRIMEL141", geometry, "Bank", url, "anna", "s3cret", "PIN 1234"});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() ? 0 : 1;
}

int Geometry(const QString& path, const QString& password) {
    RC4 cipher;
    const DocumentReadResult read = DocumentReader::ReadFile(FolderItem(path), cipher, password);
    if (!read.hasGeometry)
        return 1;
    const GeometryRecord& g = read.geometry;
    std::printf("%s\n",
                GeometryRecord::Text(g.LeftPixels(), g.TopPixels(), g.WidthPixels(), g.HeightPixels()).constData());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == "make" && (argc == 5 || argc == 6))
        return Make(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]),
                    QByteArray(argc == 6 ? argv[5] : "https://bank.example"));
    if (command == "geometry" && argc == 4)
        return Geometry(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    std::fprintf(stderr, "usage: e2e_document make FILE PASSWORD GEOMETRY [URL] | geometry FILE PASSWORD\n");
    return 2;
}
