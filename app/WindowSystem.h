// Which of the desktop's window systems the game runs on, where it offers two.
#pragma once

#include <string>
#include <vector>

namespace barkmoor {

// The program's arguments for the application object: those given, followed by
// "-platform xcb" where the game would otherwise run on a Wayland compositor that draws no
// window frames (GNOME's, weston) while the same desktop offers XWayland. There Qt would draw
// the frame itself, with maximise and close buttons that do nothing on the game's fixed-size
// windows; through XWayland the compositor draws a frame that follows the windows' hints.
// Where the player or the desktop names a platform, that one is kept.
std::vector<std::string> ArgumentsForDesktop(int argc, char **argv);

// Whether the Wayland compositor at this display offers to draw window frames itself
// (xdg-decoration); null is the one the environment names. False where none answers.
bool CompositorDrawsFrames(const char *display);

} // namespace barkmoor
