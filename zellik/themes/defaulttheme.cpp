#include "defaulttheme.h"
#include "zelliklogging.h"

#include "abstractpokertablescene.h"
#include "buydialogitem.h"
#include "gamelistdialogitem.h"
#include "gamescenesidebuttons.h"
#include "lobbysidebuttons.h"
#include "logindialogitem.h"
#include "playeritem.h"

#include "defaultthemelayout.h"
#include "localresources.h"
#include "soundthread.h"
#include "svgimagerenderer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>

#include <array>
#include <cstdlib>
#include <iterator>

namespace VeskGames {

namespace {

using Layout = DefaultThemeLayout::Layout;

struct AudioSection
{
    AbstractTheme::AudioType type;
    const char* name;
};

constexpr AudioSection kAudioSections[] = {
    {AbstractTheme::AudioShuffle, "shuffle"},
    {AbstractTheme::AudioFlop, "flop"},
    {AbstractTheme::AudioTurn, "turn"},
    {AbstractTheme::AudioRiver, "river"},
    {AbstractTheme::AudioShowdown, "showdown"},
    {AbstractTheme::AudioAlert10Sec, "alert10sec"},
    {AbstractTheme::AudioFlush, "flush"},
    {AbstractTheme::AudioFullHouse, "full house"},
    {AbstractTheme::AudioRoyalStraightFlush, "royal straight flush"},
    {AbstractTheme::AudioStraightFlush, "straight flush"},
    {AbstractTheme::AudioStraight, "straight"},
    {AbstractTheme::AudioFourOfAKind, "four of a kind"},
    {AbstractTheme::AudioHighCard, "high card"},
    {AbstractTheme::AudioNoPair, "no pair"},
    {AbstractTheme::AudioOnePair, "one pair"},
    {AbstractTheme::AudioThreeOfAKind, "three of a kind"},
    {AbstractTheme::AudioTwoPairs, "two pairs"},
    {AbstractTheme::AudioType(1012), "player1"},
    {AbstractTheme::AudioType(1013), "player2"},
    {AbstractTheme::AudioType(1014), "player3"},
    {AbstractTheme::AudioType(1015), "player4"},
    {AbstractTheme::AudioType(1016), "player5"},
    {AbstractTheme::AudioType(1017), "player6"},
    {AbstractTheme::AudioType(1018), "player7"},
    {AbstractTheme::AudioType(1019), "player8"},
    {AbstractTheme::AudioType(1020), "player9"},
    {AbstractTheme::AudioType(1021), "player10"},
    {AbstractTheme::AudioAllIn, "all in"},
    {AbstractTheme::AudioBet, "bet"},
    {AbstractTheme::AudioBets, "bets"},
    {AbstractTheme::AudioCall, "call"},
    {AbstractTheme::AudioCalls, "calls"},
    {AbstractTheme::AudioCheck, "check"},
    {AbstractTheme::AudioChecks, "checks"},
    {AbstractTheme::AudioFold, "fold"},
    {AbstractTheme::AudioFolds, "folds"},
    {AbstractTheme::AudioIsAllIn, "is all in"},
    {AbstractTheme::AudioItsYourTurn, "its your turn"},
    {AbstractTheme::AudioMuck, "muck"},
    {AbstractTheme::AudioMucks, "mucks"},
    {AbstractTheme::AudioRaise, "raise"},
    {AbstractTheme::AudioRaises, "raises"},
    {AbstractTheme::AudioShow, "show"},
    {AbstractTheme::AudioShows, "shows"},
    {AbstractTheme::AudioWinsWith, "wins with"},
    {AbstractTheme::AudioWins, "wins"},
    {AbstractTheme::AudioButtonPressed, "button_pressed"},
    {AbstractTheme::AudioButtonReleased, "button_released"},
    {AbstractTheme::AudioSliderValueChanged, "slider_value_changed"},
    {AbstractTheme::AudioLobbyClicked, "lobby_clicked"},
    {AbstractTheme::AudioTimeWarning, "time_warning"},
    {AbstractTheme::AudioBetAction, "bet_action"},
    {AbstractTheme::AudioCallAction, "call_action"},
    {AbstractTheme::AudioCheckAction, "check_action"},
    {AbstractTheme::AudioFoldAction, "fold_action"},
    {AbstractTheme::AudioRaiseAction, "raise_action"},
    {AbstractTheme::AudioDealCard, "deal_card"},
    {AbstractTheme::AudioDealCards, "deal_cards"},
    {AbstractTheme::AudioPotWinner, "pot_winner"},
};

constexpr const char* kImageNames[AbstractTheme::ImageTypeCount] = {
    "BG_dialogue.jpg",
    "table.png",
    nullptr,
    "big_button.png",
    "big_button_down.png",
    "side_button.png",
    "side_button_down.png",
    "small_button.png",
    "small_button_down.png",
    "smallest_button.png",
    "smallest_button_down.png",
    "btn_cancel.png",
    "btn_ok.png",
    "btn_ok.png",
    "btnSitDown.png",
    "no_player_avatar.png",
    "player_avatar.png",
    "timer_deadline.png",
    "timer_track.png",
    "timer_glow.png",
    "timer_glow_red.png",
    "icn_error.png",
    "dealer_button.png",
    "icon_YOU.png",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "plus_button_up.png",
    "plus_button_down.png",
    "minus_button_up.png",
    "minus_button_down.png",
    "bigger_button.png",
    "bigger_button_down.png",
    "new_table_button.png",
};

struct Chip
{
    double value;
    const char* id;
};

constexpr Chip kChips[] = {
    {0.01, "_1c"},   {0.05, "_5c"},     {0.25, "_25c"},    {1, "_1"},     {5, "_5"},
    {25, "_25"},     {100, "_100"},     {500, "_500"},     {1000, "_1k"}, {5000, "_5k"},
    {25000, "_25k"}, {100000, "_100k"}, {500000, "_500k"},
};
constexpr int kChipCount = int(sizeof(kChips) / sizeof(kChips[0]));

constexpr QPointF kItemPositions[AbstractTheme::ItemPositionCount] = {
    {890, 73},  {890, 253}, {890, 163}, {890, 343}, {890, 433}, {890, 10},
    {32, 490},  {376, 567}, {530, 567}, {734, 567}, {924, 683}, {32, 536},
    {243, 180}, {340, 290}, {508, 290}, {861, 674}, {330, 674},
};

constexpr QPointF kItemOffsets[AbstractTheme::ItemOffsetCount] = {
    {0, 65}, {20, 90}, {0, 68}, {20, 20}, {4, 0}, {20, 90}, {20, 90}, {30, 65}, {100, 0}, {20, 20}, {4, 0},
};

constexpr QSize kItemSizes[AbstractTheme::ItemSizeCount] = {{36, 48}, {60, 80}, {69, 92}};

// Pixel sizes of the item fonts: {western, Chinese}. The Chinese face needs
// the larger size to stay readable.
// Amounts on the felt (fonts 7, 10 and 11) stay small enough to sit beside
// their chips without reaching the next pile.
constexpr std::array<std::array<int, 2>, AbstractTheme::ItemFontCount> kFontSizes = {{
    {16, 23},
    {22, 25},
    {14, 20},
    {12, 18},
    {13, 20},
    {12, 17},
    {17, 17},
    {14, 20},
    {13, 13},
    {16, 23},
    {12, 17},
    {13, 20},
    {12, 18},
    {13, 20},
    {14, 20},
    {25, 25},
}};

// The card decks and the chip set, in the order of the renderers.
const char* const kSvgFiles[] = {"/table/cards.svg", "/table/cards_one_number.svg", "/table/cards_simple.svg",
                                 "/table/cards_four_colour.svg", "/table/chips.svg"};
// KiB of cached pixels per renderer: a deck is drawn at more sizes than the chips.
constexpr int kSvgCacheKilobytes[] = {4096, 4096, 4096, 4096, 2048};
enum Renderer {
    CardRenderer,
    CardOneRenderer,
    CardSimpleRenderer,
    CardFourColourRenderer,
    ChipRenderer,
    RendererCount
};
static_assert(std::size(kSvgFiles) == RendererCount && std::size(kSvgCacheKilobytes) == RendererCount);

const QString kWesternFontFile = QStringLiteral("/fonts/vesk-sans.ttf");
// A theme may bring its own Chinese font; the built-in one takes the system's.
const QString kChineseFontFile = QStringLiteral("/fonts/vesk-cjk.ttf");

// A font of tens of megabytes is not embedded: fontconfig finds an installed one.
QString systemChineseFamily()
{
    const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const char* preferred : {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
                                  "Source Han Sans SC", "Droid Sans Fallback", "AR PL UMing CN"}) {
        if (installed.contains(QLatin1String(preferred)))
            return QLatin1String(preferred);
    }
    return installed.value(0);
}

} // namespace

class DefaultTheme::Private
{
public:
    QString resourcePrefix;
    QSize screenSize{-1, -1};
    std::array<QImage, ImageTypeCount> images;
    /// Resource generation in which an image was missing (0: not missed).
    std::array<quint64, ImageTypeCount> missedIn{};
    QHash<int, QString> imageOverrides;
    QHash<int, QStringList> audioFiles;
    int westernFontId = -1;
    int chineseFontId = -1;
    bool westernFont = true;
    std::array<QFont, ItemFontCount> fonts;
    std::array<QPen, ItemPenCount> pens;
    std::array<QBrush, ItemBrushCount> brushes;
    QString styleSheet;
    std::unique_ptr<SoundThread> sound;
    std::array<std::unique_ptr<SvgImageRenderer>, RendererCount> renderers;

    void initPensAndBrushes()
    {
        const QColor white(Qt::white);
        const QColor gold(0xf2, 0xc9, 0x4c);
        const QColor shadow(0, 0, 0, 160);
        pens.fill(QPen(Qt::NoPen));
        pens[0] = QPen(shadow, 1.0);
        pens[5] = QPen(QColor(0x40, 0x20, 0x00), 1.5);
        pens[10] = QPen(shadow, 1.0);
        pens[11] = QPen(QColor(0, 0, 0, 200), 0.8);
        brushes.fill(QBrush(white));
        brushes[3] = QBrush(gold);
        brushes[11] = QBrush(white);
        brushes[14] = QBrush(white);
    }
};

DefaultTheme::DefaultTheme() : d(std::make_unique<Private>())
{
    d->resourcePrefix =
        QSettings().value(QStringLiteral("themeResourcePrefix"), QStringLiteral(":")).toString();
    initialize();
}

DefaultTheme::DefaultTheme(const QString& resourcePrefix) : d(std::make_unique<Private>())
{
    d->resourcePrefix = resourcePrefix;
    initialize();
}

DefaultTheme::~DefaultTheme()
{
    if (d->westernFontId >= 0)
        QFontDatabase::removeApplicationFont(d->westernFontId);
    if (d->chineseFontId >= 0)
        QFontDatabase::removeApplicationFont(d->chineseFontId);
}

void DefaultTheme::initialize()
{
    // Style sheets and rich text name files as "images:...".
    QDir::setSearchPaths(QStringLiteral("images"), {d->resourcePrefix});
    if (QFile::exists(d->resourcePrefix + kWesternFontFile))
        d->westernFontId = QFontDatabase::addApplicationFont(d->resourcePrefix + kWesternFontFile);
    if (QFile::exists(d->resourcePrefix + kChineseFontFile))
        d->chineseFontId = QFontDatabase::addApplicationFont(d->resourcePrefix + kChineseFontFile);
    d->initPensAndBrushes();
    readSounds();
    switchFont(true);
    loadRenderers();
}

void DefaultTheme::loadRenderers()
{
    for (int i = 0; i < RendererCount; ++i) {
        d->renderers[size_t(i)] = std::make_unique<SvgImageRenderer>(kSvgCacheKilobytes[i]);
        // A theme with a prefix of its own may bring no decks: it gets the built-in ones.
        QString file = d->resourcePrefix + QLatin1String(kSvgFiles[i]);
        if (!QFile::exists(file))
            file = QLatin1Char(':') + QLatin1String(kSvgFiles[i]);
        d->renderers[size_t(i)]->load(file);
    }
}

QString DefaultTheme::resourcePrefix() const
{
    return d->resourcePrefix;
}

QString DefaultTheme::audioSectionName(AudioType type)
{
    for (const AudioSection& section : kAudioSections) {
        if (section.type == type)
            return QString::fromLatin1(section.name);
    }
    return QString();
}

void DefaultTheme::readSounds()
{
    d->audioFiles.clear();
    const QString path = d->resourcePrefix + QStringLiteral("/audio/sounds.ini");
    if (!QFile::exists(path))
        return;
    QSettings sounds(path, QSettings::IniFormat);
    for (const AudioSection& section : kAudioSections) {
        const int size = sounds.beginReadArray(QString::fromLatin1(section.name));
        QStringList files;
        for (int i = 0; i < size; ++i) {
            sounds.setArrayIndex(i);
            const QString file = sounds.value(QStringLiteral("file")).toString();
            const QString found = LocalResources::resourcePath(QStringLiteral("/audio/") + file,
                                                               QMetaType::fromType<QString>());
            if (!found.isEmpty())
                files.append(found);
        }
        sounds.endArray();
        if (!files.isEmpty())
            d->audioFiles.insert(section.type, files);
    }
}

QString DefaultTheme::audio(AudioType type) const
{
    const QStringList files = d->audioFiles.value(type);
    if (files.isEmpty())
        return QString();
    return files.at(std::rand() % files.size());
}

void DefaultTheme::switchFont(bool western)
{
    d->westernFont = western;
    const int id = western ? d->westernFontId : d->chineseFontId;
    QString family = id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QString();
    if (family.isEmpty() && !western)
        family = systemChineseFamily();
    if (family.isEmpty())
        family = QFont().family();

    QFile css(d->resourcePrefix + QStringLiteral("/table/stylesheet.css"));
    if (css.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(css.readAll());
        text.replace(QStringLiteral("HARDCODED_FONT"), family);
        static const QRegularExpression resourceUrl(
            QStringLiteral("url\\(\"(RESOURCE_PATH([\\w/\\.]+))\"\\)"));
        qsizetype from = 0;
        QRegularExpressionMatch match;
        while ((match = resourceUrl.match(text, from)).hasMatch()) {
            const QString resolved =
                LocalResources::resourcePath(match.captured(2), QMetaType::fromType<QString>());
            text.replace(match.capturedStart(1), match.capturedLength(1), resolved);
            from = match.capturedStart(1) + resolved.size();
        }
        d->styleSheet = text;
        if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
            app->setStyleSheet(text);
    }

    for (int i = 0; i < ItemFontCount; ++i) {
        QFont f(family);
        f.setPixelSize(kFontSizes[size_t(i)][western ? 0 : 1]);
        d->fonts[size_t(i)] = f;
    }
}

bool DefaultTheme::isWesternFont() const
{
    return d->westernFont;
}

QStringList DefaultTheme::translations()
{
    return {QStringLiteral("player"), QStringLiteral("zellik")};
}

void DefaultTheme::setSoundEnabled(bool enabled)
{
    if (!enabled)
        d->sound.reset();
    else if (!d->sound)
        d->sound = createSoundPlayer();
}

bool DefaultTheme::isSoundEnabled() const
{
    return d->sound != nullptr;
}

SoundThread* DefaultTheme::soundPlayer() const
{
    return d->sound.get();
}

std::unique_ptr<SoundThread> DefaultTheme::createSoundPlayer()
{
    return std::make_unique<SoundThread>();
}

void DefaultTheme::playSound(AudioType type, bool override)
{
    if (!d->sound)
        return;
    const QString file = audio(type);
    if (!file.isEmpty())
        d->sound->playSound(file, override);
}

void DefaultTheme::setConfigureForScreenSize(QSize size)
{
    d->screenSize = size;
}

QSize DefaultTheme::configureForScreenSize()
{
    return d->screenSize;
}

QString DefaultTheme::imageName(ImageType type) const
{
    if (type < 0 || type >= ImageTypeCount)
        return QString();
    const auto override = d->imageOverrides.constFind(type);
    if (override != d->imageOverrides.constEnd())
        return override.value();
    const char* name = kImageNames[type];
    return name ? QString::fromLatin1(name) : QString();
}

const QImage& DefaultTheme::image(ImageType type) const
{
    static const QImage none;
    if (type < 0 || type >= ImageTypeCount)
        return none;
    QImage& cached = d->images[size_t(type)];
    if (!cached.isNull())
        return cached;
    // Items ask in paint(): a missing picture must not be searched for on every frame.
    quint64& missedIn = d->missedIn[size_t(type)];
    const quint64 generation = LocalResources::generation();
    if (missedIn == generation)
        return cached;
    const QString name = imageName(type);
    if (!name.isEmpty()) {
        const QString path =
            LocalResources::resourcePath(QStringLiteral("/table/") + name, QMetaType::fromType<QString>());
        if (!path.isEmpty()) {
            // A picture drawn at twice the size beside it keeps high-density screens sharp.
            const QFileInfo info(path);
            const QString sharp = info.path() + QLatin1Char('/') + info.completeBaseName() +
                                  QStringLiteral("@2x.") + info.suffix();
            if (QFile::exists(sharp)) {
                cached = QImage(sharp).convertToFormat(QImage::Format_ARGB32);
                cached.setDevicePixelRatio(2);
            }
            if (cached.isNull())
                cached = QImage(path).convertToFormat(QImage::Format_ARGB32);
        }
    }
    if (cached.isNull()) {
        if (!name.isEmpty())
            qCWarning(lcTheme, "DefaultTheme: image %d \"%s\" is missing or unreadable", int(type),
                      qPrintable(name));
        missedIn = generation;
    }
    return cached;
}

QPointF DefaultTheme::itemPosition(ItemPosition position)
{
    if (position < 0 || position >= ItemPositionCount)
        return QPointF();
    return kItemPositions[position];
}

QPointF DefaultTheme::itemOffset(ItemOffset offset)
{
    if (offset < 0 || offset >= ItemOffsetCount)
        return QPointF();
    return kItemOffsets[offset];
}

QSize DefaultTheme::itemSize(ItemSize size)
{
    if (size < 0 || size >= ItemSizeCount)
        return QSize();
    return kItemSizes[size];
}

bool DefaultTheme::itemBoolean(ItemBoolean) const
{
    return true;
}

const QFont& DefaultTheme::font(ItemFont font) const
{
    static const QFont none;
    if (font < 0 || font >= ItemFontCount)
        return none;
    return d->fonts[size_t(font)];
}

QFont& DefaultTheme::itemFont(ItemFont font)
{
    return d->fonts[size_t(qBound(0, int(font), ItemFontCount - 1))];
}

const QPen& DefaultTheme::pen(ItemPen pen) const
{
    static const QPen none;
    if (pen < 0 || pen >= ItemPenCount)
        return none;
    return d->pens[size_t(pen)];
}

const QBrush& DefaultTheme::brush(ItemBrush brush) const
{
    static const QBrush none;
    if (brush < 0 || brush >= ItemBrushCount)
        return none;
    return d->brushes[size_t(brush)];
}

QList<QPointF> DefaultTheme::playerPositions(int count)
{
    return DefaultThemeLayout::seatPositions(Layout::Normal, count);
}

QList<QPointF> DefaultTheme::playerStackPositions(int count)
{
    return DefaultThemeLayout::stackPositions(Layout::Normal, count);
}

QList<Qt::Alignment> DefaultTheme::playerStackValueTextAlignment(int count)
{
    return DefaultThemeLayout::stackTextAlignment(Layout::Normal, count);
}

QList<QList<int>> DefaultTheme::playerStackLayout(int count)
{
    return DefaultThemeLayout::stackLayout(Layout::Normal, count);
}

QList<Qt::Alignment> DefaultTheme::playerTimerTextAlignment(int count)
{
    return DefaultThemeLayout::timerTextAlignment(Layout::Normal, count);
}

QList<QPointF> DefaultTheme::dealerButtonPositions(int count)
{
    return DefaultThemeLayout::dealerButtonPositions(Layout::Normal, count);
}

QList<qreal> DefaultTheme::playerRotations(int count)
{
    // No seat of the default table is turned.
    return QList<qreal>(DefaultThemeLayout::seatPositions(Layout::Normal, count).size(), 0.0);
}

QList<QPointF> DefaultTheme::playerInstaDealPositions(int count)
{
    return DefaultThemeLayout::seatPositions(Layout::InstaDeal, count);
}

QList<QPointF> DefaultTheme::playerInstaDealStackPositions(int count)
{
    return DefaultThemeLayout::stackPositions(Layout::InstaDeal, count);
}

QList<Qt::Alignment> DefaultTheme::playerInstaDealStackValueTextAlignment(int count)
{
    return DefaultThemeLayout::stackTextAlignment(Layout::InstaDeal, count);
}

QList<QList<int>> DefaultTheme::playerInstaDealStackLayout(int count)
{
    return DefaultThemeLayout::stackLayout(Layout::InstaDeal, count);
}

QList<Qt::Alignment> DefaultTheme::playerInstaDealTimerTextAlignment(int count)
{
    return DefaultThemeLayout::timerTextAlignment(Layout::InstaDeal, count);
}

QList<QPointF> DefaultTheme::dealerButtonInstaDealPositions(int count)
{
    return DefaultThemeLayout::dealerButtonPositions(Layout::InstaDeal, count);
}

int DefaultTheme::numChips() const
{
    return kChipCount;
}

double DefaultTheme::chipValue(int index) const
{
    if (index < 0 || index >= kChipCount)
        return 0.0;
    return kChips[index].value;
}

int DefaultTheme::chipIndex(double value) const
{
    for (int i = 0; i < kChipCount; ++i) {
        if (kChips[i].value == value)
            return i;
    }
    return -1;
}

QString DefaultTheme::chipElementId(int index)
{
    if (index < 0 || index >= kChipCount)
        return QString();
    return QString::fromLatin1(kChips[index].id);
}

// The seat item and the dialogs belong to the seat and dialog layers; until
// those are built the theme makes none of them.
AbstractPlayerItem* DefaultTheme::createPlayerItem() const
{
    // The clock's pictures are shared by every seat.
    PlayerItemBase::setTimerDeadlineImage(image(ImageTimerDeadline));
    PlayerItemBase::setTimerTrackImage(image(ImageTimerTrack));
    PlayerItemBase::setTimerGlowImage(image(ImageTimerGlow));
    PlayerItemBase::setTimerGlowRedImage(image(ImageTimerGlowRed));
    auto* seat = new PlayerItem;
    seat->setSeatImage(image(ImagePlayerAvatar));
    seat->setAvailableImage(image(ImageNoPlayerAvatar));
    seat->setYOUImage(image(ImageYouIcon));
    const struct
    {
        PlayerItemBase::SubItem item;
        ItemFont font;
        ItemPen pen;
        ItemBrush brush;
    } looks[] = {{PlayerItemBase::SubItemName, Font2, Pen1, Brush0},
                 {PlayerItemBase::SubItemStack, Font4, Pen1, Brush3},
                 {PlayerItemBase::SubItemAction, Font2, Pen1, Brush0},
                 {PlayerItemBase::SubItemAvailable, Font5, Pen1, Brush0},
                 {PlayerItemBase::SubItemTimer, Font2, Pen1, Brush11}};
    for (const auto& look : looks) {
        seat->setSubItemFont(look.item, font(look.font));
        seat->setSubItemPen(look.item, pen(look.pen));
        seat->setSubItemBrush(look.item, brush(look.brush));
    }
    seat->setTheme(const_cast<DefaultTheme*>(this));
    return seat;
}

AbstractLoginDialogItem* DefaultTheme::createLoginDialogItem(AbstractPokerTableScene*) const
{
    // The caller puts it in its scene; the look comes from us.
    auto* dialog = new LoginDialogItem;
    dialog->setTheme(const_cast<DefaultTheme*>(this));
    return dialog;
}

AbstractBuyDialogItem* DefaultTheme::createBuyDialogItem(const QString& gameId, SliderMode mode,
                                                         AbstractPokerTableScene* scene) const
{
    auto* theme = const_cast<DefaultTheme*>(this);
    auto* dialog = new BuyDialogItem(gameId, mode, chipRenderThread(), theme);
    if (scene) {
        scene->addItem(dialog);
        dialog->centerDialog();
    }
    return dialog;
}

AbstractGameListDialogItem* DefaultTheme::createGameListDialogItem(Client* client,
                                                                   const QVariantMap& settings,
                                                                   AbstractPokerTableScene* scene) const
{
    auto* dialog = new GameListDialogItem(settings);
    dialog->setTheme(const_cast<DefaultTheme*>(this));
    dialog->setClient(client);
    if (scene) {
        scene->addItem(dialog);
        // The side buttons belong to the lobby: they go when it goes.
        auto* buttons = new LobbySideButtons(scene, const_cast<DefaultTheme*>(this), dialog);
        dialog->setSideButtons(buttons);
        dialog->placeInScene();
    }
    return dialog;
}

AbstractGameSceneSideButtons* DefaultTheme::createGameSceneSideButton() const
{
    // Made without a scene: the table puts the set in its own with setScene().
    return new GameSceneSideButtons(nullptr, const_cast<DefaultTheme*>(this));
}

SvgImageRenderer* DefaultTheme::cardRenderThread() const
{
    return d->renderers[CardRenderer].get();
}

SvgImageRenderer* DefaultTheme::cardOneRenderThread() const
{
    return d->renderers[CardOneRenderer].get();
}

SvgImageRenderer* DefaultTheme::cardSimpleRenderThread() const
{
    return d->renderers[CardSimpleRenderer].get();
}

SvgImageRenderer* DefaultTheme::cardFourColourRenderThread() const
{
    return d->renderers[CardFourColourRenderer].get();
}

SvgImageRenderer* DefaultTheme::chipRenderThread() const
{
    return d->renderers[ChipRenderer].get();
}

QString DefaultTheme::styleSheet() const
{
    return d->styleSheet;
}

void DefaultTheme::setImageOverride(ImageType type, const QString& fileName)
{
    if (type < 0 || type >= ImageTypeCount) {
        qCWarning(lcTheme, "DefaultTheme::setImageOverride: no image type %d", int(type));
        return;
    }
    d->imageOverrides.insert(type, fileName);
    d->images[size_t(type)] = QImage();
    d->missedIn[size_t(type)] = 0;
}

} // namespace VeskGames
