#include "FullDocument.h"

#include <QTemporaryDir>

#include "cipher/RC4.h"
#include "document/format/DocumentWriter.h"

namespace {

const char16_t* const kColumnWords[] = {u"Title", u"Address", u"User", u"Secret", u"Notes"};

}  // namespace

QString FullDocument::Cell(int row, int column) {
    QString cell = QStringLiteral("%1 %2 ").arg(row, 5, 10, QChar(u'0')).arg(QString::fromUtf16(kColumnWords[column]));
    while (cell.size() < kFieldLength)
        cell += QStringLiteral("abc\u00E9XYZ*\t-");
    cell.truncate(kFieldLength - 1);
    return cell + QLatin1Char('z');
}

const std::vector<EntryRow>& FullDocument::Rows() {
    static const std::vector<EntryRow> rows = [] {
        std::vector<EntryRow> r(kEntries);
        for (int row = 0; row < kEntries; ++row)
            for (int col = 0; col < kEntryColumnCount; ++col)
                r[std::size_t(row)][std::size_t(col)] = Cell(row, col);
        return r;
    }();
    return rows;
}

const QString& FullDocument::Password() {
    static const QString password = QStringLiteral("bench password");
    return password;
}

bool FullDocument::WriteTo(const QString& path) {
    RC4 cipher;
    const WindowPlacement placement{40, 60, 639, 376};
    return DocumentWriter::WriteFile(FolderItem(path), cipher, Password(), Rows(), -1, placement).ok();
}

const FolderItem& FullDocument::File() {
    static QTemporaryDir folder;
    static const FolderItem file = [] {
        const QString path = folder.filePath(QStringLiteral("Full.brimel"));
        if (!WriteTo(path))
            qFatal("the full document could not be written to %s", qPrintable(path));
        return FolderItem(path);
    }();
    return file;
}
