#include "document/SaveMessages.h"

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

QString SaveMessages::UnencodableCell(const QString& entryTitle, int row, EntryColumn column,
                                      const QString& character) {
    const QString entryName = entryTitle.isEmpty()
                                  ? QStringLiteral("the entry without a name (number %1 in the list)").arg(row + 1)
                                  : QStringLiteral("the entry \u201C%1\u201D").arg(entryTitle);
    return QStringLiteral(
               "the field \u201C%1\u201D of %2 holds the character \u201C%3\u201D, "
               "which cannot be stored. Replace it and try again.")
        .arg(FieldName(column), entryName, character);
}
