#include "app/CommandLine.h"

#include <QCommandLineParser>

namespace {

// The toolkit's own options, which it takes for itself once it starts; they
// are known here so that they are neither refused nor taken for documents.
void AddToolkitOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
                             "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "visual",
                             "style", "stylesheet", "qmljsdebugger"}) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-reverse" is one word, as the toolkit's options are, and never -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption usage(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(usage);
    parser.addOption(version);
    AddToolkitOptions(parser);
    const bool parsed = parser.parse(QStringList{QStringLiteral("brimel")} + arguments);

    if (parser.isSet(usage)) {
        requested_ = Request::ShowUsage;
    } else if (parser.isSet(version)) {
        requested_ = Request::ShowVersion;
    } else if (!parsed) {
        requested_ = Request::UsageError;
        error_ = QStringLiteral("brimel: %1\nTry 'brimel --help' for more information.\n").arg(parser.errorText());
    } else {
        for (const QString& argument : parser.positionalArguments()) {
            if (!argument.isEmpty()) {
                documents_ << argument;
            }
        }
    }
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "Usage: brimel [options] [document ...]\n"
        "Keeps passwords, logins and notes in password-protected documents and opens\n"
        "each document named in a window of its own, in the Brimel already running on\n"
        "this display when there is one.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Show this help and exit.\n"
        "  -v, --version  Show the version and exit.\n"
        "  --             End the options: every argument after it is a document.\n"
        "\n"
        "The toolkit's own options, such as -platform and -display, work as well.\n");
}

QString CommandLine::Version() {
    return QStringLiteral(BRIMEL_VERSION "\n");
}
