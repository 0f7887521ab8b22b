#pragma once

#include <QString>
#include <QStringList>

// What a launch asks for on its command line: the usage (-h, --help), the
// version (-v, --version) or the documents to open. "--" ends the options;
// every other argument names a document, and an empty one names none.
class CommandLine {
public:
    enum class Request { OpenDocuments, ShowUsage, ShowVersion, UsageError };

    // arguments: without the program's name.
    explicit CommandLine(const QStringList& arguments);

    Request Requested() const { return requested_; }
    QStringList Documents() const { return documents_; }
    // For standard error after a UsageError; ends in a line break.
    QString Error() const { return error_; }

    // The texts of --help and --version; each ends in a line break.
    static QString Usage();
    static QString Version();

private:
    Request requested_ = Request::OpenDocuments;
    QStringList documents_;
    QString error_;
};
