// Every text the sources hand to tr() has a finished translation in every
// catalogue, with the same placeholders, and the embedded catalogues load.
#include "gamelistrows.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; ///< one, or one per plural form
    QString type;             ///< "unfinished", "vanished", "obsolete" or empty
    bool numerus = false;
};

QList<Message> readCatalogue(const QString& path, QString* error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        // A plural message ends with its translation element.
        if (current.numerus && xml.isEndElement() && xml.name() == QLatin1String("translation")) {
            messages << current;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!current.numerus) {
                current.translations << xml.readElementText();
                messages << current;
            }
        } else if (name == QLatin1String("numerusform")) {
            current.translations << xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+"));
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured().remove(QLatin1Char('L')));
    return found;
}

/// Where a catalogue's sources live, below the source tree.
QString sourceFolder(const QString& base)
{
    return base == QLatin1String("kestrin") ? QStringLiteral("themes/kestrin") : base;
}

QString key(const Message& m)
{
    return m.context + QLatin1String("|") + m.source + QLatin1String("|") + m.comment;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QMap<QString, QList<Message>> m_extracted; ///< catalogue -> what the sources say today

private Q_SLOTS:
    void initTestCase()
    {
        // What the sources ask for now, not what was extracted last time.
        for (const QString& base :
             {QStringLiteral("zellik"), QStringLiteral("player"), QStringLiteral("kestrin")}) {
            const QString out = m_dir.filePath(base + QStringLiteral(".ts"));
            QProcess lupdate;
            lupdate.start(QStringLiteral(LUPDATE_PATH),
                          {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                           QStringLiteral(SOURCE_DIR "/") + sourceFolder(base), QStringLiteral("-ts"), out});
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);
            QString error;
            m_extracted.insert(base, readCatalogue(out, &error));
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        QVERIFY(!m_extracted.value(QStringLiteral("zellik")).isEmpty());
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("locale");
        for (const char* base : {"zellik", "player"}) {
            for (const char* locale : {"de_DE", "sv_SE", "it_IT", "zh_CN"})
                QTest::addRow("%s_%s", base, locale)
                    << QString::fromLatin1(base) << QString::fromLatin1(locale);
        }
        // The partner edition is Chinese only.
        QTest::newRow("kestrin_zh_CN") << QStringLiteral("kestrin") << QStringLiteral("zh_CN");
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, base);
        QFETCH(QString, locale);
        QString error;
        const QList<Message> committed = readCatalogue(
            QStringLiteral(SOURCE_DIR "/%1/translations/%2_%3.ts").arg(sourceFolder(base), base, locale),
            &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QHash<QString, Message> byKey;
        for (const Message& m : committed)
            byKey.insert(key(m), m);

        QStringList problems;
        for (const Message& wanted : m_extracted.value(base)) {
            const auto it = byKey.constFind(key(wanted));
            if (it == byKey.constEnd()) {
                problems << QStringLiteral("missing: %1 \"%2\"").arg(wanted.context, wanted.source);
                continue;
            }
            if (!it->type.isEmpty()) {
                problems << QStringLiteral("%1: %2 \"%3\"").arg(it->type, wanted.context, wanted.source);
                continue;
            }
            for (const QString& text : it->translations) {
                if (text.trimmed().isEmpty())
                    problems << QStringLiteral("empty: %1 \"%2\"").arg(wanted.context, wanted.source);
                else if (placeholders(text) != placeholders(wanted.source))
                    problems << QStringLiteral("placeholders differ: %1 \"%2\" -> \"%3\"")
                                    .arg(wanted.context, wanted.source, text);
            }
        }
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("run the update_translations target and translate:\n") +
                            problems.join(QLatin1Char('\n'))));
    }

    void theEmbeddedCataloguesLoad_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"de_DE", "sv_SE", "it_IT", "zh_CN"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }

    void theEmbeddedCataloguesLoad()
    {
        QFETCH(QString, locale);
        QTranslator translator;
        QVERIFY2(translator.load(QStringLiteral(":/translations/zellik_%1.qm").arg(locale)),
                 qPrintable(locale));
        QVERIFY(QFile::exists(QStringLiteral(":/translations/player_%1.qm").arg(locale)));
        // A text the lobby shows reads as its catalogue says.
        QString error;
        const QList<Message> committed =
            readCatalogue(QStringLiteral(SOURCE_DIR "/zellik/translations/zellik_%1.ts").arg(locale), &error);
        int checked = 0;
        for (const Message& m : committed) {
            if (m.numerus || !m.type.isEmpty())
                continue;
            QCOMPARE(translator.translate(qPrintable(m.context), qPrintable(m.source),
                                          m.comment.isEmpty() ? nullptr : qPrintable(m.comment)),
                     m.translations.value(0));
            ++checked;
        }
        QVERIFY(checked > 0);

        // The library's own texts come out translated once the catalogue is installed.
        QString pool;
        for (const Message& m : committed) {
            if (m.context == QLatin1String("GameListRows") && m.source == QLatin1String("Pool"))
                pool = m.translations.value(0);
        }
        QVERIFY(!pool.isEmpty());
        QCoreApplication::installTranslator(&translator);
        const QString shown =
            VeskGames::GameListRows::columnTitles(VeskGames::GameListRows::CashGames).value(1);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(shown, pool);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
