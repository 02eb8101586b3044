#ifndef VESKGAMES_ABSTRACTTHEME_H
#define VESKGAMES_ABSTRACTTHEME_H

#include "zellik_export.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace VeskGames {

class AbstractBuyDialogItem;
class AbstractGameListDialogItem;
class AbstractGameSceneSideButtons;
class AbstractLoginDialogItem;
class InfoDialogItem;
class AbstractPlayerItem;
class AbstractPokerTableScene;
class Client;
class SvgImageRenderer;

/// Everything that differs between one look of the table and another.
/// The numeric values of the enumerations are shared with theme plug-ins
/// and must never change.
class ZELLIK_EXPORT AbstractTheme
{
public:
    enum ImageType {
        ImageDialogBackground = 0,
        ImageTableBackground = 1,
        ImageCardFrame = 2,
        ImageBigButton = 3,
        ImageBigButtonDown = 4,
        ImageSideButton = 5,
        ImageSideButtonDown = 6,
        ImageSmallButton = 7,
        ImageSmallButtonDown = 8,
        ImageSmallestButton = 9,
        ImageSmallestButtonDown = 10,
        ImageCancelButton = 11,
        ImageOkButton = 12,
        ImageOkButtonDown = 13,
        ImageSitDownButton = 14,
        ImageNoPlayerAvatar = 15,
        ImagePlayerAvatar = 16,
        ImageTimerDeadline = 17,
        ImageTimerTrack = 18,
        ImageTimerGlow = 19,
        ImageTimerGlowRed = 20,
        ImageErrorIcon = 21,
        ImageDealerButton = 22,
        ImageYouIcon = 23,
        ImageActionMuck = 24,
        ImageActionCall = 25,
        ImageActionBet = 26,
        ImageActionWinner = 27,
        ImagePlusButton = 28,
        ImagePlusButtonDown = 29,
        ImageMinusButton = 30,
        ImageMinusButtonDown = 31,
        ImageBiggerButton = 32,
        ImageBiggerButtonDown = 33,
        ImageNewTableButton = 34,
        ImageTypeCount = 35
    };

    /// 101, 210, 220, 230 and 300 double as the server's hand-status codes.
    enum AudioType {
        AudioShuffle = 101,
        AudioFlop = 210,
        AudioTurn = 220,
        AudioRiver = 230,
        AudioShowdown = 300,
        AudioAlert10Sec = 1000,
        AudioFlush = 1001,
        AudioFullHouse = 1002,
        AudioRoyalStraightFlush = 1003,
        AudioStraightFlush = 1004,
        AudioStraight = 1005,
        AudioFourOfAKind = 1006,
        AudioHighCard = 1007,
        AudioNoPair = 1008,
        AudioOnePair = 1009,
        AudioThreeOfAKind = 1010,
        AudioTwoPairs = 1011,
        AudioPlayer1 = 1012, ///< up to AudioPlayer1 + 9 for "player10"
        AudioPlayer10 = 1021,
        AudioAllIn = 1022,
        AudioBet = 1023,
        AudioBets = 1024,
        AudioCall = 1025,
        AudioCalls = 1026,
        AudioCheck = 1027,
        AudioChecks = 1028,
        AudioFold = 1029,
        AudioFolds = 1030,
        AudioIsAllIn = 1031,
        AudioItsYourTurn = 1032,
        AudioMuck = 1033,
        AudioMucks = 1034,
        AudioRaise = 1035,
        AudioRaises = 1036,
        AudioShow = 1037,
        AudioShows = 1038,
        AudioWinsWith = 1040,
        AudioWins = 1041,
        AudioButtonPressed = 1042,
        AudioButtonReleased = 1043,
        AudioSliderValueChanged = 1044,
        AudioLobbyClicked = 1045,
        AudioTimeWarning = 1046,
        AudioBetAction = 1047,
        AudioCallAction = 1048,
        AudioCheckAction = 1049,
        AudioFoldAction = 1050,
        AudioRaiseAction = 1051,
        AudioDealCard = 1052,
        AudioDealCards = 1053,
        AudioPotWinner = 1054
    };

    /// Fixed points of the table design, by what stands there (the values
    /// index the theme's table of points).
    enum ItemPosition {
        PositionSideButton2 = 0, ///< the side buttons at the right edge, counted from the top
        PositionSideButton4 = 1,
        PositionSideButton3 = 2,
        PositionSideButton5 = 3,
        PositionSideButton6 = 4,
        PositionSideButton1 = 5,
        PositionHandName = 6, ///< the name of the player's best hand
        PositionFoldButton = 7,
        PositionCheckCallButton = 8,
        PositionBetRaiseButton = 9,
        Position10 = 10,        ///< in the design's table, used by no scene
        PositionHoleCards = 11, ///< the local player's hole cards
        PositionBoard = 12,     ///< the first community card
        PositionMainPot = 13,
        PositionSidePot = 14,
        Position15 = 15, ///< in the design's table, used by no scene
        PositionThinClientBetter = 16,
        ItemPositionCount
    };

    /// Fixed steps of the table design; those no scene uses keep their number.
    enum ItemOffset {
        Offset0 = 0,
        OffsetBetChips = 1,  ///< from a seat's position to where its bet chips start
        OffsetDealStart = 2, ///< from the dealer button to where dealt cards start
        OffsetHoleCard = 3,  ///< between two cards of one hand
        Offset4 = 4,
        Offset5 = 5,
        Offset6 = 6,
        Offset7 = 7,
        Offset8 = 8,
        Offset9 = 9,
        OffsetBoardGap = 10, ///< the gap between community cards
        ItemOffsetCount
    };

    enum ItemSize {
        SizeCardBack = 0, ///< a face-down card
        SizeHoleCard = 1, ///< a face-up hole card
        SizeCommunityCard = 2,
        ItemSizeCount
    };

    /// BooleanBetPresets: room for the pot-sized bet buttons beside the bet chooser.
    enum ItemBoolean { BooleanShowChips = 0, BooleanBetPresets, ItemBooleanCount };

    enum ItemFont {
        Font0 = 0,
        Font1,
        Font2,
        Font3,
        Font4,
        Font5,
        Font6,
        Font7,
        Font8,
        Font9,
        Font10,
        Font11,
        Font12,
        Font13,
        Font14,
        Font15,
        ItemFontCount
    };

    enum ItemPen {
        Pen0 = 0,
        Pen1,
        Pen2,
        Pen3,
        Pen4,
        Pen5,
        Pen6,
        Pen7,
        Pen8,
        Pen9,
        Pen10,
        Pen11,
        Pen12,
        ItemPenCount
    };

    enum ItemBrush {
        Brush0 = 0,
        Brush1,
        Brush2,
        Brush3,
        Brush4,
        Brush5,
        Brush6,
        Brush7,
        Brush8,
        Brush9,
        Brush10,
        Brush11,
        Brush12,
        Brush13,
        Brush14,
        ItemBrushCount
    };

    /// How the buy-in dialog lets the player choose an amount.
    enum SliderMode { SliderPlain = 0, SliderKiosk = 1, SliderThinClient = 2 };

    virtual ~AbstractTheme();

    virtual void switchFont(bool western) = 0;
    virtual bool isWesternFont() const = 0;
    virtual QStringList translations() = 0;
    virtual QVariantMap defaultSettings();
    virtual void setSoundEnabled(bool enabled) = 0;
    virtual bool isSoundEnabled() const = 0;
    virtual void playSound(AudioType type, bool override) = 0;
    virtual void setConfigureForScreenSize(QSize size) = 0;
    virtual QSize configureForScreenSize() = 0;
    virtual QString imageName(ImageType type) const = 0;
    virtual const QImage& image(ImageType type) const = 0;
    virtual QPointF itemPosition(ItemPosition position) = 0;
    virtual QPointF itemOffset(ItemOffset offset) = 0;
    virtual QSize itemSize(ItemSize size) = 0;
    virtual bool itemBoolean(ItemBoolean value) const = 0;
    virtual const QFont& font(ItemFont font) const = 0;
    virtual const QPen& pen(ItemPen pen) const = 0;
    virtual const QBrush& brush(ItemBrush brush) const = 0;

    virtual QList<QPointF> playerPositions(int count) = 0;
    virtual QList<QPointF> playerStackPositions(int count) = 0;
    virtual QList<Qt::Alignment> playerStackValueTextAlignment(int count) = 0;
    virtual QList<QList<int>> playerStackLayout(int count) = 0;
    virtual QList<Qt::Alignment> playerTimerTextAlignment(int count) = 0;
    virtual QList<QPointF> dealerButtonPositions(int count) = 0;
    virtual QList<qreal> playerRotations(int count) = 0;

    virtual QList<QPointF> playerInstaDealPositions(int count) = 0;
    virtual QList<QPointF> playerInstaDealStackPositions(int count) = 0;
    virtual QList<Qt::Alignment> playerInstaDealStackValueTextAlignment(int count) = 0;
    virtual QList<QList<int>> playerInstaDealStackLayout(int count) = 0;
    virtual QList<Qt::Alignment> playerInstaDealTimerTextAlignment(int count) = 0;
    virtual QList<QPointF> dealerButtonInstaDealPositions(int count) = 0;

    virtual int numChips() const = 0;
    virtual double chipValue(int index) const = 0;
    virtual int chipIndex(double value) const = 0;
    virtual QString chipElementId(int index) = 0;

    virtual AbstractPlayerItem* createPlayerItem() const = 0;
    virtual AbstractLoginDialogItem* createLoginDialogItem(AbstractPokerTableScene* scene) const = 0;
    /// A message box in this theme's look; not yet in a scene.
    virtual InfoDialogItem* createInfoDialog() const;
    virtual AbstractBuyDialogItem* createBuyDialogItem(const QString& gameId, SliderMode mode,
                                                       AbstractPokerTableScene* scene) const = 0;
    virtual AbstractGameListDialogItem* createGameListDialogItem(Client* client, const QVariantMap& settings,
                                                                 AbstractPokerTableScene* scene) const = 0;
    virtual AbstractGameSceneSideButtons* createGameSceneSideButton() const = 0;
    virtual SvgImageRenderer* cardRenderThread() const = 0;
    virtual SvgImageRenderer* cardOneRenderThread() const = 0;
    virtual SvgImageRenderer* cardSimpleRenderThread() const = 0;
    /// The one-number faces with diamonds blue and clubs green.
    virtual SvgImageRenderer* cardFourColourRenderThread() const = 0;
    virtual SvgImageRenderer* chipRenderThread() const = 0;
};

} // namespace VeskGames

#endif
