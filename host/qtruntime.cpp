#include "qtruntime.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "captionlabel.h"

namespace ostrel {

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
        controls_.title->setCaption(toQString(text));
        break;
    case Control::labHexagram:
        controls_.number->setCaption(toQString(text));
        break;
    }
}

bool QtRuntime::doEvents()
{
    if (!stopped_) QCoreApplication::processEvents(QEventLoop::AllEvents);
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
    box.exec();
}

void QtRuntime::stop()
{
    stopped_ = true;
    if (openBox_) openBox_->done(QMessageBox::Ok);
}

}  // namespace ostrel
