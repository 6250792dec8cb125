#pragma once

namespace vesk4 {

// The editor program: reads the command line, then shows the main window with the project it
// names, if any, and runs until the window closes. Returns the exit status.
int runEditor(int argc, char **argv);

} // namespace vesk4
