#pragma once

// The four sign systems, the overview of all four and Two People, numbered by the index of their
// choice button on the frame.
namespace systems {

enum class System { Australian = 0, Celtic = 1, Chinese = 2, Mayan = 3, AllFourSigns = 4, TwoPeople = 5 };

} // namespace systems
