#pragma once
// The portal dialog's ticket number: seven digits drawn at random, kept away from
// the Spiel 77 and Super 6 numbers already drawn (read from the sibling product's
// draw history "Zahlen08.dat"), the search for a number in that history, and the
// costs of a ticket with its add-on games.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "draws/day_count.h"

namespace kw {

class RandomGenerator;

using TicketDigits = std::array<int, 7>;  // digit 1 (most significant) first

// One record of the ticket history: 32 bytes, the date in bytes 0..7, the seven
// Spiel 77 digits in 16..22, the six Super 6 digits in 23..28.
struct TicketDraw {
    DayCount date = 0;
    std::array<std::uint8_t, 7> spiel77{};
    std::array<std::uint8_t, 6> super6{};
};

// Where the ticket history stands: "c:\quendel\kugelwart\Zahlen08.dat" on Windows,
// elsewhere userDataLocation + "/quendel/kugelwart/Zahlen08.dat" (empty when
// userDataLocation is).
QString ticketHistoryPath(const QString& userDataLocation);
// The whole records of the file; nullopt with "file: reason" when it cannot be read.
std::optional<std::vector<TicketDraw>> readTicketHistory(const QString& path, QString* error);

// The search levels (the options of "Super6 und Spiel77 Option"): 0 purely at random;
// 1 the whole number never drawn; 2, 3, 4 its last six, five, four digits never drawn.
inline constexpr int kTicketLevels = 5;
inline constexpr int kTicketAttemptsPerLevel = 1000;
// Whether draw counts as drawn before at level (1..4).
bool ticketDrawn(const TicketDigits& digits, const TicketDraw& draw, int level);

struct DrawnTicket {
    TicketDigits digits{};
    int level = 0;     // the level the number holds at
    int attempts = 1;  // the attempts at that level
};
// Seven random digits; from level 1 on drawn again, from the first record, as long as
// a record counts as drawn, the level lowered by one after every 1000 attempts. At
// level 1 it stays there: after 1000 attempts the number drawn last is kept.
DrawnTicket drawTicketNumber(RandomGenerator& random, const std::vector<TicketDraw>& history,
                             int level);

// The first record whose Spiel 77 number is the ticket number, or whose Super 6
// number is its last six digits, as the search reports it.
QString ticketSearchText(const TicketDigits& digits, const std::vector<TicketDraw>& history);

// Costs: 2 per tip, Spiel 77 1.50, Super 6 1.25, Glücksspirale 5.00.
double ticketCosts(int tips, bool spiel77, bool super6, bool gluecksspirale);

}  // namespace kw
