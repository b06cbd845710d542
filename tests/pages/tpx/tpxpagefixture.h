#pragma once

// The print-accounting page inside the main dialog, on the sample queue with
// the accounting options, logging in to the stand-in server: what the dialog
// tests of this folder share.

#include "boxrecorder.h"
#include "dialogsession.h"
#include "fixturestore.h"
#include "harness/tpxserver.h"
#include "kcurl.h"
#include "koption.h"
#include "kchoice.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "storedsettings.h"
#include "tpxtab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

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
    tpxserver::Server server;
    std::unique_ptr<ZelDialog> dialog;
    std::unique_ptr<BoxRecorder> boxes;

    // Once per test program: an ordinary user, a private CUPS, the server.
    void prepare(const QString &name)
    {
        m_session.reset(new DialogSession(name, DialogSession::PrivateCups));
        QVERIFY2(m_session->start(), m_session->whyNot());
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(server.trustCa());
        QVERIFY2(m_session->freshUser(), m_session->whyNot());
    }

    void finish()
    {
        close();
        server.stop();
        m_session.reset();
    }

    QString settingsPath() const { return m_session->settingsPath(queue); }

    // Writes the queue's settings and picks the queue in a new dialog. The
    // requests and replies of the server are left as they are.
    void open(const QStringList &settings)
    {
        close();
        QVERIFY(storedsettings::write(settingsPath(), settings));
        boxes.reset(new BoxRecorder);
        dialog.reset(new ZelDialog);
        QVERIFY(paneldriver::choosePrinterAndPage(*dialog, queue, page()));
        m_messages.reset(new QSignalSpy(page()->client, &kcurl::messageReady));
        m_errors.reset(new QSignalSpy(page()->client, &kcurl::errorReady));
    }

    void close()
    {
        m_messages.reset();
        m_errors.reset();
        dialog.reset();
        boxes.reset();
        DialogSession::forgetState();
    }

    TPXTab *page() const { return dialog->tpxTab; }

    // Replies the client handed on since the dialog was opened.
    int replies() const { return m_messages->count() + m_errors->count(); }
    bool waitForReplies(int count)
    {
        return QTest::qWaitFor([&]() { return replies() >= count; }, 20000);
    }

    // OK, Apply and "Save As..." go together.
    bool applicable() const { return paneldriver::shownButtons(*dialog) == paneldriver::buttonsShowing(true); }
    bool blocked() const { return paneldriver::shownButtons(*dialog) == paneldriver::buttonsShowing(false); }

    // The message of the page's error mark, empty when it shows none.
    QString mark() const
    {
        const QLabel *caption = page()->toggleGroup->captionLabel();
        if (!caption->text().contains(QLatin1String("<img src=':/icons/error'>")))
            return QString();
        return caption->toolTip();
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
    std::unique_ptr<DialogSession> m_session;
    std::unique_ptr<QSignalSpy> m_messages;
    std::unique_ptr<QSignalSpy> m_errors;
};
}
