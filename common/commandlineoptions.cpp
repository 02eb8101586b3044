#include "commandlineoptions.h"

#include <QSettings>

#include <cstdio>

namespace VeskGames {

class CommandLineOptions::Private
{
public:
    QMap<QString, Option> options;
    QMap<QString, QVariant> values;
    bool useHelp = true;
    bool useSettings = true;
    QStringList remaining;
    QStringList commandLine;

    void takeRest(int from, int argc, char** argv)
    {
        for (int i = from; i < argc; ++i)
            remaining.append(QString::fromLocal8Bit(argv[i]));
    }
};

CommandLineOptions::Option::Option(const QString& name_, QMetaType type_) : name(name_), type(type_) {}

CommandLineOptions::Option::Option(const QString& name_, const QString& description_, QMetaType type_)
    : name(name_), description(description_), type(type_)
{}

CommandLineOptions::Option::Option(const QString& name_, const QString& description_,
                                   const QVariant& defaultValue_, QMetaType type_)
    : name(name_), description(description_), defaultValue(defaultValue_), type(type_)
{}

CommandLineOptions::CommandLineOptions() : d(std::make_unique<Private>()) {}

CommandLineOptions::CommandLineOptions(const CommandLineOptions& other)
    : d(std::make_unique<Private>(*other.d))
{}

CommandLineOptions& CommandLineOptions::operator=(const CommandLineOptions& other)
{
    if (this != &other)
        *d = *other.d;
    return *this;
}

CommandLineOptions::~CommandLineOptions() = default;

void CommandLineOptions::setOptions(const QList<Option>& options)
{
    d->options.clear();
    d->values.clear();
    for (const Option& option : options)
        d->options.insert(option.name, option);
}

QList<CommandLineOptions::Option> CommandLineOptions::options() const
{
    return d->options.values();
}

bool CommandLineOptions::parseOptions(int argc, char** argv)
{
    d->values.clear();
    d->remaining.clear();
    d->commandLine.clear();
    for (int i = 0; i < argc; ++i)
        d->commandLine.append(QString::fromLocal8Bit(argv[i]));
    if (argc < 2)
        return true;

    const QMetaType boolType = QMetaType::fromType<bool>();
    const QMetaType stringType = QMetaType::fromType<QString>();

    int i = 1;
    while (i < argc) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!arg.startsWith(QLatin1Char('-'))) {
            d->remaining.append(arg);
            ++i;
            continue;
        }
        if (arg == QLatin1String("--")) {
            d->takeRest(i + 1, argc, argv);
            return true;
        }
        const QString name = arg.mid(1);
        if (d->useHelp && (name == QLatin1String("help") || name == QLatin1String("h"))) {
            help();
            d->takeRest(i + 1, argc, argv);
            return false;
        }
        const auto it = d->options.constFind(name);
        if (it == d->options.constEnd()) {
            help();
            d->takeRest(i + 1, argc, argv);
            return false;
        }
        const Option& option = it.value();
        const bool isLast = i + 1 >= argc;
        if (option.type == boolType && (isLast || argv[i + 1][0] == '-')) {
            d->values.insert(name, true);
            ++i;
            continue;
        }
        if (!option.type.isValid() || isLast) {
            help();
            d->takeRest(i + 1, argc, argv);
            return false;
        }
        QVariant value(QString::fromLocal8Bit(argv[i + 1]));
        if (QMetaType::canConvert(stringType, option.type)) {
            // A text that does not parse still yields the type's zero value.
            if (!value.convert(option.type))
                value = QVariant(option.type);
            d->values.insert(name, value);
            i += 2;
        } else {
            ++i; // the would-be value is examined as an argument of its own
        }
    }
    return true;
}

QStringList CommandLineOptions::remainingArgs() const
{
    return d->remaining;
}

QStringList CommandLineOptions::commandLine() const
{
    return d->commandLine;
}

bool CommandLineOptions::hasValue(const QString& name) const
{
    return d->values.contains(name);
}

void CommandLineOptions::setValue(const QString& name, QVariant& value)
{
    const auto it = d->options.constFind(name);
    if (it == d->options.constEnd() || !it->type.isValid())
        return;
    QVariant converted = value;
    if (!QMetaType::canConvert(value.metaType(), it->type) || !converted.convert(it->type))
        return;
    value = converted;
    d->values.insert(name, converted);
}

bool CommandLineOptions::useHelp() const
{
    return d->useHelp;
}

void CommandLineOptions::setUseHelp(bool use)
{
    d->useHelp = use;
}

bool CommandLineOptions::useQSettings() const
{
    return d->useSettings;
}

void CommandLineOptions::setUseQSettings(bool use)
{
    d->useSettings = use;
}

void CommandLineOptions::help()
{
    QString text;
    for (const Option& option : std::as_const(d->options)) {
        text += QLatin1String(" -") + option.name;
        if (option.type.isValid()) {
            QString typeName = QString::fromLatin1(option.type.name());
            if (typeName.startsWith(QLatin1Char('Q')))
                typeName.remove(0, 1);
            text += QLatin1String(" <") + typeName + QLatin1Char('>');
        }
        if (!option.description.isEmpty())
            text += QLatin1String(": ") + option.description;
        if (option.defaultValue.isValid())
            text += QLatin1String(" (default value: ") + option.defaultValue.toString() + QLatin1Char(')');
        text += QLatin1Char('\n');
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

QVariant CommandLineOptions::valueHelper(const QString& name, const QVariant& defaultValue) const
{
    const auto value = d->values.constFind(name);
    if (value != d->values.constEnd())
        return value.value();

    QVariant candidate = defaultValue;
    const auto option = d->options.constFind(name);
    if (option != d->options.constEnd() && option->defaultValue.isValid())
        candidate = option->defaultValue;

    if (!d->useSettings)
        return candidate;
    return QSettings().value(name, candidate);
}

} // namespace VeskGames
