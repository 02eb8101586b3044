#include "configuration.h"
#include "playerlogging.h"

#include <QFileInfo>
#include <QObject>
#include <QSettings>

namespace VeskGames {

namespace {
const char* const kKeys[] = {
    "featureAutoReBuyin",
    "featureChipsIsDefault",
    "featureDisplayServiceFee",
    "featureKeepHoleCards",
    "featureOptionStayWatch",
    "updateUrl",
    "updateContext",
    "urlSignup",
    "urlBuyin",
    "urlLobby",
    "urlLostPassword",
    "urlLoginNews",
    "urlPokerSchool",
    "urlNewPromotions",
    "portalPartnerName",
    // Still accepted from older site files; amounts keep their cents whatever it says.
    "amountDecimalsBelow",
    "windowTitle",
};
} // namespace

class Configuration::Private
{
public:
    QVariantMap values;
};

Configuration::Configuration() : d(std::make_unique<Private>()) {}

Configuration::~Configuration() = default;

QList<CommandLineOptions::Option> Configuration::options()
{
    using Option = CommandLineOptions::Option;
    const QMetaType boolType = QMetaType::fromType<bool>();
    const QMetaType intType = QMetaType::fromType<int>();
    const QMetaType stringType = QMetaType::fromType<QString>();
    return {
        Option(QStringLiteral("host"), QStringLiteral("Name of server host to connect to"), stringType),
        Option(QStringLiteral("port"), QStringLiteral("Server port to connect to"), intType),
        Option(QStringLiteral("community"), QStringLiteral("Display community table instead of player table"),
               false, boolType),
        Option(QStringLiteral("authKiosk"), QStringLiteral("Obtain authentication data through kiosk"), false,
               boolType),
        Option(
            QStringLiteral("authStatic"),
            QStringLiteral("Obtain authentication data through commandline (format user:pass:buyin_amount)"),
            stringType),
        Option(QStringLiteral("fullscreen"), QStringLiteral("Enable fullscreen mode"), false, boolType),
        Option(QStringLiteral("demo"), QStringLiteral("Enable demo login mode"), false, boolType),
        Option(QStringLiteral("lock"), QStringLiteral("Enable lock screen mode"), false, boolType),
        Option(QStringLiteral("sound"), QStringLiteral("Enable player sound"), false, boolType),
        Option(QStringLiteral("showUserName"),
               QStringLiteral("Enables the use of username as player name instead of PlayerX"), false,
               boolType),
        Option(QStringLiteral("multihead"), QStringLiteral("Enables use on a multiheaded environment"),
               intType),
        Option(QStringLiteral("viewHoleCards"),
               QStringLiteral(
                   "Select viewing method of hole cards, \"default\" - drag the cards up to show them, "
                   "\"singletouch\" - touch screen will show cards and release will hide cards"),
               stringType),
        // A packaged build leaves updates to the package manager.
        Option(QStringLiteral("disableUpdate"), QStringLiteral("Disables automatic client updates"),
               bool(VESK_SELF_UPDATE_DEFAULT_OFF), boolType),
        Option(QStringLiteral("releaseTag"),
               QStringLiteral("Select updater release tag to use if testing for example beta releases"),
               stringType),
        Option(QStringLiteral("ssl"), QStringLiteral("Whether to connect using SSL or not"), false, boolType),
        Option(QStringLiteral("keyboardCommands"),
               QStringLiteral("Map hardware keys to actions. Example: "
                              "\"fold=F;checkCall=C;betRaise=B;slideUp=+;slideDown-\""),
               stringType),
        Option(QStringLiteral("slider"), QStringLiteral("Change slider item being used."), stringType),
        Option(QStringLiteral("gameOverExit"), QStringLiteral("Quit the game when the tournament is over."),
               false, boolType),
        Option(QStringLiteral("locale"), QStringLiteral("Select custom locale, for example \"sv_SE\""),
               stringType),
        // The default look unless another is asked for: a partner plug-in beside
        // the program is chosen by name, not by being found first.
        Option(QStringLiteral("theme"), QStringLiteral("Visual theme to use"), QStringLiteral("DefaultTheme"),
               stringType),
        Option(QStringLiteral("singleWindow"), QStringLiteral("Use a single window or not"), false, boolType),
        Option(QStringLiteral("useActiveMac"), QStringLiteral("Use active MAC-address"), false, boolType),
    };
}

QStringList Configuration::keys()
{
    QStringList result;
    for (const char* key : kKeys)
        result.append(QString::fromLatin1(key));
    return result;
}

QByteArray Configuration::propertyName(const QString& key)
{
    return "ini" + key.toLower().toLatin1();
}

void Configuration::read(const QDir& dir, CommandLineOptions& options)
{
    readFile(dir.filePath(QStringLiteral("default.ini")), options);
    readFile(dir.filePath(QStringLiteral("default.local.ini")), options);
}

void Configuration::readFile(const QString& path, CommandLineOptions& options)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (!info.isFile() || !info.isReadable()) {
        qCWarning(lcStartup, "Configuration file %s cannot be read; skipped", qPrintable(path));
        return;
    }
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        qCWarning(lcStartup, "Configuration file %s is not a valid INI file; skipped", qPrintable(path));
        return;
    }

    const QString extraKey = QStringLiteral("extraParameters");
    if (ini.contains(extraKey)) {
        const QVariant extra = ini.value(extraKey);
        // An unquoted comma makes the INI reader hand back a list.
        const QString text = extra.metaType().id() == QMetaType::QStringList
                                 ? extra.toStringList().join(QLatin1Char(','))
                                 : extra.toString();
        applyExtraParameters(text, options);
    }
    for (const char* key : kKeys) {
        const QString name = QString::fromLatin1(key);
        if (ini.contains(name))
            d->values.insert(name, ini.value(name));
    }
}

void Configuration::applyExtraParameters(const QString& text, CommandLineOptions& options)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (!part.startsWith(QLatin1Char('-')))
            continue;
        const QString name = part.mid(1);
        const QString next = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        QVariant value;
        if (next.isEmpty() || next.startsWith(QLatin1Char('-'))) {
            value = QStringLiteral("true");
        } else {
            value = next;
            ++i;
        }
        options.setValue(name, value);
    }
}

QVariantMap Configuration::values() const
{
    return d->values;
}

QVariant Configuration::value(const QString& key) const
{
    return d->values.value(key);
}

void Configuration::setValue(const QString& key, const QVariant& value)
{
    d->values.insert(key, value);
}

void Configuration::publish(QObject* target, const QVariantMap& themeDefaults) const
{
    for (const char* key : kKeys) {
        const QString name = QString::fromLatin1(key);
        if (d->values.contains(name))
            target->setProperty(propertyName(name).constData(), d->values.value(name));
        else if (themeDefaults.contains(name))
            target->setProperty(propertyName(name).constData(), themeDefaults.value(name));
    }
}

} // namespace VeskGames
