#include "startup.h"

#include <QApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "version.h"

namespace ostrel {
namespace {

QString& firstMessage()
{
    static QString message;
    return message;
}

void startMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (firstMessage().isEmpty()) firstMessage() = message.section(QLatin1Char('\n'), 0, 0);
    if (type != QtFatalMsg) return;
    std::fprintf(stderr, "ostrel: cannot open a display (%s)\n", qPrintable(firstMessage()));
    std::fflush(stderr);
    std::_Exit(2);
}

}  // namespace

int runProgram(int argc, char* argv[], const FormTao::RuntimeWrapper& wrap)
{
    // While Qt starts, its own messages are held back, and a fatal one (no display could be
    // opened) becomes a single line on stderr and exit code 2, instead of an abort and a core dump.
    qInstallMessageHandler(startMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral(OSTREL_PRODUCT));
    QApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION_TEXT));

    FormTao form(wrap);
    form.Form_Load();
    if (form.exitCode() != 0) return form.exitCode();
    form.show();
    const int code = QApplication::exec();
    return form.exitCode() != 0 ? form.exitCode() : code;
}

}  // namespace ostrel
