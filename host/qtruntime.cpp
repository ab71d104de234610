#include "qtruntime.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <cstdlib>
#include <xcb/xcb.h>

#include "captionlabel.h"

namespace ostrel {
namespace {

// Qt holds the window manager's close request back from a window that a modal box blocks. On
// X11 this passes it on while the about box is open, so that closing the window still ends the
// program: the window's close event closes the box.
class CloseRequests final : public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(QWidget* window) : window_(window)
    {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        // The offscreen platform answers for X11 too, with no connection.
        if (!x11 || !x11->connection() || !window_) return;
        connection_ = x11->connection();
        protocols_ = atom("WM_PROTOCOLS");
        deleteWindow_ = atom("WM_DELETE_WINDOW");
        qApp->installNativeEventFilter(this);
    }
    ~CloseRequests() override
    {
        if (connection_) qApp->removeNativeEventFilter(this);
    }
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        const auto* request = static_cast<const xcb_client_message_event_t*>(message);
        if (!window_ || request->window != window_->winId() || request->format != 32 ||
            request->type != protocols_ || request->data.data32[0] != deleteWindow_)
            return false;
        QMetaObject::invokeMethod(window_.data(), &QWidget::close, Qt::QueuedConnection);
        return true;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        const auto cookie = xcb_intern_atom(connection_, false, qstrlen(name), name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection_, cookie, nullptr);
        xcb_atom_t result = XCB_ATOM_NONE;
        if (reply) result = reply->atom;
        std::free(reply);
        return result;
    }

    QPointer<QWidget> window_;
    xcb_connection_t* connection_ = nullptr;
    xcb_atom_t protocols_ = XCB_ATOM_NONE;
    xcb_atom_t deleteWindow_ = XCB_ATOM_NONE;
};

}  // namespace

QString toQString(const std::u16string& text)
{
    QString result(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

QtRuntime::QtRuntime(const Controls& controls) : controls_(controls) {}

void QtRuntime::setText(Control control, const std::u16string& text)
{
    switch (control) {
    case Control::TextTao:
        controls_.text->setPlainText(toQString(text));
        break;
    case Control::labDisplayHexagram:
        controls_.title->setCaption(text);
        break;
    case Control::labHexagram:
        controls_.number->setCaption(text);
        break;
    }
}

bool QtRuntime::doEvents()
{
    if (stopped_) return false;
    // Until the window is shown no input can reach it and nothing of it is painted, so the
    // first draw, run while the window is hidden, need not pay for an event-loop pass on each of
    // its 40,002 yields: it lets events run at most once a millisecond.
    // Reading the clock costs as much as the rest of a yield, so it is read every 64th one.
    if (!controls_.window->isVisible()) {
        if (++hiddenYields_ % kHiddenYieldsPerClockRead != 0) return true;
        if (sinceHiddenPass_.isValid() && sinceHiddenPass_.nsecsElapsed() < kHiddenPassNs)
            return true;
        sinceHiddenPass_.start();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !stopped_;
}

void QtRuntime::messageBox(const std::u16string& prompt, const std::u16string& title)
{
    if (stopped_) return;
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(prompt), QMessageBox::Ok,
                    controls_.window);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    openBox_ = &box;
    const CloseRequests closeRequests(controls_.window);
    box.exec();
}

void QtRuntime::stop()
{
    stopped_ = true;
    if (openBox_) openBox_->done(QMessageBox::Ok);
}

}  // namespace ostrel
