#include "FullDocument.h"

#include <QTemporaryDir>
#include <map>

#include "cipher/RC4.h"
#include "document/format/DocumentWriter.h"

namespace {

const char16_t* const kColumnWords[] = {u"Title", u"Address", u"User", u"Secret", u"Notes"};

}  // namespace

QString FullDocument::Cell(int row, int column, int entries) {
    const bool lastTitle = column == 0 && row == entries - 1;
    const QString word = QString::fromUtf16(lastTitle ? u"Last" : kColumnWords[column]);
    QString cell = QStringLiteral("%1 %2 ").arg(row, 5, 10, QChar(u'0')).arg(word);
    while (cell.size() < kFieldLength)
        cell += QStringLiteral("abc\u00E9XYZ*\t-");
    cell.truncate(kFieldLength - 1);
    return cell + QLatin1Char('z');
}

std::vector<EntryRow> FullDocument::Rows(int entries) {
    std::vector<EntryRow> rows(static_cast<std::size_t>(entries));
    for (int row = 0; row < entries; ++row)
        for (int col = 0; col < kEntryColumnCount; ++col)
            rows[std::size_t(row)][std::size_t(col)] = Cell(row, col, entries);
    return rows;
}

const QString& FullDocument::Password() {
    static const QString password = QStringLiteral("bench password");
    return password;
}

bool FullDocument::WriteTo(const QString& path, int entries) {
    RC4 cipher;
    const WindowPlacement placement{40, 60, 639, 376};
    return DocumentWriter::WriteFile(FolderItem(path), cipher, Password(), Rows(entries), -1, placement).ok();
}

const FolderItem& FullDocument::File(int entries) {
    static QTemporaryDir folder;
    static std::map<int, FolderItem> files;
    auto it = files.find(entries);
    if (it == files.end()) {
        const QString path = folder.filePath(QStringLiteral("Full%1.brimel").arg(entries));
        if (!WriteTo(path, entries))
            qFatal("the document could not be written to %s", qPrintable(path));
        it = files.emplace(entries, FolderItem(path)).first;
    }
    return it->second;
}
