#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QTimer>

namespace ostrel {

// A label whose caption may change tens of thousands of times a second. Setting a caption never
// waits on the display server: the label repaints at most once a frame, always with the latest
// caption, and tells assistive technology of a new caption only when it has been shown, so at
// the same pace and never while the window is hidden. Asked for its name, it gives the caption
// as it is now.
class CaptionLabel : public QFrame {
    Q_OBJECT

public:
    static constexpr int kFrameMs = 16;

    explicit CaptionLabel(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    // Rewrites the stored caption in place, so that setting one seldom allocates.
    void setCaption(QStringView caption);

    // Frames painted so far, for the benchmark and the tests.
    int framesPainted() const { return framesPainted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QString announced_;
    QTimer frame_;
    QElapsedTimer sinceFrame_;
    int framesPainted_ = 0;
};

}  // namespace ostrel
