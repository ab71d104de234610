// Measures Ostrel against its targets and prints each figure and ratio.
//
//   ostrel-bench            starts Xvfb and a headless Weston, runs every measurement in a
//                           child process of its own, and prints the table
//   ostrel-bench MODE       one measurement in this process (the driver's children)
//
// The targets: a visible draw under X11 and Wayland takes at most 1.5 x the same draw on Qt's
// offscreen platform, with the number label repainted at least once per 20 ms; start-up to the
// first frame of the filled window at most 1.25 x that of an empty Qt window of the same size;
// peak memory at most 1.15 x the empty window's; 500 draws grow the resident set by under 1 MiB.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "captionlabel.h"
#include "formtao.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of the bytes allocated and not yet freed (g++ ships no header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// --- measurements, each in a process of its own -------------------------------------------

long kibibytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    return 0;
}

void report(const char* key, double value) { std::printf("%s %.3f\n", key, value), std::fflush(stdout); }

// Prints "frame" once the widget has painted its first frame, then the peak memory, and quits.
void reportFirstFrame(QWidget* window)
{
    struct Watch : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !seen) {
                seen = true;
                QTimer::singleShot(0, [] {
                    std::printf("frame\n");
                    std::fflush(stdout);
                    report("peak_kib", kibibytes("VmHWM:"));
                    QCoreApplication::quit();
                });
            }
            return false;
        }
        bool seen = false;
    };
    window->installEventFilter(new Watch);
}

int startupEmpty()
{
    QWidget window;
    window.setFixedSize(450, 461);
    reportFirstFrame(&window);
    window.show();
    return QApplication::exec();
}

// For reference: the same empty window with one line of text, which is what loads the fonts.
int startupLabel()
{
    QWidget window;
    window.setFixedSize(450, 461);
    auto* label = new QLabel(QStringLiteral("Tao Te Ching"), &window);
    label->move(44, 440);
    reportFirstFrame(&window);
    window.show();
    return QApplication::exec();
}

int startupOstrel()
{
    QElapsedTimer clock;
    clock.start();
    ostrel::FormTao form;
    report("build_ms", clock.nsecsElapsed() / 1e6);
    clock.restart();
    form.Form_Load();
    report("first_draw_ms", clock.nsecsElapsed() / 1e6);
    reportFirstFrame(&form);
    form.show();
    return QApplication::exec();
}

// Opens the window as the program does: the first draw while hidden, then shown and exposed.
bool openWindow(ostrel::FormTao& form)
{
    form.Form_Load();
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

// One visible draw through the button's handler: its time and the frames the number label got.
int draw()
{
    ostrel::FormTao form;
    if (!openWindow(form)) return 1;
    QTest::qWait(200);
    auto* number = form.findChild<ostrel::CaptionLabel*>(QStringLiteral("labHexagram"));
    for (int run = 0; run < 3; ++run) {
        const int framesBefore = number->framesPainted();
        QElapsedTimer clock;
        clock.start();
        form.cmdGetTao_Click();
        const double ms = clock.nsecsElapsed() / 1e6;
        report("draw_ms", ms);
        report("frames", number->framesPainted() - framesBefore);
        QTest::qWait(50);
    }
    return 0;
}

// One visible draw, bracketed by "go" and "done" so that a listener's events can be counted.
int drawOnce()
{
    ostrel::FormTao form;
    if (!openWindow(form)) return 1;
    QTest::qWait(1000);
    std::printf("go\n");
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    form.cmdGetTao_Click();
    report("draw_ms", clock.nsecsElapsed() / 1e6);
    QTest::qWait(1000);  // the final captions are announced with the next frame
    std::printf("done\n");
    std::fflush(stdout);
    return 0;
}

// 500 draws in a row: the resident set before and after.
int soak()
{
    ostrel::FormTao form;
    if (!openWindow(form)) return 1;
    for (int i = 0; i < 10; ++i) form.cmdGetTao_Click();
    const long before = kibibytes("VmRSS:");
    for (int i = 0; i < 500; ++i) form.cmdGetTao_Click();
    report("rss_growth_kib", kibibytes("VmRSS:") - before);
    return 0;
}

// What the soak bounds: the resident set; under AddressSanitizer, whose quarantine of freed
// blocks and bookkeeping fill the resident set, the heap in use.
long footprintKib()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return kibibytes("VmRSS:");
#endif
}

// 500 draws with the about box opened and closed after each: what the program holds must not
// grow by more than 1 MiB. Prints its figures and fails (exit code 1) past the bound.
int soakWithAbout()
{
    constexpr int kWarmUp = 20, kCycles = 500;
    constexpr long kBoundKib = 1024;
    ostrel::FormTao form;
    if (!openWindow(form)) return 1;

    // The box is modal and holds the click's handler until it closes: a timer closes it.
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(1);
    const auto cycle = [&form] {
        form.cmdGetTao_Click();
        form.Form_Click();
    };

    for (int i = 0; i < kWarmUp; ++i) cycle();
    const long rssBefore = kibibytes("VmRSS:");
    const long before = footprintKib();
    const int boxesBefore = boxes;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kCycles; ++i) cycle();
    const long growth = footprintKib() - before;
    report("soak_draws", kCycles);
    report("soak_about_boxes", boxes - boxesBefore);
    report("soak_seconds", clock.nsecsElapsed() / 1e9);
    report("rss_before_kib", rssBefore);
    report("rss_growth_kib", kibibytes("VmRSS:") - rssBefore);
#if defined(__SANITIZE_ADDRESS__)
    report("heap_before_kib", before);
    report("heap_growth_kib", growth);
#endif
    return boxes - boxesBefore == kCycles && growth <= kBoundKib ? 0 : 1;
}

// --- the driver ---------------------------------------------------------------------------

struct Server {
    QString name;
    QProcessEnvironment environment;
};

class Driver {
public:
    Driver()
    {
        base_ = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) base_.remove(name);
    }
    ~Driver()
    {
        for (QProcess* server : servers_) {
            server->terminate();
            server->waitForFinished(3000);
            delete server;
        }
    }

    QProcessEnvironment offscreen()
    {
        auto env = base_;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    QProcessEnvironment x11()
    {
        auto* xvfb = start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                   QStringLiteral("-screen"), QStringLiteral("0"),
                                                   QStringLiteral("1024x768x24"),
                                                   QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                   QStringLiteral("-noreset")});
        QByteArray display;
        while (!display.contains('\n') && xvfb->waitForReadyRead(10000)) display += xvfb->readAll();
        auto env = base_;
        env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(display.trimmed()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    QProcessEnvironment wayland()
    {
        const QString runtime = dir_.path() + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        auto env = base_;
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        auto* weston = new QProcess;
        weston->setProcessEnvironment(env);
        weston->start(QStringLiteral("weston"),
                      {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                       QStringLiteral("--socket=wayland-bench"), QStringLiteral("--idle-time=0")});
        servers_.push_back(weston);
        for (int i = 0; i < 100 && !QFile::exists(runtime + QStringLiteral("/wayland-bench")); ++i)
            QTest::qWait(100);
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-bench"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        return env;
    }

    // A private session bus with the accessibility bus on it, and a listener counting name
    // changes as a screen reader would. Gives the environment for programs to run with.
    QProcessEnvironment accessible(const QProcessEnvironment& platform)
    {
        auto* bus = start(QStringLiteral("dbus-daemon"),
                          {QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1")});
        QByteArray address;
        while (!address.contains('\n') && bus->waitForReadyRead(10000)) address += bus->readAll();
        auto env = platform;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(address.trimmed()));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        listener_ = new QProcess;
        listener_->setProcessEnvironment(env);
        listener_->start(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral(OSTREL_BENCH_DIR "/atspi_listen.py")});
        servers_.push_back(listener_);
        QByteArray ready;
        while (!ready.contains("listening") && listener_->waitForReadyRead(20000)) ready += listener_->readAll();
        return env;
    }

    // Name changes the listener has heard since the last call, after waiting settleMs for
    // those still on their way.
    int heard(int settleMs)
    {
        QTest::qWait(settleMs);
        return int(listener_->readAllStandardOutput().count("event "));
    }

    // Runs this program in MODE and gives the figures it printed, keyed by name.
    std::vector<std::pair<QString, double>> run(const QString& mode, const QProcessEnvironment& env,
                                                double* firstFrameMs = nullptr)
    {
        QProcess child;
        child.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {mode});
        std::vector<std::pair<QString, double>> figures;
        QByteArray pending;
        while (child.state() != QProcess::NotRunning || child.bytesAvailable()) {
            child.waitForReadyRead(100);
            pending += child.readAllStandardOutput();
            int end;
            while ((end = pending.indexOf('\n')) >= 0) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                if (line == "frame" && firstFrameMs) *firstFrameMs = clock.nsecsElapsed() / 1e6;
                if (line == "go" && listener_) heard(0);
                if (line == "done" && listener_) figures.emplace_back(QStringLiteral("events"), heard(300));
                const auto parts = line.split(' ');
                if (parts.size() == 2) figures.emplace_back(QString::fromLatin1(parts[0]), parts[1].toDouble());
            }
            if (clock.elapsed() > 120000) {
                std::fprintf(stderr, "ostrel-bench: %s took too long, stopped\n", qPrintable(mode));
                child.kill();
            }
        }
        return figures;
    }

private:
    QProcess* start(const QString& program, const QStringList& arguments)
    {
        auto* process = new QProcess;
        process->start(program, arguments);
        servers_.push_back(process);
        return process;
    }

    QProcessEnvironment base_;
    QTemporaryDir dir_;
    std::vector<QProcess*> servers_;
    QProcess* listener_ = nullptr;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::vector<double> all(const std::vector<std::pair<QString, double>>& figures, const char* key)
{
    std::vector<double> values;
    for (const auto& [name, value] : figures)
        if (name == QLatin1String(key)) values.push_back(value);
    return values;
}

void line(const char* what, double value, const char* unit, double target, bool below)
{
    const bool met = below ? value <= target : value >= target;
    std::printf("%-52s %10.3f %-4s target %s %.2f  %s\n", what, value, unit, below ? "<=" : ">=",
                target, met ? "met" : "MISSED");
}

int driver()
{
    Driver driver;
    struct Platform {
        const char* name;
        QProcessEnvironment env;
    };
    const std::vector<Platform> platforms = {
        {"offscreen", driver.offscreen()}, {"x11", driver.x11()}, {"wayland", driver.wayland()}};

    std::printf("Ostrel benchmark (medians)\n\n");
    double offscreenDraw = 0;
    for (const auto& [name, env] : platforms) {
        const auto figures = driver.run(QStringLiteral("draw"), env);
        const double ms = median(all(figures, "draw_ms"));
        const double frames = median(all(figures, "frames"));
        if (offscreenDraw == 0) offscreenDraw = ms;
        std::printf("draw %-10s %9.1f ms, %5.0f frames of the number label\n", name, ms, frames);
        if (std::string(name) != "offscreen") {
            line(qPrintable(QStringLiteral("visible draw %1 / offscreen").arg(name)), ms / offscreenDraw,
                 "", 1.5, true);
            line(qPrintable(QStringLiteral("ms of draw per repaint, %1").arg(name)),
                 frames > 0 ? ms / frames : ms, "ms", 20, true);
        }
    }

    std::printf("\n");
    for (const auto& [name, env] : platforms) {
        if (std::string(name) == "offscreen") continue;
        std::vector<double> empty, filled, labelled, emptyPeak, filledPeak, labelledPeak, build, firstDraw;
        for (int i = 0; i < 11; ++i) {
            double ms = 0;
            emptyPeak.push_back(median(all(driver.run(QStringLiteral("startup-empty"), env, &ms), "peak_kib")));
            empty.push_back(ms);
            labelledPeak.push_back(median(all(driver.run(QStringLiteral("startup-label"), env, &ms), "peak_kib")));
            labelled.push_back(ms);
            const auto figures = driver.run(QStringLiteral("startup-ostrel"), env, &ms);
            filledPeak.push_back(median(all(figures, "peak_kib")));
            filled.push_back(ms);
            build.push_back(median(all(figures, "build_ms")));
            firstDraw.push_back(median(all(figures, "first_draw_ms")));
        }
        std::printf("start-up %-8s empty window %.1f ms, %.0f KiB; with one label %.1f ms, %.0f KiB;\n"
                    "                  Ostrel %.1f ms, %.0f KiB (building the window %.1f ms, the hidden "
                    "first draw %.1f ms)\n",
                    name, median(empty), median(emptyPeak), median(labelled), median(labelledPeak),
                    median(filled), median(filledPeak), median(build), median(firstDraw));
        line(qPrintable(QStringLiteral("start-up to first frame, %1: Ostrel / empty").arg(name)),
             median(filled) / median(empty), "", 1.25, true);
        line(qPrintable(QStringLiteral("peak memory, %1: Ostrel / empty").arg(name)),
             median(filledPeak) / median(emptyPeak), "", 1.15, true);
        std::printf("  for reference, against the window with one label: start-up %.3f, peak memory "
                    "%.3f; the label alone against the empty window: %.3f, %.3f\n",
                    median(filled) / median(labelled), median(filledPeak) / median(labelledPeak),
                    median(labelled) / median(empty), median(labelledPeak) / median(emptyPeak));
    }

    std::printf("\nWith a screen reader listening on the accessibility bus (x11)\n");
    const QProcessEnvironment a11y = driver.accessible(platforms[1].env);
    std::vector<double> drawMs, events, empty, filled;
    for (int i = 0; i < 3; ++i) {
        const auto figures = driver.run(QStringLiteral("draw-once"), a11y);
        drawMs.push_back(median(all(figures, "draw_ms")));
        events.push_back(median(all(figures, "events")));
        double ms = 0;
        driver.run(QStringLiteral("startup-empty"), a11y, &ms);
        empty.push_back(ms);
        driver.run(QStringLiteral("startup-ostrel"), a11y, &ms);
        filled.push_back(ms);
    }
    std::printf("draw %.1f ms, %.0f name changes; start-up empty %.1f ms, Ostrel %.1f ms\n",
                median(drawMs), median(events), median(empty), median(filled));
    line("visible draw x11 with a listener / offscreen", median(drawMs) / offscreenDraw, "", 1.5, true);
    line("name changes in one draw (bound: draw ms / 16 + 10)", median(events),
         "", median(drawMs) / 16 + 10, true);
    line("start-up with a listener: Ostrel / empty", median(filled) / median(empty), "", 1.25, true);

    std::printf("\n");
    const double growth = median(all(driver.run(QStringLiteral("soak"), driver.offscreen()), "rss_growth_kib"));
    line("resident set growth over 500 draws", growth, "KiB", 1024, true);
    const double aboutGrowth =
        median(all(driver.run(QStringLiteral("soak-about"), driver.offscreen()), "rss_growth_kib"));
    line("resident set growth, 500 draws and about boxes", aboutGrowth, "KiB", 1024, true);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.isEmpty()) {
        QCoreApplication app(argc, argv);
        return driver();
    }
    QApplication app(argc, argv);
    const std::vector<std::pair<const char*, std::function<int()>>> modes = {
        {"startup-empty", startupEmpty}, {"startup-label", startupLabel},
        {"startup-ostrel", startupOstrel}, {"draw", draw}, {"draw-once", drawOnce},
        {"soak", soak}, {"soak-about", soakWithAbout}};
    for (const auto& [name, run] : modes)
        if (mode == QLatin1String(name)) return run();
    std::fprintf(stderr, "ostrel-bench: unknown mode %s\n", argv[1]);
    return 2;
}
