#include "formtao.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>

#include "aboutbox.h"
#include "captionlabel.h"
#include "errors.h"
#include "iconimages.h"
#include "qtruntime.h"

namespace ostrel {
namespace {

// The design is laid out in twips; at 96 dots an inch a logical pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;

QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int t) { return (t + kTwipsPerPixel / 2) / kTwipsPerPixel; };
    return QRect(px(left), px(top), px(width), px(height));
}

QFont arial(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

// The 16-colour image at 32 pixels, the scalable drawing rendered at 64 for dense screens.
QIcon programIcon()
{
    QIcon icon;
    for (const IconImage& image : iconImages())
        icon.addPixmap(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels),
                                                 image.width, image.height,
                                                 QImage::Format_ARGB32_Premultiplied)));
    return icon;
}

void setColours(QWidget* widget, QPalette::ColorRole background, QPalette::ColorRole text,
                const QColor& backgroundColour, const QColor& textColour)
{
    QPalette palette = widget->palette();
    palette.setColor(background, backgroundColour);
    palette.setColor(text, textColour);
    widget->setPalette(palette);
}

}  // namespace

FormTao::FormTao(QWidget* parent) : FormTao(RuntimeWrapper(), parent) {}

FormTao::FormTao(const RuntimeWrapper& wrap, QWidget* parent)
    : QWidget(parent),
      TextTao(new QPlainTextEdit(this)),
      cmdGetTao(new QPushButton(this)),
      labHexagram(new CaptionLabel(this)),
      labDisplayHexagram(new CaptionLabel(this)),
      runtime_(std::make_unique<QtRuntime>(
          QtRuntime::Controls{this, TextTao, labDisplayHexagram, labHexagram})),
      wrapped_(wrap ? wrap(*runtime_) : nullptr),
      draw_(logicRuntime())
{
    const QIcon icon = programIcon();
    setWindowTitle(QStringLiteral("Tao T\u00e9 Ching - Kel Ombra"));
    setWindowIcon(icon);
    setFixedSize(twips(0, 0, 6750, 6915).size());

    TextTao->setObjectName(QStringLiteral("TextTao"));
    TextTao->setGeometry(twips(240, 780, 6495, 5715));
    TextTao->setFont(arial(11.25));
    setColours(TextTao, QPalette::Base, QPalette::Text, Qt::black, QColor(224, 224, 224));
    TextTao->setReadOnly(true);
    TextTao->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    TextTao->setFocusPolicy(Qt::StrongFocus);
    TextTao->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TextTao->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextTao->setAccessibleName(QStringLiteral("Chapter text"));

    // Graphical: no caption, the icon for a face and for the pointer. Enter and Esc never press
    // it; a click or Space does. It reaches just past the window's edges, which clip it.
    cmdGetTao->setObjectName(QStringLiteral("cmdGetTao"));
    cmdGetTao->setGeometry(twips(6270, 6495, 495, 445));
    cmdGetTao->setIcon(icon);
    cmdGetTao->setIconSize(QSize(32, 32));
    cmdGetTao->setAutoDefault(false);
    cmdGetTao->setDefault(false);
    cmdGetTao->setCursor(QCursor(icon.pixmap(32, 32)));
    cmdGetTao->setAccessibleName(QStringLiteral("Draw a chapter"));
    cmdGetTao->setAccessibleDescription(
        QStringLiteral("Draws another chapter of the Tao Te Ching at random"));
    cmdGetTao->setToolTip(QStringLiteral("Draw another chapter"));

    labHexagram->setObjectName(QStringLiteral("labHexagram"));
    labHexagram->setGeometry(twips(660, 6600, 3315, 255));

    labDisplayHexagram->setObjectName(QStringLiteral("labDisplayHexagram"));
    labDisplayHexagram->setGeometry(twips(480, 360, 5775, 435));
    labDisplayHexagram->setFont(arial(18));
    labDisplayHexagram->setAutoFillBackground(true);
    setColours(labDisplayHexagram, QPalette::Window, QPalette::WindowText, Qt::black,
               QColor(192, 192, 0));

    // The text box overlaps the title label's lowest row and is drawn over it.
    labDisplayHexagram->lower();
    setTabOrder(TextTao, cmdGetTao);
    TextTao->setFocus();

    connect(cmdGetTao, &QPushButton::clicked, this, &FormTao::cmdGetTao_Click);
}

FormTao::~FormTao() = default;

void FormTao::Form_Load() { cmdGetTao_Click(); }

void FormTao::Form_Click()
{
    handle([this] { ostrel::Form_Click(logicRuntime()); });
}

void FormTao::cmdGetTao_Click()
{
    handle([this] { draw_.cmdGetTao_Click(); });
}

Runtime& FormTao::logicRuntime()
{
    if (wrapped_) return *wrapped_;
    return *runtime_;
}

template <typename Handler>
void FormTao::handle(Handler&& handler)
{
    if (runtime_->stopped()) return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        fail(QStringLiteral("Run-time error %1: %2").arg(error.number()).arg(error.what()));
    } catch (const std::exception& error) {
        fail(QStringLiteral("Run-time error: %1").arg(error.what()));
    }
}

void FormTao::fail(const QString& report)
{
    // Every draw still running stops at its next yield; the event loop, if it runs, ends.
    exitCode_ = 1;
    runtime_->stop();
    std::fprintf(stderr, "ostrel: %s\n", qPrintable(report));
    QMessageBox::critical(isVisible() ? this : nullptr, windowTitle(), report);
    QCoreApplication::exit(exitCode_);
}

void FormTao::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void FormTao::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button, both on the free surface.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) Form_Click();
}

void FormTao::closeEvent(QCloseEvent* event)
{
    // Draws in progress end at their next yield without writing; an open about box closes.
    runtime_->stop();
    QWidget::closeEvent(event);
}

}  // namespace ostrel
