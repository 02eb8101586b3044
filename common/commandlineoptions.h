#ifndef VESKGAMES_COMMANDLINEOPTIONS_H
#define VESKGAMES_COMMANDLINEOPTIONS_H

#include "common_export.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace VeskGames {

/// Declares a program's options, parses argv against them and answers typed
/// value queries: command line, then the native settings store, then the
/// declared default, then the caller's default.
class COMMON_EXPORT CommandLineOptions
{
public:
    struct COMMON_EXPORT Option
    {
        Option(const QString& name, QMetaType type);
        Option(const QString& name, const QString& description, QMetaType type);
        Option(const QString& name, const QString& description, const QVariant& defaultValue, QMetaType type);

        QString name;
        QString description;
        QVariant defaultValue;
        QMetaType type; ///< invalid: the option takes no value
    };

    CommandLineOptions();
    CommandLineOptions(const CommandLineOptions& other);
    CommandLineOptions& operator=(const CommandLineOptions& other);
    virtual ~CommandLineOptions();

    void setOptions(const QList<Option>& options);
    QList<Option> options() const;

    /// False means the help listing was shown and the program should not go on.
    bool parseOptions(int argc, char** argv);
    QStringList remainingArgs() const;
    /// The program's name and arguments last parsed, as given.
    QStringList commandLine() const;

    bool hasValue(const QString& name) const;
    void setValue(const QString& name, QVariant& value);

    template <typename T> T value(const QString& name, const T& defaultValue = T()) const
    {
        return valueHelper(name, QVariant::fromValue(defaultValue)).template value<T>();
    }

    bool useHelp() const;
    void setUseHelp(bool use);
    bool useQSettings() const;
    void setUseQSettings(bool use);

    virtual void help();

private:
    QVariant valueHelper(const QString& name, const QVariant& defaultValue) const;

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
