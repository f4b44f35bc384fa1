#pragma once
// "Tipps in DB suchen" (SpeedButton4Click): were the sheet's rows ever drawn, fully
// or partly? Steps through the draws of the statistics window and stops at each
// draw where a row reaches the chosen number of hits.
namespace kw {

class MainState;
struct RunHooks;
struct Services;

// Asks for the threshold (the default 7 with CheckBox31, else 5), then shows each
// draw of the window from DateTimePicker2 to DateTimePicker1 (both inclusive) as
// the CurrentDraw's content and the rows' hits against it. At a row with at least
// the threshold's hits it evaluates the sheet and asks whether to go on. The last
// draw handled stays shown. A second call while it runs asks it to stop.
void searchTips(MainState& state, Services& services, RunHooks& hooks);

}  // namespace kw
