#include "backgroundstart.h"
#include "catalogue.h"
#include "mainwindow.h"
#include "tpxdbus.h"

#include <cstdio>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

namespace {

const char serviceName[] = "com.quorvan.tpxui";

void writeDiagnostic(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    BackgroundStart::detach();

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/appicon_rb")));

    QTranslator translator;
    // A catalogue that fails to load leaves the source texts, which will do.
    (void)translator.load(catalogueForLocale(QLocale::system().name()));
    app.installTranslator(&translator);

    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        writeDiagnostic(QStringLiteral("tpxui: cannot connect to the system bus: %1")
                            .arg(bus.lastError().message()));
        BackgroundStart::report(1);
        return 1;
    }

    // Asked directly rather than through registerService(), which tells a
    // name owned by someone else apart from nothing and leaves no message.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> owned =
        bus.interface()->registerService(QLatin1String(serviceName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!owned.isValid() || owned.value() != QDBusConnectionInterface::ServiceRegistered) {
        const QString reason = owned.isValid()
            ? QStringLiteral("another process owns it")
            : owned.error().message();
        writeDiagnostic(QStringLiteral("tpxui: cannot own the name %1 on the system bus: %2")
                            .arg(QLatin1String(serviceName), reason));
        BackgroundStart::report(1);
        return 1;
    }

    tpxdbus messenger;
    if (!bus.registerObject(QStringLiteral("/"), &messenger, QDBusConnection::ExportAllSlots)) {
        writeDiagnostic(QStringLiteral("tpxui: cannot publish the object / on the system bus: %1")
                            .arg(bus.lastError().message()));
        BackgroundStart::report(1);
        return 1;
    }

    MainWindow window;
    QObject::connect(&messenger, &tpxdbus::messageRecieved, &window, &MainWindow::displayMessage);

    BackgroundStart::report(0);
    app.exec();
    return 0;
}
