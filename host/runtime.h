#pragma once

#include <string>

namespace ostrel {

// The three controls whose text the program writes.
enum class Control { TextTao, labDisplayHexagram, labHexagram };

// Everything the program's logic asks of the desktop it runs on. The logic sees the window, its
// controls, the random generator, event processing and the message box only through this.
class Runtime {
public:
    virtual ~Runtime() = default;

    // Sets the text of the text box or the caption of a label. Lines end in CR LF.
    virtual void setText(Control control, const std::u16string& text) = 0;

    // Reseeds the generator from the system clock.
    virtual void randomize() = 0;

    // The generator's next value: 0 <= r < 1, never 1.
    virtual float nextRandom() = 0;

    // Dispatches every pending event, user input included. Gives false once the window has
    // gone (closed, or the program is ending), and then a caller must stop writing controls.
    [[nodiscard]] virtual bool doEvents() = 0;

    // Shows the prompt under the title in a modal box with one OK button; returns once the box
    // is closed, however it was closed.
    virtual void messageBox(const std::u16string& prompt, const std::u16string& title) = 0;
};

}  // namespace ostrel
