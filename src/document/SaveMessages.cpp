#include "document/SaveMessages.h"

#include "framework/core/Strings.h"

#include <algorithm>

QString SaveMessages::FieldName(EntryColumn column) {
    switch (column) {
        case EntryColumn::Title:
            return QStringLiteral("Name of Entry");
        case EntryColumn::URL:
            return QStringLiteral("URL");
        case EntryColumn::User:
            return QStringLiteral("User ID, Name, Login");
        case EntryColumn::Password:
            return QStringLiteral("Password, Serial Number, PIN");
        case EntryColumn::Notes:
            return QStringLiteral("Notes");
    }
    return QString();
}

QString SaveMessages::SaveFailed(const QString& fileName, const QString& reason) {
    return QStringLiteral("The document \u201C%1\u201D could not be saved: %2").arg(fileName, reason);
}

QString SaveMessages::ExportFailed(const QString& fileName, const QString& reason) {
    return QStringLiteral("The cleartext export \u201C%1\u201D could not be written: %2").arg(fileName, reason);
}

QString SaveMessages::UnstorableCells(const std::vector<EntryEncoding::UnstorableCell>& cells,
                                      const std::vector<EntryRow>& rows) {
    if (cells.empty())
        return QString();
    QStringList lines;
    const int listed = std::min(int(cells.size()), kListedCells);
    for (int i = 0; i < listed; ++i) {
        const EntryEncoding::UnstorableCell& cell = cells[size_t(i)];
        lines << QStringLiteral("\u2022 \u201C%1\u201D of %2: %3")
                     .arg(FieldName(cell.column), EntryName(rows, cell.row), CharacterList(cell.characters));
    }
    const int more = int(cells.size()) - listed;
    if (more > 0)
        lines << (more == 1 ? QStringLiteral("and 1 more field") : QStringLiteral("and %1 more fields").arg(more));
    return QStringLiteral(
               "these fields hold characters that cannot be stored in it:\n%1\n"
               "Replace those characters and try again.")
        .arg(lines.join(QLatin1Char('\n')));
}

QString SaveMessages::EntryName(const std::vector<EntryRow>& rows, int row) {
    const QString title = row >= 0 && size_t(row) < rows.size() ? rows[size_t(row)][0] : QString();
    if (title.isEmpty())
        return QStringLiteral("the entry without a name (number %1 in the list)").arg(row + 1);
    const QString shown =
        Len(title) > kShownTitleLength ? Left(title, kShownTitleLength) + QStringLiteral("\u2026") : title;
    return QStringLiteral("the entry \u201C%1\u201D").arg(shown);
}

// Each character with its code points, so that one that shows as nothing
// (a zero-width space, a direction mark) can still be found.
QString SaveMessages::CharacterList(const QStringList& characters) {
    QStringList shown;
    const int listed = std::min(int(characters.size()), kListedCharacters);
    for (int i = 0; i < listed; ++i) {
        QStringList codes;
        for (const char32_t cp : characters[i].toUcs4())
            codes << QStringLiteral("U+%1").arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper();
        shown << QStringLiteral("\u201C%1\u201D (%2)").arg(characters[i], codes.join(QLatin1Char(' ')));
    }
    const int more = int(characters.size()) - listed;
    if (more > 0)
        shown << QStringLiteral("and %1 more").arg(more);
    return shown.join(QStringLiteral(", "));
}
