#include "online/ticket_number.h"

#include "draws/draw_file.h"
#include "generation/random_generator.h"

namespace kw {

namespace {

// digits first..7 against the stored digits from stored[from - 1] on.
template <std::size_t N>
bool sameDigits(const TicketDigits& digits, int first, const std::array<std::uint8_t, N>& stored,
                int from)
{
    for (int d = first; d <= 7; ++d, ++from)
        if (digits[d - 1] != stored[from - 1]) return false;
    return true;
}

TicketDigits randomDigits(RandomGenerator& random)
{
    TicketDigits digits{};
    for (int& digit : digits) digit = random.random(10);
    return digits;
}

bool drawnBefore(const TicketDigits& digits, const std::vector<TicketDraw>& history, int level)
{
    for (const TicketDraw& draw : history)
        if (ticketDrawn(digits, draw, level)) return true;
    return false;
}

}  // namespace

QString ticketHistoryPath(const QString& userDataLocation)
{
#ifdef Q_OS_WIN
    Q_UNUSED(userDataLocation);
    return QStringLiteral("c:/quendel/kugelwart/Zahlen08.dat");
#else
    if (userDataLocation.isEmpty()) return {};
    return userDataLocation + QStringLiteral("/quendel/kugelwart/Zahlen08.dat");
#endif
}

std::optional<std::vector<TicketDraw>> readTicketHistory(const QString& path, QString* error)
{
    const auto records = DrawFile(path).readAll(error);
    if (!records) return std::nullopt;
    std::vector<TicketDraw> history;
    history.reserve(records->size());
    for (const DrawRecord& record : *records) {
        TicketDraw draw;
        draw.date = record.datum;
        draw.spiel77 = record.ziffern;
        std::copy_n(record.reserved.begin(), draw.super6.size(), draw.super6.begin());
        history.push_back(draw);
    }
    return history;
}

bool ticketDrawn(const TicketDigits& digits, const TicketDraw& draw, int level)
{
    switch (level) {
    case 1: return sameDigits(digits, 1, draw.spiel77, 1) || sameDigits(digits, 2, draw.super6, 1);
    case 2: return sameDigits(digits, 2, draw.spiel77, 2) || sameDigits(digits, 2, draw.super6, 1);
    case 3: return sameDigits(digits, 3, draw.spiel77, 3) || sameDigits(digits, 3, draw.super6, 2);
    case 4: return sameDigits(digits, 4, draw.spiel77, 4) || sameDigits(digits, 4, draw.super6, 3);
    default: return false;
    }
}

DrawnTicket drawTicketNumber(RandomGenerator& random, const std::vector<TicketDraw>& history,
                             int level)
{
    DrawnTicket ticket;
    ticket.digits = randomDigits(random);
    ticket.level = std::min(level, kTicketLevels - 1);
    if (ticket.level <= 0) return ticket;
    while (drawnBefore(ticket.digits, history, ticket.level)) {
        ticket.digits = randomDigits(random);
        if (++ticket.attempts <= kTicketAttemptsPerLevel) continue;
        // Below level 1 there is nothing left to search for: the last number stays.
        if (ticket.level == 1) break;
        --ticket.level;
        ticket.attempts = 1;
    }
    return ticket;
}

QString ticketSearchText(const TicketDigits& digits, const std::vector<TicketDraw>& history)
{
    for (const TicketDraw& draw : history) {
        const bool super6 = sameDigits(digits, 2, draw.super6, 1);
        if (!super6 && !sameDigits(digits, 1, draw.spiel77, 1)) continue;
        return QStringLiteral("LosNr. wurde am ") +
               dateFromDayCount(draw.date).toString(QStringLiteral("dd.MM.yyyy")) +
               (super6 ? QStringLiteral(" bei der Super 6 gezogen")
                       : QStringLiteral(" im Spiel 77 gezogen"));
    }
    return QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen");
}

double ticketCosts(int tips, bool spiel77, bool super6, bool gluecksspirale)
{
    return tips * 2.0 + (spiel77 ? 1.50 : 0.0) + (super6 ? 1.25 : 0.0) +
           (gluecksspirale ? 5.00 : 0.0);
}

}  // namespace kw
