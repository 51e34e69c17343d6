// The start-up checks of content, version, system font and display mode.
#pragma once

#include <string>

// Finds the content directory (into `root`), records the newest program version, checks
// the system font (setting largeDialogs) and sets the display mode, creating screenDC.
// Shows its own messages. Returns 1 when the program may go on, 0 when it must stop.
int CheckDisplayEnvironment(std::string& root);
