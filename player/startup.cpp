#include "startup.h"
#include "playerlogging.h"

#include "commandlineoptions.h"
#include "configuration.h"
#include "localresources.h"
#include "platform/crashreporter.h"
#include "playerassembly.h"
#include "renderingsetup.h"
#include "singleinstance.h"
#include "webenginesetup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QSettings>

namespace VeskGames {

namespace {
const QString kIdentifier = QStringLiteral("VeskPoker");
} // namespace

class Startup::Private
{
public:
    std::unique_ptr<CrashReporter> crashReporter;
    CommandLineOptions options;
    Configuration configuration;
    std::unique_ptr<QApplication> app;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<PlayerAssembly> assembly;
};

Startup::Startup() : d(std::make_unique<Private>()) {}

Startup::~Startup()
{
    // The theme holds fonts and pixmaps: it goes before the application.
    d->assembly.reset();
    d->instance.reset();
    d->app.reset();
}

int Startup::run(int& argc, char** argv)
{
    // 1. Crash reports.
    d->crashReporter = CrashReporter::create();
    d->crashReporter->install(CrashReporter::defaultReportPath(), QByteArrayLiteral(VESK_VERSION));

    // 2. Options. After -help the listing is shown and start-up goes on.
    CommandLineOptions& options = d->options;
    options.setOptions(Configuration::options());
    options.parseOptions(argc, argv);

    // 3. Configuration files; their extra parameters override the command line.
    d->configuration.read(QDir::current(), options);

    // 4. Identity.
    const QString context = QStringLiteral("updateContext");
    if (!d->configuration.values().contains(context))
        d->configuration.setValue(context, kIdentifier);
    QCoreApplication::setOrganizationDomain(QStringLiteral("veskgames.example"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vesk Games"));
    QCoreApplication::setApplicationName(d->configuration.value(context).toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(VESK_VERSION));

    // 5. One instance only; a second start leaves quietly. With OpenGL the
    // web pages (cashier, news) draw with the widgets' context, which must be
    // shared from the start.
    if (!RenderingSetup::apply())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    WebEngineSetup::apply();
    d->app = std::make_unique<QApplication>(argc, argv);
    d->instance = std::make_unique<SingleInstance>(kIdentifier);
    if (!d->instance->claim()) {
        qCInfo(lcStartup, "player: another instance is running; leaving");
        return 0;
    }

    // 6. Window icon.
    if (QFile::exists(QStringLiteral("TP.ico")))
        QApplication::setWindowIcon(QIcon(QStringLiteral("TP.ico")));

    // 7. Resources: embedded first, then the folder beside the program.
    LocalResources::addProgramSearchPaths();
    QSettings().setValue(QStringLiteral("themeResourcePrefix"), QStringLiteral(":"));

    // 8 to 15. The server client, the theme, the window and the controller.
    d->assembly = std::make_unique<PlayerAssembly>();
    SingleInstance* instance = d->instance.get();
    d->assembly->setInstanceRelease([instance] { instance->release(); });
    switch (d->assembly->build(options, d->configuration)) {
    case PlayerAssembly::Built:
        break;
    case PlayerAssembly::MalformedCredentials:
        options.help();
        return -1;
    case PlayerAssembly::NoTheme:
        return 1;
    }

    // 16. Run.
    d->assembly->start();
    const int code = QApplication::exec();
    d->assembly.reset();
    return code;
}

} // namespace VeskGames
