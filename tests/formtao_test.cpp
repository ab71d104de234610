#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "captionlabel.h"
#include "formtao.h"
#include "qtruntime.h"
#include "taochapters.h"
#include "taochaptertext.h"
#include "version.h"

using namespace ostrel;

namespace {

// Watches for the application's modal box, notes its title and text, and closes it after
// holdMs, checking meanwhile that the number label stands still.
class BoxWatcher : public QObject {
public:
    explicit BoxWatcher(CaptionLabel* number, int holdMs = 0) : number_(number), holdMs_(holdMs)
    {
        connect(&poll_, &QTimer::timeout, this, &BoxWatcher::check);
        poll_.start(5);
    }

    int boxes = 0;
    QString title, text;
    bool numberStoodStill = true;

private:
    void check()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (!open_.isValid()) {
            ++boxes;
            title = box->windowTitle();
            text = box->text();
            frozen_ = number_->caption();
            open_.start();
        }
        numberStoodStill = numberStoodStill && number_->caption() == frozen_;
        if (open_.elapsed() >= holdMs_) {
            open_.invalidate();
            box->button(QMessageBox::Ok)->click();
        }
    }

    CaptionLabel* number_;
    int holdMs_;
    QTimer poll_;
    QElapsedTimer open_;
    QString frozen_;
};

QString key(const QString& numberLine) { return numberLine.section(QLatin1Char(' '), -1); }

}  // namespace

class FormTaoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormTao> form;
    QPlainTextEdit* text = nullptr;
    QPushButton* button = nullptr;
    CaptionLabel* number = nullptr;
    CaptionLabel* title = nullptr;

    void click(QPoint at) { QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, at); }

    // The number line, the title line and the text all show the same chapter.
    void verifyShowsOneChapter()
    {
        const QString k = key(number->caption());
        QVERIFY(number->caption().startsWith(QStringLiteral("Tao T\u00e9 Ching - chapter n\u00b0 ")));
        const std::u16string chapterKey = k.toStdU16String();
        QCOMPARE(title->caption(), toQString(u" chapter " + chapterKey + u" : " +
                                             TaoChapters(chapterKey)));
        QVERIFY(!TaoChapterText(chapterKey).empty());
        QCOMPARE(text->toPlainText(), toQString(TaoChapterText(chapterKey)));
    }

private slots:
    void init()
    {
        form = std::make_unique<FormTao>();
        text = form->findChild<QPlainTextEdit*>(QStringLiteral("TextTao"));
        button = form->findChild<QPushButton*>(QStringLiteral("cmdGetTao"));
        number = form->findChild<CaptionLabel*>(QStringLiteral("labHexagram"));
        title = form->findChild<CaptionLabel*>(QStringLiteral("labDisplayHexagram"));
        QVERIFY(text && button && number && title);
    }

    void cleanup() { form.reset(); }

    void windowIsLaidOutAsDesigned()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Tao T\u00e9 Ching - Kel Ombra"));
        QCOMPARE(form->size(), QSize(450, 461));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(text->geometry(), QRect(16, 52, 433, 381));
        QCOMPARE(button->geometry(), QRect(418, 433, 33, 30));
        QCOMPARE(number->geometry(), QRect(44, 440, 221, 17));
        QCOMPARE(title->geometry(), QRect(32, 24, 385, 29));

        // Arial must resolve to Arial or its metric twin, not to whatever sans face is there.
        for (QWidget* w : {static_cast<QWidget*>(text), static_cast<QWidget*>(title)}) {
            const QFontInfo info(w->font());
            QVERIFY2(info.family() == "Arial" || info.family() == "Liberation Sans",
                     qPrintable(info.family()));
            QCOMPARE(info.weight(), int(QFont::Normal));
            QVERIFY(!info.italic());
        }
        QCOMPARE(text->font().pointSizeF(), 11.25);
        QCOMPARE(title->font().pointSizeF(), 18.0);
        QCOMPARE(text->palette().color(QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(text->palette().color(QPalette::Text), QColor(224, 224, 224));
        QCOMPARE(title->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(192, 192, 0));
        QVERIFY(title->autoFillBackground());

        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->autoDefault() && !button->isDefault());
        QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!button->accessibleName().isEmpty());
        QCOMPARE(number->focusPolicy(), Qt::NoFocus);
        QCOMPARE(title->focusPolicy(), Qt::NoFocus);
    }

    // The compiled-in images are the drawn ones, pixel for pixel, wherever the icon is shown.
    void iconIsTheDrawnImage()
    {
        const QImage drawn(QStringLiteral(OSTREL_ICON_32));
        const QImage rendered(QStringLiteral(OSTREL_ICON_64));
        QVERIFY(!drawn.isNull() && !rendered.isNull());
        const auto same = [](const QPixmap& shown, const QImage& image) {
            constexpr auto format = QImage::Format_ARGB32_Premultiplied;
            return shown.toImage().convertToFormat(format) == image.convertToFormat(format);
        };
        QVERIFY(same(form->windowIcon().pixmap(32, 32), drawn));
        QVERIFY(same(form->windowIcon().pixmap(64, 64), rendered));
        QVERIFY(same(button->icon().pixmap(32, 32), drawn));
        QVERIFY(same(button->cursor().pixmap(), drawn));
    }

    void windowOpensFilledWithFocusOnTheText()
    {
        QSignalSpy writes(text, &QPlainTextEdit::textChanged);
        form->Form_Load();
        QCOMPARE(writes.count(), 2);  // cleared, then filled
        QVERIFY(!form->isVisible());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        verifyShowsOneChapter();
        QCOMPARE(QApplication::focusWidget(), text);
        QVERIFY(!text->toPlainText().contains(QLatin1Char('\r')));
        const QString k = key(number->caption());
        const std::u16string chapter = TaoChapterText(k.toStdU16String());
        QCOMPARE(text->document()->blockCount(),
                 int(std::count(chapter.begin(), chapter.end(), u'\n')) + 1);
    }

    void clicksReachOnlyTheirOwnHandler()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        BoxWatcher watcher(number);
        QSignalSpy draws(text, &QPlainTextEdit::textChanged);

        // Labels, the text box and the button never reach the form's click.
        for (QPoint at : {QPoint(100, 35), QPoint(100, 448), QPoint(200, 200), QPoint(430, 445)})
            click(at);
        QCOMPARE(watcher.boxes, 0);
        QCOMPARE(draws.count(), 2);  // the button's click ran one draw

        click(QPoint(5, 5));    // the free corner
        click(QPoint(330, 448));  // beside the number label
        QCOMPARE(watcher.boxes, 2);
        QCOMPARE(draws.count(), 2);
        QCOMPARE(watcher.title, QStringLiteral("Ostrel"));
        QCOMPARE(watcher.text.count(QLatin1Char('\n')), 3);
        QVERIFY(!watcher.text.contains(QLatin1Char('\r')));
        QVERIFY(watcher.text.startsWith(QStringLiteral(OSTREL_PRODUCT " version " OSTREL_VERSION_TEXT "\n")));
    }

    void keyboardPressesTheButtonWithSpaceOnly()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QSignalSpy draws(text, &QPlainTextEdit::textChanged);
        QTest::keyClick(form->windowHandle(), Qt::Key_Return);
        QTest::keyClick(form->windowHandle(), Qt::Key_Enter);
        QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
        QCOMPARE(draws.count(), 0);
        QTest::keyClick(form->windowHandle(), Qt::Key_Space);
        QCOMPARE(draws.count(), 2);
        verifyShowsOneChapter();
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text);
        QCOMPARE(number->geometry(), QRect(44, 440, 221, 17));  // no label resizes itself
        QCOMPARE(title->geometry(), QRect(32, 24, 385, 29));
    }

    void pressDuringADrawNestsAndTheFirstDrawHasTheLastWord()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        int deepest = 0;
        QString nestedText;
        QTimer::singleShot(5, form.get(), [&] {
            click(QPoint(430, 445));
            nestedText = text->toPlainText();
        });
        QTimer depth;
        connect(&depth, &QTimer::timeout, [&] { deepest = std::max(deepest, form->draw().depth()); });
        depth.start(1);
        QSignalSpy writes(text, &QPlainTextEdit::textChanged);
        click(QPoint(430, 445));
        QCOMPARE(deepest, 2);
        QCOMPARE(writes.count(), 4);  // outer clear, nested clear and fill, outer fill
        QVERIFY(!nestedText.isEmpty());
        verifyShowsOneChapter();
        QCOMPARE(form->draw().depth(), 0);
    }

    void aThousandQueuedPressesStayWithinTheDepthBound()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        int deepest = 0;
        connect(text, &QPlainTextEdit::textChanged,
                [&] { deepest = std::max(deepest, form->draw().depth()); });
        QTimer::singleShot(5, form.get(), [&] {
            const QPointF centre(16, 15);
            for (int i = 0; i < 1000; ++i) {
                QCoreApplication::postEvent(
                    button, new QMouseEvent(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre),
                                            Qt::LeftButton, Qt::LeftButton, {}));
                QCoreApplication::postEvent(
                    button, new QMouseEvent(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre),
                                            Qt::LeftButton, Qt::NoButton, {}));
            }
        });
        click(QPoint(430, 445));
        QCOMPARE(deepest, ChapterDraw::kMaxDepth);
        QCOMPARE(form->draw().depth(), 0);
        verifyShowsOneChapter();
    }

    void aboutBoxDuringADrawHoldsTheFlicker()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        BoxWatcher watcher(number, 150);
        QTimer::singleShot(5, form.get(), [&] { click(QPoint(5, 5)); });
        click(QPoint(430, 445));
        QCOMPARE(watcher.boxes, 1);
        QVERIFY(watcher.numberStoodStill);
        verifyShowsOneChapter();
    }

    void closingDuringADrawStopsEveryDraw()
    {
        form->Form_Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QString numberAtClose;
        QTimer::singleShot(5, form.get(), [&] {
            QTimer::singleShot(5, form.get(), [&] {  // inside the nested draw
                form->close();
                numberAtClose = number->caption();
            });
            click(QPoint(430, 445));
        });
        QSignalSpy writes(text, &QPlainTextEdit::textChanged);
        click(QPoint(430, 445));
        QVERIFY(form->runtime().stopped());
        QCOMPARE(form->draw().depth(), 0);
        QCOMPARE(number->caption(), numberAtClose);
        QCOMPARE(writes.count(), 2);  // both draws cleared the text, neither filled it
        QVERIFY(text->toPlainText().isEmpty());
    }
};

QTEST_MAIN(FormTaoTest)
#include "formtao_test.moc"
