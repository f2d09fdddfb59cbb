// Ctrl-C during `dnt print`: the first one asks the run to stop between two aidés (the
// aidés done stay printed and written, and the document is delivered with them); the
// second one ends the program at once, as Ctrl-C does by default.
#pragma once

namespace cli {

// Installs the handler of SIGINT; stopRequested() then tells whether Ctrl-C was pressed.
void catchInterrupt();
bool stopRequested();

}  // namespace cli
