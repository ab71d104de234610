#include "startup.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

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

void reportStartFailuresPlainly() { qInstallMessageHandler(startMessages); }

void startupDone() { qInstallMessageHandler(nullptr); }

}  // namespace ostrel
