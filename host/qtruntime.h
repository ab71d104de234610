#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include "generator.h"
#include "runtime.h"

class QMessageBox;
class QPlainTextEdit;
class QWidget;

namespace ostrel {

class CaptionLabel;

// The runtime on Qt Widgets: the window's controls, the generator and the event loop.
class QtRuntime final : public Runtime {
public:
    struct Controls {
        QWidget* window;
        QPlainTextEdit* text;
        CaptionLabel* title;
        CaptionLabel* number;
    };

    explicit QtRuntime(const Controls& controls);

    void setText(Control control, const std::u16string& text) override;
    void randomize() override { generator_.randomize(); }
    float nextRandom() override { return generator_.next(); }
    bool doEvents() override;
    void messageBox(const std::u16string& prompt, const std::u16string& title) override;

    // The window has gone or the program is ending: a box that is open closes, and every
    // doEvents() from now on gives false.
    void stop();
    bool stopped() const { return stopped_; }

private:
    Controls controls_;
    static constexpr qint64 kHiddenPassNs = 1'000'000;
    static constexpr unsigned kHiddenYieldsPerClockRead = 64;

    Generator generator_;
    QElapsedTimer sinceHiddenPass_;
    unsigned hiddenYields_ = 0;
    QPointer<QMessageBox> openBox_;
    bool stopped_ = false;
};

// A runtime string as a QString, with each CR LF as one line break.
QString toQString(const std::u16string& text);

}  // namespace ostrel
