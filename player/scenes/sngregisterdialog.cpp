#include "sngregisterdialog.h"

#include "textutils.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace VeskGames {

namespace {

QString amountText(double amount, const QString& currency)
{
    // The sign the rest of the table writes; a currency without one by its code.
    if (!TextUtils::currencyToChar(currency).isNull())
        return TextUtils::doubleToCurrencyString(amount, currency);
    return SnGRegisterDialog::tr("%1 %2").arg(TextUtils::doubleToString(amount), currency);
}

} // namespace

class SnGRegisterDialog::Private
{
public:
    Mode mode = Registration;
    GameParameters params;
    double balance = 0;
    int status = Ready;
    QLabel* title = nullptr;
    QMap<QString, QLabel*> rows;
    QLabel* statusLine = nullptr;
    QPushButton* registerButton = nullptr;
    QPushButton* quitButton = nullptr;
};

SnGRegisterDialog::SnGRegisterDialog(Mode mode, const GameParameters& params, QObject* parent)
    : DialogBase(parent), d(std::make_unique<Private>())
{
    d->mode = mode;
    QWidget* content = contentWidget();
    content->setObjectName(QStringLiteral("SnGRegisterDialog"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(28, 20, 28, 20);
    column->setSpacing(14);

    d->title = new QLabel(mode == Registration ? tr("Sit & Go Registration") : tr("Sit & Go Information"));
    d->title->setObjectName(QStringLiteral("title"));
    d->title->setAlignment(Qt::AlignCenter);
    QFont titleFont = d->title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    d->title->setFont(titleFont);
    column->addWidget(d->title);

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(24);
    form->setVerticalSpacing(8);
    form->setLabelAlignment(Qt::AlignRight);
    // Translated once each, looked up by their English text.
    const std::pair<QString, QString> labels[] = {
        {QStringLiteral("Game"), tr("Game")},       {QStringLiteral("Chips"), tr("Chips")},
        {QStringLiteral("Periods"), tr("Periods")}, {QStringLiteral("Buy-in"), tr("Buy-in")},
        {QStringLiteral("Prizes"), tr("Prizes")},   {QStringLiteral("Balance"), tr("Balance")}};
    for (const auto& [key, shown] : labels) {
        auto* value = new QLabel;
        value->setTextFormat(Qt::PlainText);
        d->rows.insert(key, value);
        form->addRow(shown, value);
    }
    column->addLayout(form);

    d->statusLine = new QLabel;
    d->statusLine->setObjectName(QStringLiteral("status"));
    d->statusLine->setAlignment(Qt::AlignCenter);
    d->statusLine->setStyleSheet(QStringLiteral("QLabel { color: #b01010; }"));
    column->addWidget(d->statusLine);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (mode == Registration) {
        d->registerButton = addButton(tr("Register"), false);
        d->registerButton->setDefault(true);
        d->quitButton = addButton(tr("Quit"), false);
        buttons->addWidget(d->registerButton);
        buttons->addWidget(d->quitButton);
        connect(d->registerButton, &QPushButton::clicked, this, [this] {
            // One registration at a time: the answer enables it again.
            d->registerButton->setEnabled(false);
            d->statusLine->clear();
            Q_EMIT actionRegister();
        });
        connect(d->quitButton, &QPushButton::clicked, this, &SnGRegisterDialog::actionQuit);
    } else {
        d->quitButton = addButton(tr("Close"), true);
        d->quitButton->setDefault(true);
        buttons->addWidget(d->quitButton);
    }
    buttons->addStretch();
    column->addLayout(buttons);
    setParameters(params);
}

SnGRegisterDialog::~SnGRegisterDialog() = default;

SnGRegisterDialog::Mode SnGRegisterDialog::mode() const
{
    return d->mode;
}

void SnGRegisterDialog::setParameters(const GameParameters& params)
{
    d->params = params;
    const QString& currency = params.currency;
    d->rows.value(QStringLiteral("Game"))
        ->setText(TextUtils::limitTypeToString(params.limit) + QLatin1Char(' ') +
                  TextUtils::gameTypeToString(params.type));
    d->rows.value(QStringLiteral("Chips"))->setText(TextUtils::doubleToString(params.tourStartStack));
    d->rows.value(QStringLiteral("Periods"))
        ->setText(tr("%1 minutes").arg(params.tourStakeChangeInterval / 60));
    d->rows.value(QStringLiteral("Buy-in"))
        ->setText(tr("%1 + %2").arg(amountText(params.buyinMin, currency),
                                    amountText(params.tourBuyinFee, currency)));
    const QString placeForms[] = {tr("1st %1 "), tr("2nd %1 "), tr("3rd %1")};
    QString prizes;
    for (int i = 0; i < qMin(3, int(params.tourPayoutValues.size())); ++i)
        prizes += placeForms[i].arg(amountText(params.tourPayoutValues.at(i), currency));
    d->rows.value(QStringLiteral("Prizes"))->setText(prizes.trimmed());
    setBalance(d->balance);
}

void SnGRegisterDialog::setBalance(double balance)
{
    d->balance = balance;
    d->rows.value(QStringLiteral("Balance"))->setText(amountText(balance, d->params.currency));
    if (isShown())
        layout();
}

void SnGRegisterDialog::setStatus(int status)
{
    d->status = status;
    switch (status) {
    case RegistrationFailed:
        d->statusLine->setText(tr("Registration failed"));
        break;
    case BuyinFailed:
        d->statusLine->setText(tr("Buyin failed"));
        break;
    case NoFunds:
        d->statusLine->setText(tr("No funds available"));
        break;
    default:
        d->statusLine->clear();
        break;
    }
    if (d->registerButton) {
        d->registerButton->setText(tr("Register"));
        // Every answer may be tried again: the balance may have been topped up since.
        d->registerButton->setEnabled(true);
    }
    if (isShown())
        layout();
}

int SnGRegisterDialog::status() const
{
    return d->status;
}

QString SnGRegisterDialog::statusText() const
{
    return d->statusLine->text();
}

void SnGRegisterDialog::clearStatus()
{
    setStatus(Ready);
}

QString SnGRegisterDialog::rowText(const QString& label) const
{
    const QLabel* row = d->rows.value(label);
    return row ? row->text() : QString();
}

QPushButton* SnGRegisterDialog::registerButton() const
{
    return d->registerButton;
}

QPushButton* SnGRegisterDialog::quitButton() const
{
    return d->quitButton;
}

} // namespace VeskGames
