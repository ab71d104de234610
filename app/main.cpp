#include <QApplication>

#include "formtao.h"
#include "startup.h"
#include "version.h"

int main(int argc, char* argv[])
{
    ostrel::reportStartFailuresPlainly();
    QApplication app(argc, argv);
    ostrel::startupDone();
    QApplication::setApplicationName(QStringLiteral(OSTREL_PRODUCT));
    QApplication::setApplicationVersion(QStringLiteral(OSTREL_VERSION_TEXT));

    ostrel::FormTao form;
    form.Form_Load();
    if (form.exitCode() != 0) return form.exitCode();
    form.show();
    const int code = QApplication::exec();
    return form.exitCode() != 0 ? form.exitCode() : code;
}
