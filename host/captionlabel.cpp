#include "captionlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace ostrel {
namespace {

constexpr int kAlignment = int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine;

class AccessibleCaption : public QAccessibleWidget {
public:
    explicit AccessibleCaption(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const CaptionLabel*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleCaption(const QString& className, QObject* object)
{
    if (className == QLatin1String(CaptionLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new AccessibleCaption(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QFrame(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleCaption), true);
    Q_UNUSED(factoryInstalled);

    // A click on a label is the label's own and never reaches the window behind it.
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::NoFocus);
    frame_.setSingleShot(true);
    frame_.setTimerType(Qt::PreciseTimer);
    connect(&frame_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    sinceFrame_.start();
}

void CaptionLabel::setCaption(QStringView caption)
{
    caption_.resize(caption.size());
    std::copy(caption.begin(), caption.end(), caption_.begin());
    if (!isVisible() || frame_.isActive()) return;  // a hidden label is painted when shown
    frame_.start(static_cast<int>(std::max<qint64>(0, kFrameMs - sinceFrame_.elapsed())));
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), kAlignment, palette(), isEnabled(), caption_,
                          foregroundRole());
    ++framesPainted_;
    sinceFrame_.restart();

    if (caption_ != announced_) {
        announced_ = caption_;
        if (QAccessible::isActive()) {
            QAccessibleEvent changed(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

}  // namespace ostrel
