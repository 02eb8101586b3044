#ifndef VESKGAMES_CONFIGURATION_H
#define VESKGAMES_CONFIGURATION_H

#include "commandlineoptions.h"

#include <QDir>
#include <QVariantMap>

class QObject;

namespace VeskGames {

/// The program's options and the INI configuration files beside the working
/// directory: "default.ini" first, then "default.local.ini".
class Configuration
{
public:
    Configuration();
    ~Configuration();

    /// The 22 options the program accepts.
    static QList<CommandLineOptions::Option> options();
    /// The sixteen keys copied from the configuration files.
    static QStringList keys();
    /// Application property under which \a key is published ("ini" + lower case).
    static QByteArray propertyName(const QString& key);

    /// Reads both files from \a dir; "extraParameters" of each file is applied
    /// to \a options, overriding the command line.
    void read(const QDir& dir, CommandLineOptions& options);
    /// Applies an "extraParameters" text to \a options.
    static void applyExtraParameters(const QString& text, CommandLineOptions& options);

    QVariantMap values() const;
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    /// Publishes every key on \a target: the files' value, else the theme's
    /// default, else nothing.
    void publish(QObject* target, const QVariantMap& themeDefaults) const;

private:
    void readFile(const QString& path, CommandLineOptions& options);

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
