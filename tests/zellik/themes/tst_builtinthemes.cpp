// The look that ships inside the library: every picture, sound and font the
// two built-in themes name is really there and fits together.
#include "communitytheme.h"
#include "defaulttheme.h"
#include "localresources.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QImageReader>
#include <QTest>

using namespace VeskGames;

namespace {

QString family(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QString name = QFontDatabase::applicationFontFamilies(id).value(0);
    QFontDatabase::removeApplicationFont(id);
    return name;
}

} // namespace

class TestBuiltInThemes : public QObject
{
    Q_OBJECT

    std::unique_ptr<DefaultTheme> m_default;
    std::unique_ptr<CommunityTheme> m_community;

private Q_SLOTS:
    void initTestCase()
    {
        LocalResources::setSearchPaths({QStringLiteral(":")});
        m_default = std::make_unique<DefaultTheme>();
        m_community = std::make_unique<CommunityTheme>();
    }

    void cleanupTestCase()
    {
        m_default.reset();
        m_community.reset();
    }

    void everyNamedPictureIsThere_data()
    {
        QTest::addColumn<bool>("community");
        QTest::addColumn<int>("type");
        for (bool community : {false, true}) {
            for (int type = 0; type < AbstractTheme::ImageTypeCount; ++type)
                QTest::addRow("%s %d", community ? "community" : "default", type) << community << type;
        }
    }

    void everyNamedPictureIsThere()
    {
        QFETCH(bool, community);
        QFETCH(int, type);
        DefaultTheme* theme = community ? m_community.get() : m_default.get();
        const QString name = theme->imageName(AbstractTheme::ImageType(type));
        if (name.isEmpty())
            QSKIP("this theme has no picture of this kind");
        const QImage& image = theme->image(AbstractTheme::ImageType(type));
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        const QString path = QStringLiteral(":/table/") + name;
        const QSize plain = QImageReader(path).size();
        // The sharp copy is exactly twice the plain one, so layouts never jump.
        const QString sharp = path.section(QLatin1Char('.'), 0, -2) + QStringLiteral("@2x.") +
                              path.section(QLatin1Char('.'), -1);
        if (QFile::exists(sharp)) {
            QCOMPARE(QImageReader(sharp).size(), plain * 2);
            QCOMPARE(image.devicePixelRatio(), 2.0);
        }
        QCOMPARE(image.deviceIndependentSize().toSize(), plain);
    }

    void theTablesHaveTheirDesignSizes()
    {
        QCOMPARE(m_default->image(AbstractTheme::ImageTableBackground).deviceIndependentSize().toSize(),
                 QSize(1024, 768));
        QCOMPARE(m_community->image(AbstractTheme::ImageTableBackground).deviceIndependentSize().toSize(),
                 QSize(1280, 720));
        QVERIFY(m_community->image(AbstractTheme::ImageTableBackground) !=
                m_default->image(AbstractTheme::ImageTableBackground));
    }

    void lobbyIconsAndProgressFrames()
    {
        for (const char* icon : {"running", "unregistered", "registered", "stopped", "full"}) {
            const QString path = QStringLiteral(":/lobby/icon_%1.png").arg(QLatin1String(icon));
            QCOMPARE(QImageReader(path).size(), QSize(32, 32));
        }
        QSize frame;
        for (int i = 1; i <= 8; ++i) {
            const QString path = QStringLiteral(":/progress/p%1.png").arg(i, 3, 10, QLatin1Char('0'));
            const QSize size = QImageReader(path).size();
            QVERIFY2(size.isValid(), qPrintable(path));
            QVERIFY(!frame.isValid() || frame == size);
            frame = size;
        }
    }

    void everySoundSectionPlays()
    {
        const QList<int> types{101,  210,  220,  230,  300,  1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007,
                               1008, 1009, 1010, 1011, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030,
                               1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1040, 1041, 1042, 1043, 1044,
                               1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054};
        QStringList silent;
        for (int type : types) {
            const QString file = m_default->audio(AbstractTheme::AudioType(type));
            if (file.isEmpty() || !QFile::exists(file))
                silent << DefaultTheme::audioSectionName(AbstractTheme::AudioType(type));
        }
        for (int seat = 1012; seat <= 1021; ++seat) {
            if (m_default->audio(AbstractTheme::AudioType(seat)).isEmpty())
                silent << DefaultTheme::audioSectionName(AbstractTheme::AudioType(seat));
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
        // The shuffle has variants, and the choice goes round them.
        QSet<QString> shuffles;
        for (int i = 0; i < 400; ++i)
            shuffles.insert(m_default->audio(AbstractTheme::AudioType(101)));
        QVERIFY2(shuffles.size() >= 3, qPrintable(QString::number(shuffles.size())));
    }

    void theStyleSheetIsFilledIn()
    {
        const QString css = m_default->styleSheet();
        QVERIFY(!css.isEmpty());
        QVERIFY(!css.contains(QLatin1String("HARDCODED_FONT")));
        QVERIFY(!css.contains(QLatin1String("RESOURCE_PATH")));
        QVERIFY(css.contains(m_default->font(AbstractTheme::Font0).family()));
        QCOMPARE(qApp->styleSheet(), css);
    }

    // Our own western font, and for Chinese a font the system has.
    void builtInFonts()
    {
        QVERIFY(QFile::exists(QStringLiteral(":/fonts/vesk-sans.ttf")));
        QVERIFY(m_default->isWesternFont());
        const QString western = m_default->font(AbstractTheme::Font0).family();
        QCOMPARE(western, family(QStringLiteral(":/fonts/vesk-sans.ttf")));
        m_default->switchFont(false);
        const QString chinese = m_default->font(AbstractTheme::Font0).family();
        m_default->switchFont(true);
        QCOMPARE(m_default->font(AbstractTheme::Font0).family(), western);
        if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
            QSKIP("no Chinese font installed");
        QVERIFY2(QFontDatabase::writingSystems(chinese).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(chinese));
    }
};

QTEST_MAIN(TestBuiltInThemes)
#include "tst_builtinthemes.moc"
