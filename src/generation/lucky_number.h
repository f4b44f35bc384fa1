#pragma once
// The lucky number (SpeedButton13Click): the user's own seed for the random generator.
namespace kw {

class MainState;
struct Services;

void askLuckyNumber(MainState& state, Services& services);

}  // namespace kw
