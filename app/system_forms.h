#pragma once

class OrvoForm;

// The four sign systems, the overview of all four and Two People, numbered by the index of their
// choice button on the frame.
namespace systems {

enum class System { Australian = 0, Celtic = 1, Chinese = 2, Mayan = 3, AllFourSigns = 4, TwoPeople = 5 };

// Unloads every window of every system: result, input and report form of each system in turn,
// then the result forms once more (closing a report form brings its result form back), then the
// overview's windows and those of Two People.
void unloadAllSystemForms();

// Loads (when needed) and shows the system's input form inside the frame.
OrvoForm *showInputForm(System system);

} // namespace systems
