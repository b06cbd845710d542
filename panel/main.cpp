#include "localecatalogue.h"
#include "telemetryswitch.h"
#include "zeldialog.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

int main(int argc, char **argv)
{
    handleTelemetryOption(argc, argv);

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/appicon_rb")));

    // Installed before the dialog exists: it translates its texts while it is built.
    QTranslator translator;
    translator.load(catalogueForLocaleName(QLocale::system().name()));
    QApplication::installTranslator(&translator);

    ZelDialog dialog;
    dialog.show();
    return app.exec();
}
