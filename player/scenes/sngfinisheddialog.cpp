#include "sngfinisheddialog.h"

#include "textutils.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace VeskGames {

namespace {

constexpr double kNoPrize = 0.000001;

} // namespace

class SnGFinishedDialog::Private
{
public:
    GameParameters params;
    QLabel* text = nullptr;
    QPushButton* leave = nullptr;
    QPushButton* close = nullptr;
};

SnGFinishedDialog::SnGFinishedDialog(const GameParameters& params, QObject* parent)
    : DialogBase(parent), d(std::make_unique<Private>())
{
    d->params = params;
    QWidget* content = contentWidget();
    content->setObjectName(QStringLiteral("SnGFinishedDialog"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(28, 20, 28, 20);
    column->setSpacing(16);
    auto* title = new QLabel(tr("Sit & Go"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);
    column->addWidget(title);
    d->text = new QLabel;
    d->text->setTextFormat(Qt::PlainText);
    d->text->setAlignment(Qt::AlignCenter);
    column->addWidget(d->text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    // Staying watches the table until the next one opens.
    d->close = addButton(tr("Close"), true);
    d->leave = addButton(tr("Leave"), true);
    d->leave->setDefault(true);
    connect(d->leave, &QPushButton::clicked, this, &SnGFinishedDialog::actionLeave);
    buttons->addWidget(d->close);
    buttons->addWidget(d->leave);
    buttons->addStretch();
    column->addLayout(buttons);
}

SnGFinishedDialog::~SnGFinishedDialog() = default;

QString SnGFinishedDialog::resultText(int place, double amount, const QString& currency)
{
    const QString ordinal = TextUtils::placeToString(place);
    const QString prize = TextUtils::doubleToCurrencyString(amount, currency);
    if (amount > kNoPrize && place == 0)
        return tr("Congratulations! You finished in %1 place\nand won %2!").arg(ordinal, prize);
    if (amount > kNoPrize)
        return tr("You finished in %1 place\nand won %2!").arg(ordinal, prize);
    return tr("You finished in %1 place!").arg(ordinal);
}

void SnGFinishedDialog::setResult(int place, double amount)
{
    d->text->setText(resultText(place, amount, d->params.currency));
    if (isShown())
        layout();
}

QString SnGFinishedDialog::text() const
{
    return d->text->text();
}

QPushButton* SnGFinishedDialog::leaveButton() const
{
    return d->leave;
}

QPushButton* SnGFinishedDialog::closeButton() const
{
    return d->close;
}

} // namespace VeskGames
