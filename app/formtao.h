#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "chapterdraw.h"
#include "runtime.h"

class QPlainTextEdit;
class QPushButton;

namespace ostrel {

class CaptionLabel;
class QtRuntime;

// The program's one window: a chapter's text, its title line, its number line and the button
// that draws another. Three events have handlers: the form's load, a click on the form's free
// surface and a click of the button.
class FormTao : public QWidget {
    Q_OBJECT

public:
    // Gives the runtime that the logic is to see in place of the window's own, wrapped around
    // it: the fault tests inject run-time errors this way. The program wraps nothing.
    using RuntimeWrapper = std::function<std::unique_ptr<Runtime>(Runtime&)>;

    explicit FormTao(QWidget* parent = nullptr);
    explicit FormTao(const RuntimeWrapper& wrap, QWidget* parent = nullptr);
    ~FormTao() override;

    // The load handler: runs the first draw while the window is still hidden.
    void Form_Load();
    // A click on the window's free surface: the about box.
    void Form_Click();
    // A click of the button: a new draw.
    void cmdGetTao_Click();

    // Non-zero once a handler has ended in a run-time error; the program ends with it.
    int exitCode() const { return exitCode_; }

    QtRuntime& runtime() { return *runtime_; }
    const ChapterDraw& draw() const { return draw_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename Handler>
    void handle(Handler&& handler);
    void fail(const QString& report);
    Runtime& logicRuntime();

    QPlainTextEdit* TextTao;
    QPushButton* cmdGetTao;
    CaptionLabel* labHexagram;
    CaptionLabel* labDisplayHexagram;
    std::unique_ptr<QtRuntime> runtime_;
    std::unique_ptr<Runtime> wrapped_;
    ChapterDraw draw_;
    bool pressed_ = false;
    int exitCode_ = 0;
};

}  // namespace ostrel
