#include "infodialogitem.h"

#include "pushbuttonitem.h"

#include <QGraphicsLinearLayout>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QTimer>

namespace VeskGames {

namespace {
constexpr int kTextWidth = 480;
} // namespace

class InfoDialogItem::Private
{
public:
    QLabel* label = nullptr;
    QGraphicsProxyWidget* text = nullptr;
    DialogButtonBoxItem* buttons = nullptr;
    QTimer timer;
};

InfoDialogItem::InfoDialogItem(QGraphicsItem* parent)
    : ThemedDialogItem(parent), d(std::make_unique<Private>())
{
    setObjectName(QStringLiteral("InfoDialog"));
    d->label = new QLabel;
    d->label->setObjectName(QStringLiteral("textWidget"));
    d->label->setWordWrap(true);
    d->label->setAlignment(Qt::AlignCenter);
    d->label->setTextFormat(Qt::PlainText);
    d->label->setAttribute(Qt::WA_TranslucentBackground);
    d->label->setStyleSheet(QStringLiteral("QLabel { color: #202020; background: transparent; }"));
    d->text = new QGraphicsProxyWidget(this);
    d->text->setWidget(d->label);
    d->buttons = new DialogButtonBoxItem(this);

    auto* layout = new QGraphicsLinearLayout(Qt::Vertical, this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addItem(d->text);
    // A short text over a wider row of buttons stands in the middle.
    layout->setAlignment(d->text, Qt::AlignHCenter);
    layout->addItem(d->buttons);

    d->timer.setSingleShot(true);
    connect(&d->timer, &QTimer::timeout, this, [this] {
        hide();
        Q_EMIT actionClose();
    });
}

InfoDialogItem::~InfoDialogItem() = default;

void InfoDialogItem::setText(const QString& text)
{
    d->label->setText(text);
    // As wide as its widest line, wrapped only past a readable width; as tall as the text needs.
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, d->label->fontMetrics().horizontalAdvance(line));
    const int width = qMin(kTextWidth, widest + 8);
    d->label->setFixedWidth(qMax(width, 120));
    // An empty text has no height for a width: one line's height then.
    const int height = d->label->heightForWidth(d->label->width());
    d->label->setFixedHeight(height >= 0 ? height : d->label->fontMetrics().height());
    d->text->setMinimumSize(d->label->size());
    d->text->setMaximumSize(d->label->size());
    adjustSize();
    // A text that grew while shown keeps the dialog in the middle.
    if (isVisible() && scene())
        centerDialog();
}

QString InfoDialogItem::text() const
{
    return d->label->text();
}

void InfoDialogItem::setTimeout(int ms)
{
    d->timer.start(ms);
}

PushButtonItem* InfoDialogItem::createButton(const QString& text, ButtonRole role, bool closes)
{
    PushButtonItem* button = d->buttons->addButton(text, role);
    setupButton(button, closes);
    // Return answers yes, Escape no, as in any dialog.
    if (!defaultButton() && (role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole))
        setDefaultButton(button);
    if (!escapeButton() && (role == QDialogButtonBox::RejectRole || role == QDialogButtonBox::NoRole))
        setEscapeButton(button);
    // One click each: the answer is sent once.
    connect(button, &PushButtonItem::clicked, button, [button] { button->setEnabled(false); });
    adjustSize();
    return button;
}

DialogButtonBoxItem* InfoDialogItem::buttonBox() const
{
    return d->buttons;
}

} // namespace VeskGames
