#include "communitytheme.h"
#include "defaulttheme.h"
#include "defaultthemefactory.h"
#include "localresources.h"
#include "sounddevice.h"
#include "soundthread.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"
#include "themetablerows.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>
#include <memory>

using VeskGames::AbstractTheme;
using VeskGames::CommunityTheme;
using VeskGames::DefaultTheme;
using VeskGames::LocalResources;

namespace {

void writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void writeImage(const QString& path, const QColor& colour, const char* format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, format));
}

// Sound goes nowhere, but the theme's choices are kept.
class RecordingDevice : public VeskGames::SoundDevice
{
public:
    explicit RecordingDevice(QStringList* played) : m_played(played) {}
    bool isFormatSupported(const QAudioFormat&) const override { return true; }
    VeskGames::SoundOutput* createOutput(const QAudioFormat&) override { return new Output(m_played); }

private:
    class Output : public VeskGames::SoundOutput
    {
    public:
        explicit Output(QStringList* played) : m_played(played) {}
        void start(QIODevice* source) override { *m_played << qobject_cast<QFile*>(source)->fileName(); }
        void stop() override {}

    private:
        QStringList* m_played;
    };
    QStringList* m_played;
};

class RecordingTheme : public DefaultTheme
{
public:
    using DefaultTheme::DefaultTheme;
    QStringList played;
    int playersMade = 0;

protected:
    std::unique_ptr<VeskGames::SoundThread> createSoundPlayer() override
    {
        ++playersMade;
        return std::make_unique<VeskGames::SoundThread>(std::make_unique<RecordingDevice>(&played));
    }
};

// Renders one element through \a renderer the way an item on the table asks for it.
QImage renderedElement(VeskGames::SvgImageRenderer* renderer, const QString& id, const QSize& size)
{
    VeskGames::SvgImageItem item;
    item.setElementId(id);
    QObject::connect(&item, &VeskGames::SvgImageItem::renderImage, renderer,
                     &VeskGames::SvgImageRenderer::renderImage);
    emit item.renderImage(&item, size, id);
    if (!QTest::qWaitFor([&] { return !item.pixmap().isNull(); }, 5000))
        return QImage();
    return item.pixmap().toImage();
}

// Themes built on the default one replace pictures this way.
class OverridingTheme : public DefaultTheme
{
public:
    using DefaultTheme::DefaultTheme;
    using DefaultTheme::setImageOverride;
};

// Two installed font files of different families, to stand in for the
// theme's own fonts; empty when the system has none.
QStringList standInFontFiles()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders << QStringLiteral("/usr/share/fonts");
    QStringList files;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.ttf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    std::sort(files.begin(), files.end());
    QStringList picked;
    QString firstFamily;
    for (const QString& file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
        QFontDatabase::removeApplicationFont(id);
        if (family.isEmpty() || family == firstFamily)
            continue;
        picked << file;
        if (picked.size() == 2)
            return picked;
        firstFamily = family;
    }
    return {};
}

QString applicationFontFamily(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    QFontDatabase::removeApplicationFont(id);
    return family;
}

} // namespace

class TestDefaultTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Missing pictures are told in debug messages, which are off unless asked for.
        QLoggingCategory::setFilterRules(QStringLiteral("vesk.resources.debug=true"));
        QVERIFY(m_prefix.isValid());
        const QString p = m_prefix.path();
        // A theme folder laid out like the embedded resources.
        writeImage(p + "/table/table.png", Qt::green, "PNG");
        writeImage(p + "/table/community/bg.jpg", Qt::blue, "JPG");
        writeImage(p + "/table/dealer_button.png", Qt::white, "PNG");
        for (const char* file : {"s1.raw", "s2.raw", "s3.raw", "s4.raw", "s5.raw", "alert.raw", "flop.raw"})
            writeText(p + "/audio/" + file, "pcm");
        // A theme may bring its own chips; it has no decks, so those are the built-in ones.
        writeText(p + "/table/chips.svg", "<svg width=\"20\" height=\"20\" viewBox=\"0 0 20 20\">"
                                          "<rect id=\"chip_1c\" width=\"20\" height=\"20\" fill=\"#00ff00\"/>"
                                          "</svg>");
        writeText(p + "/audio/sounds.ini", "[shuffle]\n"
                                           "1\\file=s1.raw\n2\\file=s2.raw\n3\\file=s3.raw\n"
                                           "4\\file=s4.raw\n5\\file=s5.raw\nsize=5\n"
                                           "[alert10sec]\n1\\file=alert.raw\nsize=1\n"
                                           "[alert5sec]\n1\\file=alert.raw\nsize=1\n"
                                           "[flop]\n1\\file=missing.raw\n2\\file=flop.raw\nsize=2\n"
                                           "[turn]\nsize=0\n"
                                           "[river]\n1\\file=missing.raw\nsize=1\n"
                                           "[three of a kind]\n1\\file=s1.raw\nsize=1\n");
        writeText(
            p + "/table/stylesheet.css",
            "QLabel { font-family: HARDCODED_FONT; background: url(\"RESOURCE_PATH/table/table.png\"); }\n"
            "QPushButton { font-family: \"HARDCODED_FONT\"; image: url(\"RESOURCE_PATH/table/none.png\"); "
            "}\n");
        // The theme's two application fonts, played by installed fonts of different families.
        QVERIFY2(!themeTables().isEmpty(), "the theme table data file is missing or unreadable");
        const QStringList fontFiles = standInFontFiles();
        if (fontFiles.size() == 2) {
            const QJsonObject fonts = tableValue("fonts").toObject();
            const QString western = p + fonts.value(QLatin1String("westernFile")).toString();
            const QString chinese = p + fonts.value(QLatin1String("chineseFile")).toString();
            QDir().mkpath(QFileInfo(western).absolutePath());
            QVERIFY(QFile::copy(fontFiles.at(0), western));
            QVERIFY(QFile::copy(fontFiles.at(1), chinese));
            m_westernFamily = applicationFontFamily(western);
            m_chineseFamily = applicationFontFamily(chinese);
            QVERIFY(!m_westernFamily.isEmpty() && m_westernFamily != m_chineseFamily);
        }
        LocalResources::setSearchPaths({p});
        m_theme = std::make_unique<DefaultTheme>(p);
        m_community = std::make_unique<CommunityTheme>();
    }

    void cleanupTestCase()
    {
        m_theme.reset();
        m_community.reset();
    }

    void tableFileIsComplete()
    {
        // Every per-seat table of the interface is in the file, with counts 1 to 10.
        const struct
        {
            const char* group;
            QStringList names;
        } groups[] = {{"perSeatPoints", tableNames(kPointTables)},
                      {"perSeatAlignments", tableNames(kAlignmentTables)},
                      {"perSeatStackLayouts", tableNames(kStackLayoutTables)},
                      {"perSeatRotations", tableNames(kRotationTables)}};
        const QList<int> allCounts{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        for (const auto& group : groups) {
            const QJsonObject tables = tableValue(group.group).toObject();
            QStringList names = group.names;
            names.sort();
            QCOMPARE(tables.keys(), names);
            for (const QString& name : names)
                QCOMPARE(seatCounts(tables.value(name).toObject()), allCounts);
        }
        // The fixed tables have one entry per enumeration value.
        QCOMPARE(tableValue("itemPositions").toArray().size(), int(AbstractTheme::ItemPositionCount));
        QCOMPARE(tableValue("itemOffsets").toArray().size(), int(AbstractTheme::ItemOffsetCount));
        for (const char* theme : {"DefaultTheme", "CommunityTheme"})
            QCOMPARE(tableValue("itemSizes")[QLatin1String(theme)].toArray().size(),
                     int(AbstractTheme::ItemSizeCount));
        QCOMPARE(tableValue("imageNames").toArray().size(), int(AbstractTheme::ImageTypeCount));
        for (int i = 0; i < AbstractTheme::ImageTypeCount; ++i)
            QCOMPARE(tableValue("imageNames")[i]["type"].toInt(-1), i);
        QCOMPARE(tableValue("chips").toArray().size(), m_theme->numChips());
    }

    void fixedPoints_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPointF>("expected");
        for (const char* table : {"itemPositions", "itemOffsets"}) {
            const QJsonArray points = tableValue(table).toArray();
            for (int i = 0; i < points.size(); ++i)
                QTest::addRow("%s %d", table, i)
                    << QString::fromLatin1(table) << i << jsonPoint(points.at(i));
        }
    }

    void fixedPoints()
    {
        QFETCH(QString, table);
        QFETCH(int, index);
        QFETCH(QPointF, expected);
        const QPointF actual = table == QLatin1String("itemPositions")
                                   ? m_theme->itemPosition(AbstractTheme::ItemPosition(index))
                                   : m_theme->itemOffset(AbstractTheme::ItemOffset(index));
        QCOMPARE(actual, expected);
    }

    void itemSizes_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("expected");
        const QJsonObject themes = tableValue("itemSizes").toObject();
        for (const char* theme : {"DefaultTheme", "CommunityTheme"}) {
            const QJsonArray sizes = themes.value(QLatin1String(theme)).toArray();
            for (int i = 0; i < sizes.size(); ++i)
                QTest::addRow("%s %d", theme, i) << QString::fromLatin1(theme) << i << jsonSize(sizes.at(i));
        }
    }

    void itemSizes()
    {
        QFETCH(QString, theme);
        QFETCH(int, index);
        QFETCH(QSize, expected);
        QCOMPARE(themeNamed(theme)->itemSize(AbstractTheme::ItemSize(index)), expected);
    }

    void itemBooleans_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("expected");
        const QJsonValue everyValue = tableValue("itemBooleans")["everyValue"];
        QVERIFY(everyValue.isBool());
        for (const char* theme : {"DefaultTheme", "CommunityTheme"}) {
            for (int i = 0; i < AbstractTheme::ItemBooleanCount; ++i)
                QTest::addRow("%s %d", theme, i) << QString::fromLatin1(theme) << i << everyValue.toBool();
        }
    }

    void itemBooleans()
    {
        QFETCH(QString, theme);
        QFETCH(int, value);
        QFETCH(bool, expected);
        QCOMPARE(themeNamed(theme)->itemBoolean(AbstractTheme::ItemBoolean(value)), expected);
    }

    void imageNames_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected");
        for (const char* theme : {"DefaultTheme", "CommunityTheme"}) {
            for (const QJsonValue& row : tableValue("imageNames").toArray()) {
                const int type = row["type"].toInt(-1);
                QTest::addRow("%s %d", theme, type)
                    << QString::fromLatin1(theme) << type << row[QLatin1String(theme)].toString();
            }
            QTest::addRow("%s out of range", theme)
                << QString::fromLatin1(theme) << int(AbstractTheme::ImageTypeCount) << QString();
        }
    }

    void imageNames()
    {
        QFETCH(QString, theme);
        QFETCH(int, type);
        QFETCH(QString, expected);
        QCOMPARE(themeNamed(theme)->imageName(AbstractTheme::ImageType(type)), expected);
    }

    void audioSections_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("section");
        for (const QJsonValue& row : tableValue("audioSections").toArray()) {
            const int type = row["type"].toInt(-1);
            QTest::addRow("%d", type) << type << row["section"].toString();
        }
    }

    void audioSections()
    {
        QFETCH(int, type);
        QFETCH(QString, section);
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioType(type)), section);
    }

    void unlistedAudioTypesHaveNoSection()
    {
        QSet<int> listed;
        for (const QJsonValue& row : tableValue("audioSections").toArray())
            listed.insert(row["type"].toInt(-1));
        QVERIFY(!listed.isEmpty());
        for (int type = -1; type <= 2000; ++type) {
            if (!listed.contains(type))
                QVERIFY2(DefaultTheme::audioSectionName(AbstractTheme::AudioType(type)).isEmpty(),
                         qPrintable(QString::number(type)));
        }
    }

    void chips_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("id");
        for (const QJsonValue& row : tableValue("chips").toArray()) {
            const int index = row["index"].toInt(-1);
            QTest::addRow("%d", index) << index << row["value"].toDouble(-1) << row["id"].toString();
        }
    }

    void chips()
    {
        QFETCH(int, index);
        QFETCH(double, value);
        QFETCH(QString, id);
        QCOMPARE(m_theme->chipValue(index), value);
        QCOMPARE(m_theme->chipIndex(value), index);
        QCOMPARE(m_theme->chipElementId(index), id);
    }

    void seatPoints_data() { addSeatRows<QPointF>("perSeatPoints", &pointsOf); }
    void seatPoints() { checkSeatRow<QPointF>(m_theme.get(), kPointTables); }

    void seatAlignments_data() { addSeatRows<int>("perSeatAlignments", &alignmentsOf); }
    void seatAlignments() { checkSeatRow<int>(m_theme.get(), kAlignmentTables); }

    void seatStackLayouts_data() { addSeatRows<QList<int>>("perSeatStackLayouts", &stackLayoutsOf); }
    void seatStackLayouts() { checkSeatRow<QList<int>>(m_theme.get(), kStackLayoutTables); }

    void seatRotations_data() { addSeatRows<qreal>("perSeatRotations", &rotationsOf); }
    void seatRotations() { checkSeatRow<qreal>(m_theme.get(), kRotationTables); }

    void fonts_data()
    {
        QTest::addColumn<int>("font");
        for (int i = 0; i < AbstractTheme::ItemFontCount; ++i)
            QTest::addRow("Font%d", i) << i;
    }

    void fonts()
    {
        QFETCH(int, font);
        QVERIFY(m_theme->isWesternFont());
        const QFont western = m_theme->font(AbstractTheme::ItemFont(font));
        m_theme->switchFont(false);
        const QFont chinese = m_theme->font(AbstractTheme::ItemFont(font));
        m_theme->switchFont(true);

        const QList<int> sizes{western.pixelSize(), chinese.pixelSize()};
        QVERIFY2(fontPixelSizes().contains(sizes),
                 qPrintable(QStringLiteral("%1/%2 px").arg(sizes.at(0)).arg(sizes.at(1))));
        if (m_westernFamily.isEmpty())
            QSKIP("no installed font files to stand in for the theme's fonts");
        QCOMPARE(western.family(), m_westernFamily);
        QCOMPARE(chinese.family(), m_chineseFamily);
    }

    void everyFontSizeIsInUse()
    {
        QSet<QList<int>> used;
        for (int i = 0; i < AbstractTheme::ItemFontCount; ++i) {
            const int western = m_theme->font(AbstractTheme::ItemFont(i)).pixelSize();
            m_theme->switchFont(false);
            used.insert({western, m_theme->font(AbstractTheme::ItemFont(i)).pixelSize()});
            m_theme->switchFont(true);
        }
        for (const QList<int>& sizes : fontPixelSizes())
            QVERIFY2(used.contains(sizes),
                     qPrintable(QStringLiteral("%1/%2 px").arg(sizes.at(0)).arg(sizes.at(1))));
    }

    void chipLookupMisses()
    {
        QCOMPARE(m_theme->chipIndex(0.02), -1);
        QCOMPARE(m_theme->chipIndex(25000.0001), -1);
        QCOMPARE(m_theme->chipValue(13), 0.0);
        QCOMPARE(m_theme->chipElementId(-1), QString());
    }

    void imagesLoadThroughTheResourceSearch()
    {
        const QImage& table = m_theme->image(AbstractTheme::ImageTableBackground);
        QCOMPARE(table.format(), QImage::Format_ARGB32);
        QCOMPARE(table.pixelColor(0, 0), QColor(Qt::green));
        // Loaded once, then kept.
        QCOMPARE(&m_theme->image(AbstractTheme::ImageTableBackground), &table);

        const QImage& community = m_community->image(AbstractTheme::ImageTableBackground);
        QVERIFY(!community.isNull());
        QVERIFY(community.pixelColor(2, 2).blue() > 200);

        // Shared pictures come from the default file.
        QCOMPARE(m_community->image(AbstractTheme::ImageYouIcon).isNull(), true);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("did not find resource"));
        QVERIFY(m_theme->image(AbstractTheme::ImageErrorIcon).isNull());
        QVERIFY(m_theme->image(AbstractTheme::ImageCardFrame).isNull());
    }

    void aSharpCopyIsPreferred()
    {
        DefaultTheme theme(m_prefix.path());
        const QString name = theme.imageName(AbstractTheme::ImageOkButton);
        const QString base = m_prefix.path() + "/table/" + name.section('.', 0, -2);
        QImage plain(10, 6, QImage::Format_RGB32);
        plain.fill(Qt::red);
        QImage sharp(20, 12, QImage::Format_RGB32);
        sharp.fill(Qt::blue);
        QVERIFY(plain.save(base + ".png") && sharp.save(base + "@2x.png"));
        const QImage& image = theme.image(AbstractTheme::ImageOkButton);
        QCOMPARE(image.size(), QSize(20, 12));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.deviceIndependentSize(), QSizeF(10, 6));
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        // Without one, the plain picture at its own density.
        const QImage& table = theme.image(AbstractTheme::ImageTableBackground);
        QCOMPARE(table.devicePixelRatio(), 1.0);
        QVERIFY(QFile::remove(base + ".png") && QFile::remove(base + "@2x.png"));
    }

    void missingImagesAreRememberedUntilTheResourcesChange()
    {
        QTemporaryDir later;
        QVERIFY(later.isValid());
        DefaultTheme theme(m_prefix.path());
        static QStringList messages;
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
        for (int frame = 0; frame < 50; ++frame)
            QVERIFY(theme.image(AbstractTheme::ImageErrorIcon).isNull());
        const QStringList afterFrames = messages;
        // A picture that appears in a new search path is found once the paths change.
        const QString name = theme.imageName(AbstractTheme::ImageErrorIcon);
        QVERIFY(!name.isEmpty());
        writeImage(later.path() + "/table/" + name, Qt::red, "PNG");
        QVERIFY(theme.image(AbstractTheme::ImageErrorIcon).isNull()); // still remembered as missing
        LocalResources::setSearchPaths({m_prefix.path(), later.path()});
        const QImage found = theme.image(AbstractTheme::ImageErrorIcon);
        LocalResources::setSearchPaths({m_prefix.path()});
        qInstallMessageHandler(previous);

        QCOMPARE(afterFrames.filter("did not find resource").size(), 1);
        QCOMPARE(afterFrames.filter(name).size(), 2); // the search's line and the theme's warning
        QVERIFY(!found.isNull());
        QCOMPARE(found.pixelColor(0, 0), QColor(Qt::red));
    }

    void imageOverrides_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("first type") << 0 << true;
        QTest::newRow("last type") << int(AbstractTheme::ImageTypeCount) - 1 << true;
        QTest::newRow("one past the end") << int(AbstractTheme::ImageTypeCount) << false;
        QTest::newRow("far past the end") << 100000 << false;
        QTest::newRow("negative") << -1 << false;
    }

    void imageOverrides()
    {
        QFETCH(int, type);
        QFETCH(bool, accepted);
        OverridingTheme theme(m_prefix.path());
        QList<QString> before;
        for (int i = 0; i < AbstractTheme::ImageTypeCount; ++i)
            before << theme.imageName(AbstractTheme::ImageType(i));
        if (!accepted)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setImageOverride: no image type"));
        theme.setImageOverride(AbstractTheme::ImageType(type), QStringLiteral("table.png"));
        for (int i = 0; i < AbstractTheme::ImageTypeCount; ++i) {
            const QString expected = accepted && i == type ? QStringLiteral("table.png") : before.at(i);
            QCOMPARE(theme.imageName(AbstractTheme::ImageType(i)), expected);
        }
        if (accepted)
            QCOMPARE(theme.image(AbstractTheme::ImageType(type)).pixelColor(0, 0), QColor(Qt::green));
    }

    void communitySpread_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("expected");
        QTest::newRow("single centred") << 0 << 1 << 100 << 1280 << 590;
        QTest::newRow("third of five") << 2 << 5 << 162 << 1280 << 2 * 162 + 3 * ((1280 - 5 * 162) / 6);
        QTest::newRow("integer division") << 1 << 3 << 10 << 101 << 2 * ((101 - 30) / 4) + 10;
    }

    void communitySpread()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(int, size);
        QFETCH(int, total);
        QFETCH(int, expected);
        QCOMPARE(CommunityTheme::spreadPosition(index, count, size, total), expected);
    }

    void soundsFile_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("files");
        const QString a = m_prefix.path() + "/audio/";
        QTest::newRow("one file") << 1000 << QStringList{a + "alert.raw"};
        QTest::newRow("five variants")
            << 101 << QStringList{a + "s1.raw", a + "s2.raw", a + "s3.raw", a + "s4.raw", a + "s5.raw"};
        QTest::newRow("missing files skipped") << 210 << QStringList{a + "flop.raw"};
        QTest::newRow("section with spaces") << 1010 << QStringList{a + "s1.raw"};
        QTest::newRow("size zero") << 220 << QStringList();
        QTest::newRow("all missing") << 230 << QStringList();
        QTest::newRow("no section") << 300 << QStringList();
    }

    void soundsFile()
    {
        QFETCH(int, type);
        QFETCH(QStringList, files);
        QSet<QString> picked;
        for (int i = 0; i < 200; ++i)
            picked.insert(m_theme->audio(AbstractTheme::AudioType(type)));
        if (files.isEmpty()) {
            QCOMPARE(picked, QSet<QString>{QString()});
            QVERIFY(m_theme->audio(AbstractTheme::AudioType(type)).isNull());
        } else {
            // 200 draws from five files miss one with odds of about 1e-19.
            QCOMPARE(picked, QSet<QString>(files.begin(), files.end()));
        }
    }

    void soundSwitch()
    {
        DefaultTheme theme(m_prefix.path());
        QVERIFY(!theme.isSoundEnabled());
        theme.playSound(AbstractTheme::AudioShuffle, false); // silent, no failure
        theme.setSoundEnabled(true);
        QVERIFY(theme.isSoundEnabled());
        theme.setSoundEnabled(false);
        QVERIFY(!theme.isSoundEnabled());
    }

    void soundGoesThroughTheSoundPlayer()
    {
        RecordingTheme theme(m_prefix.path());
        theme.playSound(AbstractTheme::AudioAlert10Sec, false); // off: nothing made, nothing played
        QCOMPARE(theme.playersMade, 0);
        theme.setSoundEnabled(true);
        theme.setSoundEnabled(true); // already on: the same player
        QCOMPARE(theme.playersMade, 1);
        QVERIFY(theme.soundPlayer());

        theme.playSound(AbstractTheme::AudioAlert10Sec, false);
        QCOMPARE(theme.played, QStringList{m_prefix.path() + "/audio/alert.raw"});
        theme.playSound(AbstractTheme::AudioFlop, false); // still playing: dropped
        QCOMPARE(theme.played.size(), 1);
        theme.playSound(AbstractTheme::AudioFlop, true);
        QCOMPARE(theme.played.last(), m_prefix.path() + "/audio/flop.raw");
        theme.playSound(AbstractTheme::AudioShowdown, true); // no file: the flop plays on
        QCOMPARE(theme.played.size(), 2);
        QCOMPARE(theme.soundPlayer()->currentFile(), m_prefix.path() + "/audio/flop.raw");

        theme.setSoundEnabled(false);
        QVERIFY(!theme.soundPlayer());
        theme.playSound(AbstractTheme::AudioFlop, true);
        QCOMPARE(theme.played.size(), 2);
        theme.setSoundEnabled(true);
        QCOMPARE(theme.playersMade, 2);
        theme.playSound(AbstractTheme::AudioShuffle, false);
        QVERIFY(theme.played.last().contains(QRegularExpression("/audio/s[1-5]\\.raw$")));
    }

    void renderers_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("kilobytes");
        QTest::addColumn<QString>("id");
        QTest::newRow("cards") << 0 << 4096 << "Ace_Spades";
        QTest::newRow("one number cards") << 1 << 4096 << "_x31_0_Hearts";
        QTest::newRow("simple cards") << 2 << 4096 << "Card_Back";
        QTest::newRow("four colour cards") << 3 << 4096 << "Queen_Diamonds";
        QTest::newRow("chips") << 4 << 2048 << "chip_1c";
    }

    void renderers()
    {
        QFETCH(int, which);
        QFETCH(int, kilobytes);
        QFETCH(QString, id);
        VeskGames::SvgImageRenderer* const all[] = {
            m_theme->cardRenderThread(), m_theme->cardOneRenderThread(), m_theme->cardSimpleRenderThread(),
            m_theme->cardFourColourRenderThread(), m_theme->chipRenderThread()};
        VeskGames::SvgImageRenderer* renderer = all[which];
        QVERIFY(renderer);
        for (int i = 0; i < int(std::size(all)); ++i)
            QVERIFY(i == which || all[i] != renderer);
        QCOMPARE(renderer->cacheMaxCost(), qsizetype(kilobytes) * 1024);
        const QImage img = renderedElement(renderer, id, QSize(60, 80));
        QCOMPARE(img.size(), QSize(60, 80));
        // Something opaque in the middle: the document was loaded.
        QCOMPARE(qAlpha(img.pixel(30, 40)), 255);
        if (which == 4) // the prefix's own chip set, not the built-in one
            QCOMPARE(img.pixelColor(30, 40), QColor(Qt::green));
    }

    void styleSheet()
    {
        const QString css = m_theme->styleSheet();
        const QString family = m_theme->font(AbstractTheme::Font0).family();
        QVERIFY(!css.contains("HARDCODED_FONT"));
        QVERIFY(css.contains("font-family: " + family + ";"));
        QVERIFY(css.contains("url(\"" + m_prefix.path() + "/table/table.png\")"));
        // A file that is not there leaves an empty url, not the marker.
        QVERIFY(css.contains("url(\"\")"));
        QVERIFY(!css.contains("RESOURCE_PATH"));
        QCOMPARE(qApp->styleSheet(), css);
    }

    void fontSizes()
    {
        DefaultTheme theme(m_prefix.path());
        QVERIFY(theme.isWesternFont());
        const int western = theme.font(AbstractTheme::Font0).pixelSize();
        theme.switchFont(false);
        QVERIFY(!theme.isWesternFont());
        QVERIFY(theme.font(AbstractTheme::Font0).pixelSize() > western);
        for (int i = 0; i < AbstractTheme::ItemFontCount; ++i)
            QVERIFY(theme.font(AbstractTheme::ItemFont(i)).pixelSize() > 0);
        QVERIFY(m_community->font(AbstractTheme::Font0).pixelSize() > western);
    }

    void factoryAndDefaults()
    {
        VeskGames::DefaultThemeFactory factory;
        QCOMPARE(factory.availableThemes(), QStringList({"DefaultTheme", "CommunityTheme"}));
        std::unique_ptr<AbstractTheme> community(factory.createTheme("CommunityTheme"));
        QVERIFY(dynamic_cast<CommunityTheme*>(community.get()));
        std::unique_ptr<AbstractTheme> plain(factory.createTheme("DefaultTheme"));
        QVERIFY(plain && !dynamic_cast<CommunityTheme*>(plain.get()));
        QVERIFY(!factory.createTheme("KestrinTheme"));
        QCOMPARE(plain->translations(), QStringList({"player", "zellik"}));
        QVERIFY(plain->defaultSettings().isEmpty());
        QCOMPARE(plain->configureForScreenSize(), QSize(-1, -1));
        plain->setConfigureForScreenSize(QSize(1280, 720));
        QCOMPARE(plain->configureForScreenSize(), QSize(1280, 720));
    }

private:
    AbstractTheme* themeNamed(const QString& name) const
    {
        if (name == QLatin1String("CommunityTheme"))
            return m_community.get();
        return m_theme.get();
    }

    // The pixel sizes (western, Chinese) that an item font may have.
    static QList<QList<int>> fontPixelSizes()
    {
        const QJsonObject fonts = tableValue("fonts").toObject();
        QList<QList<int>> sizes;
        for (const QJsonValue& pair : fonts.value(QLatin1String("pixelSizePairs")).toArray())
            sizes << QList<int>{pair[0].toInt(-1), pair[1].toInt(-1)};
        for (const QJsonValue& size : fonts.value(QLatin1String("sharedPixelSizes")).toArray())
            sizes << QList<int>{size.toInt(-1), size.toInt(-1)};
        return sizes;
    }

    QTemporaryDir m_prefix;
    QString m_westernFamily;
    QString m_chineseFamily;
    std::unique_ptr<DefaultTheme> m_theme;
    std::unique_ptr<CommunityTheme> m_community;
};

QTEST_MAIN(TestDefaultTheme)
#include "tst_defaulttheme.moc"
