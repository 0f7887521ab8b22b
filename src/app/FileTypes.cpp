#include "app/FileTypes.h"

FileType* FileTypes::pBrimelDocument() {
    return Storage().get();
}

void FileTypes::_Initialize() {
    auto type = std::make_unique<FileType>();
    type->Name = QStringLiteral("Brimel Document");
    type->Extensions = QStringLiteral(".brimel");
    type->MacType = QStringLiteral("TEXT");
    type->MacCreator = QStringLiteral("ZOKA");
    Storage() = std::move(type);
}

void FileTypes::Release() {
    Storage().reset();
}

std::unique_ptr<FileType>& FileTypes::Storage() {
    static std::unique_ptr<FileType> type;
    return type;
}
