#ifndef VESKGAMES_DEFAULTTHEME_H
#define VESKGAMES_DEFAULTTHEME_H

#include "abstracttheme.h"
#include "zellik_export.h"

#include <QObject>

namespace VeskGames {

/// The look of the player's own 1024 x 768 table, and the base of every
/// plug-in theme: resources, fonts, style sheet, sounds and chips.
class SoundThread;

class ZELLIK_EXPORT DefaultTheme : public QObject, public AbstractTheme
{
    Q_OBJECT

public:
    /// Takes the resource prefix from the settings key "themeResourcePrefix".
    DefaultTheme();
    explicit DefaultTheme(const QString& resourcePrefix);
    ~DefaultTheme() override;

    QString resourcePrefix() const;

    /// The section of the sounds file that holds \a type, empty if none.
    static QString audioSectionName(AudioType type);
    /// One of the sound files of \a type, picked at random; null if none.
    QString audio(AudioType type) const;

    void switchFont(bool western) override;
    bool isWesternFont() const override;
    QStringList translations() override;
    void setSoundEnabled(bool enabled) override;
    bool isSoundEnabled() const override;
    void playSound(AudioType type, bool override) override;
    void setConfigureForScreenSize(QSize size) override;
    QSize configureForScreenSize() override;
    QString imageName(ImageType type) const override;
    const QImage& image(ImageType type) const override;
    QPointF itemPosition(ItemPosition position) override;
    QPointF itemOffset(ItemOffset offset) override;
    QSize itemSize(ItemSize size) override;
    bool itemBoolean(ItemBoolean value) const override;
    const QFont& font(ItemFont font) const override;
    const QPen& pen(ItemPen pen) const override;
    const QBrush& brush(ItemBrush brush) const override;

    QList<QPointF> playerPositions(int count) override;
    QList<QPointF> playerStackPositions(int count) override;
    QList<Qt::Alignment> playerStackValueTextAlignment(int count) override;
    QList<QList<int>> playerStackLayout(int count) override;
    QList<Qt::Alignment> playerTimerTextAlignment(int count) override;
    QList<QPointF> dealerButtonPositions(int count) override;
    QList<qreal> playerRotations(int count) override;
    QList<QPointF> playerInstaDealPositions(int count) override;
    QList<QPointF> playerInstaDealStackPositions(int count) override;
    QList<Qt::Alignment> playerInstaDealStackValueTextAlignment(int count) override;
    QList<QList<int>> playerInstaDealStackLayout(int count) override;
    QList<Qt::Alignment> playerInstaDealTimerTextAlignment(int count) override;
    QList<QPointF> dealerButtonInstaDealPositions(int count) override;

    int numChips() const override;
    double chipValue(int index) const override;
    int chipIndex(double value) const override;
    QString chipElementId(int index) override;

    AbstractPlayerItem* createPlayerItem() const override;
    AbstractLoginDialogItem* createLoginDialogItem(AbstractPokerTableScene* scene) const override;
    AbstractBuyDialogItem* createBuyDialogItem(const QString& gameId, SliderMode mode,
                                               AbstractPokerTableScene* scene) const override;
    AbstractGameListDialogItem* createGameListDialogItem(Client* client, const QVariantMap& settings,
                                                         AbstractPokerTableScene* scene) const override;
    AbstractGameSceneSideButtons* createGameSceneSideButton() const override;
    SvgImageRenderer* cardRenderThread() const override;
    SvgImageRenderer* cardOneRenderThread() const override;
    SvgImageRenderer* cardSimpleRenderThread() const override;
    SvgImageRenderer* cardFourColourRenderThread() const override;
    SvgImageRenderer* chipRenderThread() const override;

    /// The application style sheet as last installed by switchFont().
    QString styleSheet() const;
    /// The sound player while sound is on, null otherwise.
    SoundThread* soundPlayer() const;

protected:
    /// Makes the sound player when sound is switched on.
    virtual std::unique_ptr<SoundThread> createSoundPlayer();
    /// Lets a derived theme use another file for \a type (relative to "/table/").
    void setImageOverride(ImageType type, const QString& fileName);
    QFont& itemFont(ItemFont font);

private:
    void initialize();
    void readSounds();
    void loadRenderers();

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace VeskGames

#endif
