// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read with Qt's parser into the toolkit's plain options.
#include "platform/command_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace {

// The arguments are taken as Latin-1, one character per byte, so that each byte goes
// back as it came.
QString FromBytes(const char* text) { return QString::fromLatin1(text); }
std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

// The parser's own messages ("Unknown option 'x'.") in the form of the others.
std::string ParserProblem(QString text) {
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return Bytes(text);
}

std::optional<std::string> ValueOf(const QCommandLineParser& parser,
                                   const QCommandLineOption& option) {
    if (!parser.isSet(option))
        return std::nullopt;
    return Bytes(parser.value(option));
}

std::vector<std::string> BytesOf(const QStringList& texts) {
    std::vector<std::string> bytes;
    for (const QString& text : texts)
        bytes.push_back(Bytes(text));
    return bytes;
}

} // namespace

CommandLineRead ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FromBytes(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
    const QCommandLineOption exportView(QStringLiteral("export"), {}, QStringLiteral("VIEW"));
    const QCommandLineOption text(QStringLiteral("text"), {});
    const QCommandLineOption results(QStringLiteral("results"), {}, QStringLiteral("FILE"));
    const QCommandLineOption timeZone(QStringLiteral("time-zone"), {}, QStringLiteral("OFFSET"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("N"));
    const QCommandLineOption chances(QStringLiteral("chances"), {});
    const QCommandLineOption runs(QStringLiteral("runs"), {}, QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("S"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
    parser.addOptions(
        {help, version, exportView, text, results, timeZone, scale, chances, runs, seed, format});

    CommandLineRead read;
    if (!parser.parse(arguments)) {
        read.problem = ParserProblem(parser.errorText());
        return read;
    }
    CommandOptions& options = read.options;
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    options.text = parser.isSet(text);
    options.chances = parser.isSet(chances);
    options.exportView = ValueOf(parser, exportView);
    options.scale = ValueOf(parser, scale);
    options.results = ValueOf(parser, results);
    options.timeZone = ValueOf(parser, timeZone);
    options.runs = ValueOf(parser, runs);
    options.seed = ValueOf(parser, seed);
    options.format = ValueOf(parser, format);
    options.arguments = BytesOf(parser.positionalArguments());
    return read;
}
