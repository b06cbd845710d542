#include "mainwindow.h"

#include "loginname.h"

#include <QDebug>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Every word that selects a reason, as generateDisplayMessage looks for them.
const QStringList reasonWords = {
    QStringLiteral("Connection"), QStringLiteral("Login"), QStringLiteral("Printer"), QStringLiteral("Quota"),
    QStringLiteral("Credit"), QStringLiteral("Duplex"), QStringLiteral("Color"), QStringLiteral("Thriftink"),
};

QString restrictionList(const QString &notice)
{
    static const char *const restrictions[] = {
        QT_TRANSLATE_NOOP("QObject", "Duplex"),
        QT_TRANSLATE_NOOP("QObject", "Color"),
        QT_TRANSLATE_NOOP("QObject", "Thriftink"),
    };
    QString lines;
    for (const char *keyword : restrictions) {
        if (notice.contains(QLatin1String(keyword), Qt::CaseInsensitive))
            lines += QStringLiteral("- ") + QObject::tr(keyword) + QLatin1Char('\n');
    }
    if (lines.isEmpty())
        return QString();
    return QObject::tr("You have the following print restrictions:") + QLatin1Char('\n') + lines
        + QLatin1Char('\n') + QObject::tr("Printing is canceled");
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QDialog(parent)
{
    label = new QLabel(QStringLiteral("This is the default message, it should never be visible"));
    auto *layout = new QVBoxLayout;
    layout->addWidget(label);
    setWindowTitle(tr("Ondrix"));
    setLayout(layout);
}

void MainWindow::displayMessage(QString message)
{
    const QString user = LoginName::current();
    if (!LoginName::isNamedIn(message, user))
        return;
    // The user's own name must not pick a reason: a login such as "colorado"
    // would otherwise read as a colour restriction.
    label->setText(generateDisplayMessage(LoginName::blankedOut(message, user, reasonWords)));
    show();
}

QString MainWindow::generateDisplayMessage(QString notice)
{
    qDebug() << "display message";
    const QString canceled = QObject::tr("Printing is canceled");
    if (notice.contains(QLatin1String("Connection"), Qt::CaseSensitive))
        return QObject::tr("Unable to connect to the server.") + QLatin1Char('\n') + canceled;
    if (notice.contains(QLatin1String("Login"), Qt::CaseSensitive))
        return QObject::tr("Login failed. The user name or password you entered is incorrect.")
            + QLatin1Char('\n') + canceled;
    if (notice.contains(QLatin1String("Printer"), Qt::CaseInsensitive))
        return QObject::tr("You do not have permission to print.");
    if (notice.contains(QLatin1String("Quota"), Qt::CaseInsensitive))
        return QObject::tr("This job will be canceled because you have reached one or more of your quotas.\n"
                           "Contact your administrator for further information.");
    if (notice.contains(QLatin1String("Credit"), Qt::CaseInsensitive)) {
        qDebug() << "No Credit";
        return QObject::tr("Not enough credit is available to print this job. Recharge your credit.");
    }
    return restrictionList(notice);
}
