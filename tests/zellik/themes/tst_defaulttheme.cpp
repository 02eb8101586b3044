#include "communitytheme.h"
#include "defaulttheme.h"
#include "defaultthemefactory.h"
#include "localresources.h"
#include "sounddevice.h"
#include "soundthread.h"
#include "svgimageitem.h"
#include "svgimagerenderer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

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

using PerSeat = QList<QPointF> (DefaultTheme::*)(int);
using PerSeatAlign = QList<Qt::Alignment> (DefaultTheme::*)(int);

} // namespace

Q_DECLARE_METATYPE(PerSeat)
Q_DECLARE_METATYPE(PerSeatAlign)

class TestDefaultTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
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
        LocalResources::setSearchPaths({p});
        m_theme = std::make_unique<DefaultTheme>(p);
        m_community = std::make_unique<CommunityTheme>();
    }

    void cleanupTestCase()
    {
        m_theme.reset();
        m_community.reset();
    }

    void chips_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("id");
        const double values[] = {0.01, 0.05, 0.25, 1, 5, 25, 100, 500, 1000, 5000, 25000, 100000, 500000};
        const char* ids[] = {"_1c",  "_5c", "_25c", "_1",   "_5",    "_25",  "_100",
                             "_500", "_1k", "_5k",  "_25k", "_100k", "_500k"};
        for (int i = 0; i < 13; ++i)
            QTest::addRow("%s", ids[i]) << i << values[i] << QString::fromLatin1(ids[i]);
    }

    void chips()
    {
        QFETCH(int, index);
        QFETCH(double, value);
        QFETCH(QString, id);
        QCOMPARE(m_theme->numChips(), 13);
        QCOMPARE(m_theme->chipValue(index), value);
        QCOMPARE(m_theme->chipIndex(value), index);
        QCOMPARE(m_theme->chipElementId(index), id);
    }

    void chipLookupMisses()
    {
        QCOMPARE(m_theme->chipIndex(0.02), -1);
        QCOMPARE(m_theme->chipIndex(25000.0001), -1);
        QCOMPARE(m_theme->chipValue(13), 0.0);
        QCOMPARE(m_theme->chipElementId(-1), QString());
    }

    void imageNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QString>("communityName");
        QTest::newRow("0") << 0 << "BG_dialogue.jpg"
                           << "community/bg.jpg";
        QTest::newRow("1") << 1 << "table.png"
                           << "community/bg.jpg";
        QTest::newRow("2") << 2 << ""
                           << "community/card_frame.png";
        QTest::newRow("12 and 13 share") << 13 << "btn_ok.png"
                                         << "btn_ok.png";
        QTest::newRow("15") << 15 << "no_player_avatar.png"
                            << "community/player_box_active.png";
        QTest::newRow("17") << 17 << "timer_deadline.png"
                            << "community/card_frame_glow.png";
        QTest::newRow("20") << 20 << "timer_glow_red.png"
                            << "timer_glow_red.png";
        QTest::newRow("22") << 22 << "dealer_button.png"
                            << "community/d_button.png";
        QTest::newRow("24") << 24 << ""
                            << "community/muck.png";
        QTest::newRow("27") << 27 << ""
                            << "community/winner.png";
        QTest::newRow("34") << 34 << "new_table_button.png"
                            << "new_table_button.png";
        QTest::newRow("out of range") << 35 << ""
                                      << "";
    }

    void imageNames()
    {
        QFETCH(int, type);
        QFETCH(QString, defaultName);
        QFETCH(QString, communityName);
        QCOMPARE(m_theme->imageName(AbstractTheme::ImageType(type)), defaultName);
        QCOMPARE(m_community->imageName(AbstractTheme::ImageType(type)), communityName);
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

    void fixedPoints()
    {
        QCOMPARE(m_theme->itemPosition(AbstractTheme::Position0), QPointF(890, 73));
        QCOMPARE(m_theme->itemPosition(AbstractTheme::Position11), QPointF(32, 536));
        QCOMPARE(m_theme->itemPosition(AbstractTheme::Position13), QPointF(340, 290));
        QCOMPARE(m_theme->itemPosition(AbstractTheme::Position16), QPointF(330, 674));
        QCOMPARE(m_theme->itemOffset(AbstractTheme::Offset1), QPointF(20, 90));
        QCOMPARE(m_theme->itemOffset(AbstractTheme::Offset8), QPointF(100, 0));
        QCOMPARE(m_theme->itemOffset(AbstractTheme::Offset10), QPointF(4, 0));
        QCOMPARE(m_theme->itemSize(AbstractTheme::SizeCardBack), QSize(36, 48));
        QCOMPARE(m_theme->itemSize(AbstractTheme::SizeCommunityCard), QSize(69, 92));
        QCOMPARE(m_community->itemSize(AbstractTheme::SizeHoleCard), QSize(125, 171));
        QCOMPARE(m_community->itemSize(AbstractTheme::SizeCommunityCard), QSize(162, 228));
        QVERIFY(m_theme->itemBoolean(AbstractTheme::BooleanShowChips));
    }

    void perSeatTables_data()
    {
        QTest::addColumn<PerSeat>("table");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("seat");
        QTest::addColumn<QPointF>("point");

        QTest::newRow("seat 1/1") << PerSeat(&DefaultTheme::playerPositions) << 1 << 0 << QPointF(15, 185);
        QTest::newRow("seat 6/3") << PerSeat(&DefaultTheme::playerPositions) << 6 << 3 << QPointF(14, 178);
        QTest::newRow("seat 10/9") << PerSeat(&DefaultTheme::playerPositions) << 10 << 9 << QPointF(555, 1);
        QTest::newRow("stack 9/0") << PerSeat(&DefaultTheme::playerStackPositions) << 9 << 0
                                   << QPointF(680, 200);
        QTest::newRow("stack 10/6") << PerSeat(&DefaultTheme::playerStackPositions) << 10 << 6
                                    << QPointF(137, 173);
        QTest::newRow("dealer 8/5") << PerSeat(&DefaultTheme::dealerButtonPositions) << 8 << 5
                                    << QPointF(278, 90);
        QTest::newRow("dealer 10/5") << PerSeat(&DefaultTheme::dealerButtonPositions) << 10 << 5
                                     << QPointF(123, 356);
        QTest::newRow("insta seat 7/6")
            << PerSeat(&DefaultTheme::playerInstaDealPositions) << 7 << 6 << QPointF(695, 250);
        QTest::newRow("insta seat 10/1")
            << PerSeat(&DefaultTheme::playerInstaDealPositions) << 10 << 1 << QPointF(160, 366);
        QTest::newRow("insta stack 2/0")
            << PerSeat(&DefaultTheme::playerInstaDealStackPositions) << 2 << 0 << QPointF(382, 335);
        QTest::newRow("insta stack 9/8")
            << PerSeat(&DefaultTheme::playerInstaDealStackPositions) << 9 << 8 << QPointF(583, 350);
        QTest::newRow("insta dealer 10/9")
            << PerSeat(&DefaultTheme::dealerButtonInstaDealPositions) << 10 << 9 << QPointF(539, 356);
    }

    void perSeatTables()
    {
        QFETCH(PerSeat, table);
        QFETCH(int, count);
        QFETCH(int, seat);
        QFETCH(QPointF, point);
        const QList<QPointF> points = (m_theme.get()->*table)(count);
        QCOMPARE(points.size(), count);
        QCOMPARE(points.at(seat), point);
    }

    void everyTableHasOneEntryPerSeat()
    {
        for (int count = 1; count <= 10; ++count) {
            const int insta = count == 1 ? 0 : count;
            QCOMPARE(m_theme->playerPositions(count).size(), count);
            QCOMPARE(m_theme->playerStackPositions(count).size(), count);
            QCOMPARE(m_theme->dealerButtonPositions(count).size(), count);
            QCOMPARE(m_theme->playerStackValueTextAlignment(count).size(), count);
            QCOMPARE(m_theme->playerTimerTextAlignment(count).size(), count);
            QCOMPARE(m_theme->playerStackLayout(count).size(), count);
            QCOMPARE(m_theme->playerRotations(count), QList<qreal>(count, 0.0));
            QCOMPARE(m_theme->playerInstaDealPositions(count).size(), insta);
            QCOMPARE(m_theme->playerInstaDealStackPositions(count).size(), insta);
            QCOMPARE(m_theme->dealerButtonInstaDealPositions(count).size(), insta);
            QCOMPARE(m_theme->playerInstaDealStackValueTextAlignment(count).size(), insta);
            QCOMPARE(m_theme->playerInstaDealTimerTextAlignment(count).size(), insta);
            QCOMPARE(m_theme->playerInstaDealStackLayout(count).size(), insta);
            for (const QList<int>& layout : m_theme->playerStackLayout(count))
                QCOMPARE(layout.size(), 3);
        }
    }

    void alignments_data()
    {
        QTest::addColumn<PerSeatAlign>("table");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("letters");
        QTest::newRow("stack 1") << PerSeatAlign(&DefaultTheme::playerStackValueTextAlignment) << 1 << "T";
        QTest::newRow("stack 10") << PerSeatAlign(&DefaultTheme::playerStackValueTextAlignment) << 10
                                  << "BBRRRBBLLL";
        QTest::newRow("timer 9") << PerSeatAlign(&DefaultTheme::playerTimerTextAlignment) << 9 << "TBTTTTBBB";
        QTest::newRow("insta stack 10")
            << PerSeatAlign(&DefaultTheme::playerInstaDealStackValueTextAlignment) << 10 << "RRBBLLLBBR";
        QTest::newRow("insta timer 4")
            << PerSeatAlign(&DefaultTheme::playerInstaDealTimerTextAlignment) << 4 << "BTLT";
    }

    void alignments()
    {
        QFETCH(PerSeatAlign, table);
        QFETCH(int, count);
        QFETCH(QString, letters);
        QString actual;
        for (Qt::Alignment a : (m_theme.get()->*table)(count)) {
            actual += a == Qt::AlignLeft     ? 'L'
                      : a == Qt::AlignRight  ? 'R'
                      : a == Qt::AlignTop    ? 'T'
                      : a == Qt::AlignBottom ? 'B'
                                             : '?';
        }
        QCOMPARE(actual, letters);
        // The numbers plug-ins see.
        QCOMPARE(int(Qt::AlignLeft), 0x1);
        QCOMPARE(int(Qt::AlignBottom), 0x40);
    }

    void chipLayouts()
    {
        QCOMPARE(m_theme->playerStackLayout(4),
                 (QList<QList<int>>{{2, 2, 1}, {1, 1, 0}, {1, 1, 1}, {2, 1, 1}}));
        QCOMPARE(m_theme->playerInstaDealStackLayout(5).at(1), (QList<int>{1, 1, 0}));
        QCOMPARE(m_theme->playerStackLayout(9).at(8), (QList<int>{0, 0, 0}));
    }

    void illegalSeatCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("11") << 11;
        QTest::newRow("0") << 0;
        QTest::newRow("negative") << -3;
    }

    void illegalSeatCounts()
    {
        QFETCH(int, count);
        QTest::ignoreMessage(QtWarningMsg, "Illegal player count");
        QVERIFY(m_theme->playerPositions(count).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "Illegal player count");
        QVERIFY(m_theme->playerInstaDealStackLayout(count).isEmpty());
    }

    void instaDealHasNoSingleSeat()
    {
        // Empty, and no warning: one seat is a legal count.
        QTest::failOnWarning(QRegularExpression(".*"));
        QVERIFY(m_theme->playerInstaDealPositions(1).isEmpty());
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

    void sectionNames()
    {
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioShuffle), QStringLiteral("shuffle"));
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioType(1014)), QStringLiteral("player3"));
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioPlayer10), QStringLiteral("player10"));
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioPotWinner), QStringLiteral("pot_winner"));
        QCOMPARE(DefaultTheme::audioSectionName(AbstractTheme::AudioType(1039)), QString());
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
        QTest::newRow("chips") << 3 << 2048 << "chip_1c";
    }

    void renderers()
    {
        QFETCH(int, which);
        QFETCH(int, kilobytes);
        QFETCH(QString, id);
        VeskGames::SvgImageRenderer* const all[] = {
            m_theme->cardRenderThread(), m_theme->cardOneRenderThread(), m_theme->cardSimpleRenderThread(),
            m_theme->chipRenderThread()};
        VeskGames::SvgImageRenderer* renderer = all[which];
        QVERIFY(renderer);
        for (int i = 0; i < 4; ++i)
            QVERIFY(i == which || all[i] != renderer);
        QCOMPARE(renderer->cacheMaxCost(), qsizetype(kilobytes) * 1024);
        const QImage img = renderedElement(renderer, id, QSize(60, 80));
        QCOMPARE(img.size(), QSize(60, 80));
        // Something opaque in the middle: the document was loaded.
        QCOMPARE(qAlpha(img.pixel(30, 40)), 255);
        if (which == 3) // the prefix's own chip set, not the built-in one
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
    QTemporaryDir m_prefix;
    std::unique_ptr<DefaultTheme> m_theme;
    std::unique_ptr<CommunityTheme> m_community;
};

QTEST_MAIN(TestDefaultTheme)
#include "tst_defaulttheme.moc"
