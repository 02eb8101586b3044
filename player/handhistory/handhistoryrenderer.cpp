#include "handhistoryrenderer.h"

#include "handhistorytext.h"
#include "scriptwatchdog.h"

#include <QFile>
#include <QJSEngine>
#include <QJSValueIterator>
#include <QObject>

namespace VeskGames {

namespace {

/// What the script sees as the host: one call per line.
class ScriptHost : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE QString line(const QJSValue& key, const QJSValue& values) const
    {
        if (!key.isString())
            return QString();
        QVariantList list;
        const int count = values.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < count; ++i) {
            const QJSValue value = values.property(quint32(i));
            // Undefined stays an invalid value: "missing" to the line writer.
            list.append(value.isUndefined() || value.isNull() ? QVariant() : value.toVariant());
        }
        return HandHistoryText::line(key.toString(), list);
    }
};

// Variadic on the script's side, one list on ours.
const char* const hostGlue = "(function (host) {"
                             "  return function (key) {"
                             "    return host.line(key, Array.prototype.slice.call(arguments, 1));"
                             "  };"
                             "})";

QString describe(const QJSValue& error)
{
    const QString where = error.property(QStringLiteral("lineNumber")).toString();
    return where.isEmpty() || where == QLatin1String("undefined")
               ? error.toString()
               : QStringLiteral("%1 (script line %2)").arg(error.toString(), where);
}

} // namespace

class HandHistoryRenderer::Private
{
public:
    bool showDisplayName = true;
    bool displayServiceFee = false;
    int timeLimit = 2000;
    int maximumLength = 1 << 20;
    QString scriptPath = defaultScriptPath();
};

HandHistoryRenderer::HandHistoryRenderer() : d(std::make_unique<Private>()) {}

HandHistoryRenderer::~HandHistoryRenderer() = default;

void HandHistoryRenderer::setShowDisplayName(bool show)
{
    d->showDisplayName = show;
}

void HandHistoryRenderer::setDisplayServiceFee(bool show)
{
    d->displayServiceFee = show;
}

void HandHistoryRenderer::setTimeLimit(int msec)
{
    d->timeLimit = qMax(1, msec);
}

void HandHistoryRenderer::setMaximumRecordLength(int characters)
{
    d->maximumLength = characters;
}

void HandHistoryRenderer::setScriptPath(const QString& path)
{
    d->scriptPath = path;
}

QString HandHistoryRenderer::defaultScriptPath()
{
    return QStringLiteral(":/handhistory-parser/handhistory-parser.js");
}

HandHistoryRenderer::Result HandHistoryRenderer::render(const QStringList& records) const
{
    Result result;
    QFile file(d->scriptPath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QObject::tr("The hand-history script could not be read.");
        return result;
    }
    const QString program = QString::fromUtf8(file.readAll());

    QJSEngine engine;
    ScriptHost host;
    ScriptWatchdog watchdog(&engine);
    QJSValue global = engine.globalObject();
    global.setProperty(QStringLiteral("print"), engine.evaluate(QStringLiteral("(function () {})")));
    global.setProperty(QStringLiteral("globalShowDisplayName"), d->showDisplayName);
    global.setProperty(QStringLiteral("globalDisplayServiceFee"), d->displayServiceFee);
    global.setProperty(QStringLiteral("generateTranslatedOutput"),
                       engine.evaluate(QLatin1String(hostGlue)).call({engine.newQObject(&host)}));
    // The engine must not delete the host it was lent.
    QJSEngine::setObjectOwnership(&host, QJSEngine::CppOwnership);

    watchdog.arm(d->timeLimit);
    const QJSValue loaded = engine.evaluate(program, QStringLiteral("handhistory-parser.js"));
    if (watchdog.disarm() || loaded.isError()) {
        result.error = QObject::tr("The hand-history script failed: %1").arg(describe(loaded));
        return result;
    }
    QJSValue parse = global.property(QStringLiteral("parseHandhistory"));
    if (!parse.isCallable()) {
        result.error = QObject::tr("The hand-history script has no parser.");
        return result;
    }

    for (const QString& record : records) {
        if (record.size() > d->maximumLength) {
            result.error = QObject::tr("Hand %1 is too long to read.").arg(result.hands.size() + 1);
            break;
        }
        watchdog.arm(d->timeLimit);
        const QJSValue lines = parse.call({record});
        const bool interrupted = watchdog.disarm();
        if (interrupted) {
            result.error = QObject::tr("Hand %1 took too long to read.").arg(result.hands.size() + 1);
            break;
        }
        if (lines.isError() || !lines.isArray()) {
            result.error = QObject::tr("Hand %1 could not be read: %2")
                               .arg(result.hands.size() + 1)
                               .arg(lines.isError() ? describe(lines) : lines.toString());
            break;
        }
        QStringList hand;
        const int count = lines.property(QStringLiteral("length")).toInt();
        hand.reserve(count);
        for (int i = 0; i < count; ++i)
            hand.append(lines.property(quint32(i)).toString());
        result.hands.append(hand);
    }
    return result;
}

} // namespace VeskGames

#include "handhistoryrenderer.moc"
