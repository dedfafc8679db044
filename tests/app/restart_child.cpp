// Started with "restart" it asks for a new instance of itself and ends; the new instance, started
// without arguments, records its command line in the file named by RESTART_MARKER.
#include "app/Language.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "restart")
        return Language::startNewInstance() ? 0 : 1;
    QFile marker(qEnvironmentVariable("RESTART_MARKER"));
    if (!marker.open(QIODevice::WriteOnly))
        return 2;
    marker.write(QString::number(argc).toUtf8());
    return 0;
}
