#pragma once

#include <string>

namespace ostrel {

class Runtime;

// The about message: the four stored lines unscrambled, joined by CR LF.
std::u16string aboutMessage();

// The click on the window's free surface: shows the about message under the title "Ostrel" in
// a modal box, and returns once the box has been closed.
void Form_Click(Runtime& runtime);

}  // namespace ostrel
