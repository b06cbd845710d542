#pragma once

// What the tests of one page inside the real main dialog share: a dialog on
// screen with one queue of the private cupsd picked and the page in front,
// a fresh user (and settings file) for every test, and the verdict of the
// constraint pass as the user sees it.

#include "dialogsession.h"
#include "paneldriver.h"
#include "tab.h"
#include "zeldialog.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>

class DialogPageTest : public QObject
{
    Q_OBJECT

protected:
    DialogPageTest(const QString &stem, const QString &queueName)
        : session(stem, DialogSession::PrivateCups), queue(queueName)
    {
    }

    // The page under test in the open dialog.
    virtual Tab *pageUnderTest() const = 0;

    QString cfgPath() const { return session.settingsPath(queue); }
    QString verdict() const { return paneldriver::shownVerdict(*dialog, pageUnderTest()); }

    // A user of its own, so no test finds another's settings file; with
    // stored lines its file for the queue holds them.
    void useFreshUser(const QStringList &stored = QStringList())
    {
        QVERIFY2(session.freshUser(queue, stored), session.whyNot());
    }

    // A new dialog on screen with the queue picked and the page in front;
    // false, with the test failed, when it could not be done.
    bool openOnQueue()
    {
        dialog.reset(new ZelDialog);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) {
            QTest::qFail("the dialog was never shown", __FILE__, __LINE__);
            return false;
        }
        return paneldriver::choosePrinterAndPage(*dialog, queue, pageUnderTest());
    }

    DialogSession session;
    const QString queue;
    std::unique_ptr<ZelDialog> dialog;

private slots:
    void initTestCase() { QVERIFY2(session.start(), session.whyNot()); }
    void cleanup()
    {
        dialog.reset();
        DialogSession::forgetState();
    }
};
