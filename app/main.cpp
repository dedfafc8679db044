#include <QApplication>
#include <QTranslator>

#include <QSettings>
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    // The crash box is the very first thing: a fault anywhere later is reported. The same
    // executable doubles as the process that shows the box for a crashed instance.
    // (installed here)

    // Must be set before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);
    QTranslator translator;
    // A missing or broken translation leaves the source texts, silently.
    const QString stored = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Miravelo")
                               .value("Language")
                               .toString();
    translator.load(QCoreApplication::applicationDirPath() + "/Language/" +
                    (stored == "SChina" ? "zh_cn.qm" : "en_us.qm"));
    app.installTranslator(&translator);

    int result = 0;
    {
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
