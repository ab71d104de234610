#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "runtime.h"

namespace ostrel::test {

// A runtime without a window: it keeps what the controls would show, counts every call and,
// when asked to, logs them in order.
class FakeRuntime : public Runtime {
public:
    enum class Call { SetText, Randomize, NextRandom, DoEvents, MessageBox };
    struct Entry {
        Call call;
        Control control = Control::TextTao;
        std::u16string text;
    };

    void setText(Control control, const std::u16string& text) override
    {
        log(Call::SetText, control, text);
        ++writes[index(control)];
        shown[index(control)] = text;
        if (onSetText) onSetText(control, text);
    }
    void randomize() override
    {
        log(Call::Randomize);
        ++seedings;
    }
    float nextRandom() override
    {
        log(Call::NextRandom);
        ++randoms;
        return random ? random() : 0.5f;
    }
    bool doEvents() override
    {
        log(Call::DoEvents);
        ++yields;
        if (onDoEvents) onDoEvents();
        return open;
    }
    void messageBox(const std::u16string& prompt, const std::u16string& title) override
    {
        log(Call::MessageBox, Control::TextTao, title + u'|' + prompt);
        ++boxes;
    }

    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    const std::u16string& text(Control control) const { return shown[index(control)]; }

    bool recording = false;
    std::vector<Entry> entries;
    std::array<std::u16string, 3> shown;
    std::array<int, 3> writes{};
    int seedings = 0;
    int randoms = 0;
    int yields = 0;
    int boxes = 0;
    bool open = true;  // false once the window has gone
    std::function<float()> random;
    std::function<void()> onDoEvents;
    std::function<void(Control, const std::u16string&)> onSetText;

private:
    void log(Call call, Control control = Control::TextTao, std::u16string text = {})
    {
        if (recording) entries.push_back({call, control, std::move(text)});
    }
};

}  // namespace ostrel::test
