// handhistory: hand records to plain text, the way the table's hand-history
// dialog reads them; or one hand played again on the table.
#include "defaulttheme.h"
#include "handhistoryrenderer.h"
#include "handrecordreader.h"
#include "handreplay.h"
#include "handreplayer.h"
#include "localresources.h"
#include "replaywindow.h"

#include <QApplication>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

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

bool wantsWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--replay", 8) == 0)
            return true;
    }
    return false;
}

int replay(const QString& file, int hand, const QString& screenshot, QTextStream& err)
{
    QString error;
    const QByteArray bytes = readInput(file, &error);
    QStringList records;
    if (!error.isEmpty() || !HandRecordReader::read(bytes, &records, &error)) {
        err << "handhistory: " << file << ": " << error << Qt::endl;
        return 1;
    }
    if (hand < 1 || hand > records.size()) {
        err << "handhistory: " << file << " holds " << records.size() << " hand(s), not hand " << hand
            << Qt::endl;
        return 1;
    }
    const HandReplay hands = HandReplay::fromRecord(records.at(hand - 1), &error);
    if (!hands.isValid()) {
        err << "handhistory: hand " << hand << " of " << file << ": " << error << Qt::endl;
        return 1;
    }
    // The table's pictures, found as the player program finds them.
    LocalResources::addProgramSearchPaths();
    DefaultTheme theme;
    ReplayWindow window(hands, &theme);
    window.show();
    HandReplayer* replayer = window.replayer();
    if (screenshot.isEmpty()) {
        replayer->play();
        return QApplication::exec();
    }
    // The hand's end, drawn once every card has arrived from the renderers.
    QObject::connect(replayer, &HandReplayer::stepShown, &window, [&](int position) {
        if (position < replayer->stepCount())
            return;
        QTimer::singleShot(500, &window, [&] { QApplication::exit(window.grab().save(screenshot) ? 0 : 1); });
    });
    replayer->seek(replayer->stepCount());
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // A window only for a replay: printing needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (wantsWindow(argc, argv))
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
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
    const QCommandLineOption replayOption(QStringLiteral("replay"),
                                          QStringLiteral("Play a hand of the file again on the table."),
                                          QStringLiteral("file"));
    const QCommandLineOption handOption(QStringLiteral("hand"),
                                        QStringLiteral("Which hand of the file to replay, from 1."),
                                        QStringLiteral("number"), QStringLiteral("1"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"), QStringLiteral("Save the replayed hand's end as a picture and quit."),
        QStringLiteral("png"));
    parser.addOptions({localeOption, feeOption, userNames, replayOption, handOption, screenshotOption});
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
    if (parser.isSet(replayOption)) {
        bool number = false;
        const int hand = parser.value(handOption).toInt(&number);
        if (!number) {
            err << "handhistory: --hand needs a number" << Qt::endl;
            return 2;
        }
        return replay(parser.value(replayOption), hand, parser.value(screenshotOption), err);
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
