// The updater program: brings the installation named on its command line to
// the update server's current release of it, then starts the client again.
//
//   updater -component C -version V -baseDir DIR -serverInfo URL [-tag T]
//           [-restart PROGRAM [-restartAuto] -- ARGUMENTS...]
#include "currentupdater.h"
#include "processupdate.h"
#include "updatefinder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QUrl>

#include <cstdio>

using namespace VeskGames;

namespace {

struct Request
{
    QString component;
    QString version;
    QString baseDir;
    QString serverInfo;
    QString tag;
    QString restart;
    bool restartAuto = false;
    QStringList restartArguments;
};

bool parse(const QStringList& arguments, Request* request)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (name == QLatin1String("--")) {
            request->restartArguments = arguments.mid(i + 1);
            break;
        }
        if (name == QLatin1String("-restartAuto")) {
            request->restartAuto = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return false;
        const QString value = arguments.at(++i);
        if (name == QLatin1String("-component"))
            request->component = value;
        else if (name == QLatin1String("-version"))
            request->version = value;
        else if (name == QLatin1String("-baseDir"))
            request->baseDir = value;
        else if (name == QLatin1String("-serverInfo"))
            request->serverInfo = value;
        else if (name == QLatin1String("-tag"))
            request->tag = value;
        else if (name == QLatin1String("-restart"))
            request->restart = value;
        else
            return false;
    }
    return !request->component.isEmpty() && !request->baseDir.isEmpty() && !request->serverInfo.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (QCoreApplication::arguments().contains(QStringLiteral("--version"))) {
        std::printf("updater %s\n", VESK_VERSION);
        return 0;
    }
    Request request;
    if (!parse(QCoreApplication::arguments(), &request)) {
        std::fprintf(stderr, "usage: updater -component C -version V -baseDir DIR -serverInfo URL [-tag T] "
                             "[-restart PROGRAM [-restartAuto] -- ARGUMENTS...]\n");
        return 2;
    }
    CurrentUpdater installation;
    installation.setComponent(request.component);
    installation.setVersion(request.version);
    installation.setBaseDir(request.baseDir);
    installation.setUrl(QUrl(request.serverInfo));
    installation.setTag(request.tag);

    // Installing slowly: room for tests to stop an update in the middle of a file.
    const int pause = qEnvironmentVariableIntValue("VESK_UPDATER_WRITE_PAUSE_MS");
    int code = 1;
    // Whatever happens, the player is not left without its program.
    const auto finish = [&](int result) {
        code = result;
        if (!request.restart.isEmpty() && request.restartAuto &&
            !QProcess::startDetached(request.restart, request.restartArguments))
            std::fprintf(stderr, "updater: %s could not be started again\n", qPrintable(request.restart));
        QCoreApplication::exit(code);
    };
    auto* finder = new UpdateFinder(UpdateFinder::Manifest, &installation);
    QObject::connect(finder, &UpdateFinder::manifestFailed, &app, [&](int fault) {
        std::fprintf(stderr, "updater: no manifest for %s (%d)\n", qPrintable(request.component), fault);
        finish(1);
    });
    QObject::connect(finder, &UpdateFinder::manifest, &app, [&](const QByteArray& manifest) {
        auto* process = new ProcessUpdate(manifest, installation.baseDir(),
                                          QStringLiteral("VeskUpdater/1.0.0.0"), &installation);
        process->setWritePause(pause);
        QObject::connect(process, &ProcessUpdate::updatingFile, &app, [](const QString& name) {
            std::printf("updater: installing %s\n", qPrintable(name));
            std::fflush(stdout);
        });
        QObject::connect(process, &ProcessUpdate::processSuccessful, &app, [&] {
            std::printf("updater: %s is up to date\n", qPrintable(request.component));
            finish(0);
        });
        for (auto failure : {&ProcessUpdate::processXMLfailed, &ProcessUpdate::processDownloadFailed,
                             &ProcessUpdate::processFailed})
            QObject::connect(process, failure, &app, [&] {
                std::fprintf(stderr, "updater: the update of %s failed\n", qPrintable(request.component));
                finish(1);
            });
        process->start();
    });
    finder->start();
    return app.exec();
}
