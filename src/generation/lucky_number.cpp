#include "generation/lucky_number.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "tips/integer_text.h"

namespace kw {

void askLuckyNumber(MainState& state, Services& services)
{
    const MessageTable& m = state.messages;
    const QString proposal = QString::number(state.random.random(99999));
    // Cancel keeps the proposal, which then seeds the generator all the same.
    const QString text =
        services.dialogs.inputText(m.text(35), m.text(36), proposal).value_or(proposal);
    if (const auto number = parseInteger(text)) {
        state.random.setSeed(static_cast<std::uint32_t>(*number));
        state.setStatusText(1, m.text(37) + QLatin1Char(' ') + QString::number(*number) +
                                   QLatin1Char(' ') + m.text(38));
    } else {
        state.random.setSeed(services.clock.randomSeed());
    }
}

}  // namespace kw
