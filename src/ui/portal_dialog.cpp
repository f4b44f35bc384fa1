#include "ui/portal_dialog.h"

#include "i18n/message_table.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "generation/random_generator.h"
#include "platform/dialogs.h"
#include "ui/control_list.h"
#include "ui/controls.h"
#include "ui/language_texts.h"

namespace kw {

TForm5::TForm5(QWidget* parent, RandomGenerator& random, Dialogs& dialogs, QString ticketHistory)
    : QDialog(parent),
      m_random(random),
      m_dialogs(dialogs),
      m_ticketHistory(std::move(ticketHistory))
{
    setObjectName(QStringLiteral("TForm5"));
    new ControlList(this);
    m_captionStart = QStringLiteral("Übergabe des Tippscheins direkt an ");
    setPortalName(QStringLiteral("Lottoland"));
    auto* root = new QVBoxLayout(this);

    auto* number = new QHBoxLayout;
    number->addWidget(makeLabel(this, "Label1", QStringLiteral("Losnummer:")));
    for (int digit = 1; digit <= 7; ++digit) {
        const int n = digit + 2;
        auto* upDown = named(new QSpinBox(this), ("UpDown" + QByteArray::number(n)).constData());
        upDownEdit(upDown, n);
        upDown->setRange(0, 9);
        m_digits[static_cast<std::size_t>(digit - 1)] = upDown;
        number->addWidget(upDown);
    }
    SpeedButton2 =
        makeIconButton(this, "SpeedButton2", QStyle::SP_BrowserReload, {},
                       QStringLiteral("Neu Losnummer welche noch nie gezogen wurde erzeugen"));
    SpeedButton3 = makeIconButton(this, "SpeedButton3", QStyle::SP_FileDialogContentsView, {},
                                  QStringLiteral("Suchen ob diese Losnr schon gezogen wurde"));
    number->addWidget(SpeedButton2);
    number->addWidget(SpeedButton3);
    number->addStretch();
    root->addLayout(number);

    auto* games = new QHBoxLayout;
    Spiel77 = named(new QCheckBox(QStringLiteral("Spiel 77"), this), "Spiel77");
    Super6 = named(new QCheckBox(QStringLiteral("Super 6"), this), "Super6");
    glueck = named(new QCheckBox(QStringLiteral("Glücksspirale"), this), "glueck");
    for (QCheckBox* box : {Spiel77, Super6, glueck}) {
        games->addWidget(box);
        connect(box, &QCheckBox::clicked, this, &TForm5::glueckClick);
    }
    games->addStretch();
    Label3 = makeLabel(this, "Label3", QStringLiteral("Kosten:"));
    Label4 = makeLabel(this, "Label4", QString());
    setTag(Label4, kValueLabelTag);  // the costs
    games->addWidget(Label3);
    games->addWidget(Label4);
    root->addLayout(games);

    RadioGroup2 =
        named(new QGroupBox(QStringLiteral("Super6 und Spiel77 Option"), this), "RadioGroup2");
    auto* optionLayout = new QVBoxLayout(RadioGroup2);
    options = new QButtonGroup(RadioGroup2);
    const char* const items[] = {"einfach per Zufall bestimmen", "Losnummer noch nie gezogen",
                                 "letzten 6 Stellen der Losnummer nie gezogen",
                                 "letzten 5 Stellen der Losnummer nie gezogen",
                                 "letzten 4 Stellen der Losnummer nie gezogen"};
    for (int i = 0; i < kTicketLevels; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(items[i]), RadioGroup2);
        options->addButton(item, i);
        optionLayout->addWidget(item);
    }
    options->button(0)->setChecked(true);
    root->addWidget(RadioGroup2);

    Label5 = makeLabel(this, "Label5",
                       QStringLiteral("Klicken Sie auf \"Warenkorb\" um  zu übergeben.  "
                                      "Anschließend können Sie sich  einloggen oder neu "
                                      "registrieren."));
    Label5->setWordWrap(true);
    root->addWidget(Label5);

    auto* buttons = new QHBoxLayout;
    BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("&Warenkorb"));
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("&Abbrechen"));
    BitBtn3->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn1);
    root->addLayout(buttons);

    connect(SpeedButton2, &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm5::BitBtn3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::setPortalName(const QString& portal)
{
    m_portal = portal;
    setWindowTitle(m_captionStart + portal);
}

void TForm5::showOptionItems(const MessageTable& messages)
{
    m_captionStart = messages.text(Message::PortalCaption);
    setPortalName(m_portal);
    for (int i = 0; i < kTicketLevels; ++i)
        options->button(i)->setText(messages.text(Message::TicketOption0 + i));
}

TicketDigits TForm5::digits() const
{
    TicketDigits digits{};
    for (int d = 1; d <= 7; ++d) digits[d - 1] = digitControl(d)->value();
    return digits;
}

void TForm5::setDigits(const TicketDigits& digits)
{
    for (int d = 1; d <= 7; ++d) digitControl(d)->setValue(digits[d - 1]);
}

void TForm5::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TForm5::FormShow()
{
    const QFileInfo file(m_ticketHistory);
    const bool present = !m_ticketHistory.isEmpty() && file.isFile();
    if (present) {
        Homedir = file.absolutePath() + QLatin1Char('/');
        Zahlenfile08 = file.fileName();
        SpielzahlTest = 0;
    }
    SpeedButton3->setVisible(present);
    RadioGroup2->setVisible(present);
    Label5->setVisible(!present);
    options->button(0)->setChecked(true);
    glueckClick();
}

void TForm5::glueckClick()
{
    if (glueck->isChecked() && !Spiel77->isChecked() && !Super6->isChecked())
        Super6->setChecked(true);
    const double costs =
        ticketCosts(Tipp, Spiel77->isChecked(), Super6->isChecked(), glueck->isChecked());
    const QLocale locale;
    Label4->setText(locale.toCurrencyString(costs, locale.currencySymbol(), 2));
}

std::optional<std::vector<TicketDraw>> TForm5::history()
{
    if (m_ticketHistory.isEmpty() || !QFileInfo(m_ticketHistory).isFile()) return std::nullopt;
    QString error;
    auto records = readTicketHistory(m_ticketHistory, &error);
    if (!records) m_dialogs.notify(error);
    return records;
}

void TForm5::SpeedButton2Click()
{
    const int level = options->checkedId();
    SpielzahlTest = level;
    // Without a history every number counts as never drawn.
    const auto records = level > 0 ? history() : std::nullopt;
    const DrawnTicket ticket =
        drawTicketNumber(m_random, records ? *records : std::vector<TicketDraw>{}, level);
    setDigits(ticket.digits);
}

void TForm5::SpeedButton3Click()
{
    if (const auto records = history()) m_dialogs.notify(ticketSearchText(digits(), *records));
}

void TForm5::BitBtn3Click()
{
    LosNr.clear();
    for (int digit : digits()) LosNr += QString::number(digit);
    accept();
}

}  // namespace kw
