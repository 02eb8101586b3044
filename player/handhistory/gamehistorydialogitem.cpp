#include "gamehistorydialogitem.h"

#include "abstracttheme.h"
#include "dialogbuttonboxitem.h"
#include "handhistoryrenderer.h"
#include "labelitem.h"
#include "pushbuttonitem.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>

namespace VeskGames {

namespace {

const char* const separator = "<table width=\"100%\"><tr><td><hr /></td></tr></table>";
const QString kReplayScheme = QStringLiteral("replay");

} // namespace

class GameHistoryDialogItem::Private
{
public:
    LabelItem* title = nullptr;
    QTextBrowser* edit = nullptr;
    QGraphicsProxyWidget* proxy = nullptr;
    LabelItem* status = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    PushButtonItem* save = nullptr;
    PushButtonItem* copy = nullptr;
    QList<QStringList> hands;
    /// The records of the hands shown, for their replays.
    QStringList records;
    QString problem;
    QString tableName;
};

GameHistoryDialogItem::GameHistoryDialogItem(QGraphicsItem* parent)
    : ThemedDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("GameHistoryDialog"));
    d->title = createTitle(tr("Hand History"));
    d->title->setObjectName(QStringLiteral("title_label"));
    d->title->setOutlinedText(true);
    d->title->setPen(Qt::NoPen);

    d->edit = new QTextBrowser;
    d->edit->setObjectName(QStringLiteral("hhTextEdit"));
    d->edit->setReadOnly(true);
    // A hand's "Replay" link opens its replay; nothing else is followed.
    d->edit->setOpenLinks(false);
    connect(d->edit, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == kReplayScheme)
            replayHand(url.path().toInt());
    });
    d->edit->setAcceptRichText(true);
    d->edit->setPlainText(tr("Loading..."));
    d->edit->setFixedSize(620, 420);
    d->edit->setStyleSheet(
        QStringLiteral("QTextEdit { color: #202020; background: #fbfbf8; border: 1px solid #b0b0a8; }"));
    d->proxy = new QGraphicsProxyWidget(this);
    d->proxy->setWidget(d->edit);

    d->status = new LabelItem(this);
    d->status->setThemeFlags(NoThemeFlags);
    d->status->setBrush(QColor(0x60, 0x30, 0x20));
    d->status->setFixedHeight(20);

    d->buttons = new DialogButtonBoxItem(this);
    d->copy = d->buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    d->save = d->buttons->addButton(tr("Save..."), QDialogButtonBox::ActionRole);
    setupButton(d->copy, false);
    setupButton(d->save, false);
    PushButtonItem* close = d->buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    setupButton(close, true);
    setEscapeButton(close);
    connect(d->copy, &PushButtonItem::clicked, this, &GameHistoryDialogItem::slotCopy);
    connect(d->save, &PushButtonItem::clicked, this, &GameHistoryDialogItem::slotSave);
    d->copy->setEnabled(false);
    d->save->setEnabled(false);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(10);
    layout->addItem(d->title);
    layout->addItem(d->proxy);
    layout->addItem(d->status);
    layout->addItem(d->buttons);
}

GameHistoryDialogItem::~GameHistoryDialogItem() = default;

void GameHistoryDialogItem::setTheme(AbstractTheme* theme)
{
    ThemedDialogItem::setTheme(theme);
    if (theme)
        d->edit->setFont(theme->font(AbstractTheme::Font14));
}

void GameHistoryDialogItem::setTableName(const QString& name)
{
    d->tableName = name;
}

QTextEdit* GameHistoryDialogItem::textEdit() const
{
    return d->edit;
}

PushButtonItem* GameHistoryDialogItem::saveButton() const
{
    return d->save;
}

PushButtonItem* GameHistoryDialogItem::copyButton() const
{
    return d->copy;
}

QList<QStringList> GameHistoryDialogItem::hands() const
{
    return d->hands;
}

QString GameHistoryDialogItem::problem() const
{
    return d->problem;
}

void GameHistoryDialogItem::slotGameHistoryEvent(const QList<QVariant>& records)
{
    d->edit->clear();
    QStringList texts;
    texts.reserve(records.size());
    for (const QVariant& record : records)
        texts.append(record.toString());

    HandHistoryRenderer renderer;
    renderer.setShowDisplayName(true);
    renderer.setDisplayServiceFee(
        QCoreApplication::instance()->property("inifeaturedisplayservicefee").toBool());
    const HandHistoryRenderer::Result result = renderer.render(texts);
    d->hands = result.hands;
    d->records = texts.mid(0, d->hands.size());
    d->problem = result.error;

    QTextCursor cursor(d->edit->document());
    for (qsizetype i = 0; i < d->hands.size(); ++i) {
        const QStringList& hand = d->hands.at(i);
        if (!d->edit->document()->isEmpty())
            cursor.insertHtml(QLatin1String(separator));
        cursor.insertHtml(QStringLiteral("<a href=\"%1:%2\">%3</a><br>")
                              .arg(kReplayScheme)
                              .arg(i)
                              .arg(tr("Replay").toHtmlEscaped()));
        // Names and every other text come from the server: shown as text, never as markup.
        QStringList escaped;
        escaped.reserve(hand.size());
        for (const QString& line : hand)
            escaped.append(line.toHtmlEscaped());
        cursor.insertHtml(escaped.join(QLatin1String("<br>")));
    }
    // The rule before the hand that could not be read stays, as a mark where the reading stopped.
    if (!d->problem.isEmpty() && d->hands.size() < texts.size() && !d->edit->document()->isEmpty())
        cursor.insertHtml(QLatin1String(separator));
    d->edit->moveCursor(QTextCursor::Start);

    showStatus(d->problem);
    d->copy->setEnabled(!d->hands.isEmpty());
    d->save->setEnabled(!d->hands.isEmpty());
    Q_EMIT historyShown(int(d->hands.size()));
}

QString GameHistoryDialogItem::plainText() const
{
    QStringList hands;
    for (const QStringList& hand : std::as_const(d->hands))
        hands.append(hand.join(QLatin1Char('\n')));
    return hands.isEmpty() ? QString() : hands.join(QLatin1String("\n\n")) + QLatin1Char('\n');
}

QString GameHistoryDialogItem::defaultFileName(const QDate& date) const
{
    QString table = d->tableName.isEmpty() ? tr("Hand History") : d->tableName;
    // Whatever the server calls its table, the name stays one file in one folder.
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : table) {
        if (unsafe.contains(c) || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    table = table.trimmed();
    while (table.startsWith(QLatin1Char('.')))
        table.remove(0, 1);
    return QStringLiteral("%1 %2.txt").arg(table.left(80), date.toString(Qt::ISODate));
}

bool GameHistoryDialogItem::saveTo(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(plainText().toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void GameHistoryDialogItem::slotSave()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        nullptr, tr("Save Hand History"), QDir(folder).filePath(defaultFileName()), tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    QString error;
    if (saveTo(path, &error))
        showStatus(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    else
        showStatus(tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), error));
}

void GameHistoryDialogItem::slotCopy()
{
    QGuiApplication::clipboard()->setText(plainText());
    showStatus(tr("Copied %n hand(s) to the clipboard.", nullptr, int(d->hands.size())));
}

int GameHistoryDialogItem::replayCount() const
{
    return int(d->records.size());
}

void GameHistoryDialogItem::replayHand(int index)
{
    if (index >= 0 && index < d->records.size())
        Q_EMIT replayRequested(d->records.at(index));
}

void GameHistoryDialogItem::showStatus(const QString& text)
{
    d->status->setText(text);
}

} // namespace VeskGames
