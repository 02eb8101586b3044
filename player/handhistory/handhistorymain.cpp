// handhistory: hand records to plain text, the way the table's hand-history
// dialog reads them.
#include "handhistoryrenderer.h"
#include "handrecordreader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

using namespace VeskGames;

namespace {

bool loadCatalogues(const QString& name, QList<QTranslator*>* loaded)
{
    const QLocale locale(name);
    QLocale::setDefault(locale);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return true; // the texts are written in English
    for (const char* catalogue : {"player", "zellik"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, QLatin1String(catalogue), QStringLiteral("_"),
                             QStringLiteral(":/translations"))) {
            QCoreApplication::installTranslator(translator);
            loaded->append(translator);
        } else {
            delete translator;
        }
    }
    return !loaded->isEmpty();
}

QByteArray readInput(const QString& name, QString* error)
{
    QFile file;
    const bool standardInput = name == QLatin1String("-");
    if (standardInput)
        file.open(stdin, QIODevice::ReadOnly);
    else
        file.setFileName(name);
    if (!standardInput && !file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return QByteArray();
    }
    return file.readAll();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("handhistory"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints hand records as readable hand histories, one hand after another.\n"
                       "A file holds one record, a JSON array of records, or one JSON text per line."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption localeOption(QStringLiteral("locale"),
                                          QStringLiteral("Language of the text, e.g. de_DE."),
                                          QStringLiteral("locale"), QStringLiteral("en_US"));
    const QCommandLineOption feeOption(QStringLiteral("show-fee"),
                                       QStringLiteral("Show the service fee in the pot."));
    const QCommandLineOption userNames(QStringLiteral("user-names"),
                                       QStringLiteral("Players by their user names, not display names."));
    parser.addOptions({localeOption, feeOption, userNames});
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Hand records; - or none: standard input."),
                                 QStringLiteral("[file...]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QList<QTranslator*> catalogues;
    if (!loadCatalogues(parser.value(localeOption), &catalogues)) {
        err << "handhistory: no translation for " << parser.value(localeOption) << Qt::endl;
        return 2;
    }

    HandHistoryRenderer renderer;
    renderer.setDisplayServiceFee(parser.isSet(feeOption));
    renderer.setShowDisplayName(!parser.isSet(userNames));

    QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        inputs << QStringLiteral("-");
    bool first = true;
    for (const QString& input : std::as_const(inputs)) {
        const QString shown = input == QLatin1String("-") ? QStringLiteral("standard input") : input;
        QString error;
        const QByteArray bytes = readInput(input, &error);
        if (!error.isEmpty()) {
            err << "handhistory: cannot read " << shown << ": " << error << Qt::endl;
            return 1;
        }
        QStringList records;
        if (!HandRecordReader::read(bytes, &records, &error)) {
            err << "handhistory: " << shown << ": " << error << Qt::endl;
            return 1;
        }
        const HandHistoryRenderer::Result result = renderer.render(records);
        for (const QStringList& hand : result.hands) {
            if (!first)
                out << '\n';
            first = false;
            for (const QString& line : hand)
                out << line << '\n';
        }
        out.flush();
        if (!result.error.isEmpty()) {
            err << "handhistory: " << shown << ": " << result.error << Qt::endl;
            return 1;
        }
    }
    return 0;
}
