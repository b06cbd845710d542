#pragma once

// The print-accounting page inside the main dialog, on the sample queue with
// the accounting options, logging in to the stand-in server: what the dialog
// tests of this folder share.

#include "boxrecorder.h"
#include "harness/tpxserver.h"
#include "kcurl.h"
#include "koption.h"
#include "kchoice.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "tpxtab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <unistd.h>

namespace tpxpage {

const QString queue = QStringLiteral("Quorvan_Accounting");
const QString user = QStringLiteral("alice");
const QString password = QStringLiteral("s3cret");

// The seven keys as the page stores them.
inline QStringList storedConfig(const QString &enabled, const QString &server, const QString &port,
                                const QString &notify = QStringLiteral("ON"),
                                const QString &blocking = QStringLiteral("OFF"))
{
    return {QStringLiteral("TPX_enabled=") + enabled, QStringLiteral("TPX_notify=") + notify,
            QStringLiteral("TPX_server=") + server, QStringLiteral("TPX_blocking=") + blocking,
            QStringLiteral("TPX_port=") + port, QStringLiteral("TPX_username=") + user,
            QStringLiteral("TPX_password=") + password};
}

// One main dialog on the sample queue, its settings file written beforehand.
class Panel
{
public:
    QString userDir;
    tpxserver::Server server;
    std::unique_ptr<ZelDialog> dialog;
    std::unique_ptr<BoxRecorder> boxes;

    // Once per test program: an ordinary user, a private CUPS, the server.
    void prepare(const QString &name)
    {
        QVERIFY2(geteuid() != 0, "the panel refuses root: run this as an ordinary user (CTest does)");
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(server.trustCa());
        QVERIFY(m_home.isValid());
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toUtf8()); // lpoptions writes ~/.cups here
        userDir = paneldriver::preparePanelUser(name + QStringLiteral("-%1").arg(QCoreApplication::applicationPid()));
        QVERIFY2(!userDir.isEmpty(), "/usr/share/quorvan must be writable for every user");
    }

    void finish()
    {
        close();
        server.stop();
        paneldriver::removePanelUser(userDir);
        qputenv("HOME", m_savedHome);
    }

    QString settingsPath() const { return userDir + queue + QStringLiteral(".cfg"); }

    // Writes the queue's settings and picks the queue in a new dialog. The
    // requests and replies of the server are left as they are.
    void open(const QStringList &settings)
    {
        close();
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(settings.join(QLatin1Char('\n')).toUtf8() + '\n');
        file.close();
        boxes.reset(new BoxRecorder);
        dialog.reset(new ZelDialog);
        QVERIFY2(paneldriver::choosePrinter(*dialog, queue), "the sample queue is not listed");
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), queue);
        QVERIFY(page()->isEnabled());
        m_messages.reset(new QSignalSpy(page()->client, &kcurl::messageReady));
        m_errors.reset(new QSignalSpy(page()->client, &kcurl::errorReady));
    }

    void close()
    {
        m_messages.reset();
        m_errors.reset();
        dialog.reset();
        boxes.reset();
    }

    TPXTab *page() const { return dialog->tpxTab; }

    // Replies the client handed on since the dialog was opened.
    int replies() const { return m_messages->count() + m_errors->count(); }
    bool waitForReplies(int count)
    {
        return QTest::qWaitFor([&]() { return replies() >= count; }, 20000);
    }

    // OK, Apply and "Save As..." go together.
    bool applicable() const
    {
        const bool ok = dialog->buttonBox->button(QDialogButtonBox::Ok)->isEnabled();
        const bool apply = dialog->buttonBox->button(QDialogButtonBox::Apply)->isEnabled();
        const bool saveAs = dialog->saveAsButton->isEnabled();
        return ok && apply && saveAs;
    }
    bool blocked() const
    {
        return !dialog->buttonBox->button(QDialogButtonBox::Ok)->isEnabled()
            && !dialog->buttonBox->button(QDialogButtonBox::Apply)->isEnabled()
            && !dialog->saveAsButton->isEnabled();
    }

    // The message of the page's error mark, empty when it shows none.
    QString mark() const
    {
        const QLabel *caption = page()->toggleGroup->captionLabel();
        if (!caption->text().contains(QLatin1String("<img src=':/icons/error'>")))
            return QString();
        return caption->toolTip();
    }

    static QString marked(const QString &keyword)
    {
        kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
        return option && option->markedChoice() ? option->markedChoice()->name() : QString();
    }

    // Typing, as the user does: every key is an edit.
    static void type(QLineEdit *field, const QString &text, bool replace = true)
    {
        if (replace)
            field->selectAll();
        else
            field->end(false);
        QTest::keyClicks(field, text);
    }

    void switchOn() { page()->toggleGroup->button(1)->click(); }
    void switchOff() { page()->toggleGroup->button(0)->click(); }

    // Switched on, the fields filled in for the stand-in server.
    void fillIn()
    {
        type(page()->serverEdit, QStringLiteral("127.0.0.1"));
        type(page()->portEdit, server.portText());
        type(page()->userEdit, user);
        type(page()->passwordEdit, password);
    }

private:
    QTemporaryDir m_home;
    QByteArray m_savedHome;
    std::unique_ptr<QSignalSpy> m_messages;
    std::unique_ptr<QSignalSpy> m_errors;
};
}
