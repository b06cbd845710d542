// The Basic, Layout and Finishing pages inside the main dialog, run as the
// unprivileged user: a conflict of the Finishing page stops OK and Apply, and
// the rules between options grey choices on other pages through the pass.
#include "dialogsession.h"
#include "pages/pagefixture.h"
#include "paneldriver.h"

#include "booklettab.h"
#include "finishingtab.h"
#include "generaltab.h"
#include "publishingtab.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QLabel>

using namespace pagefixture;
using paneldriver::showsIcon;

namespace {
void setFolds(FinishingTab *page, bool tri, bool bi)
{
    for (auto pair : {qMakePair(page->triFoldButton, tri), qMakePair(page->biFoldButton, bi)}) {
        const bool was = pair.first->blockSignals(true);
        pair.first->setChecked(pair.second);
        pair.first->blockSignals(was);
    }
}
}

class BasicDialogTest : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-basic"), DialogSession::WithoutCups};
    QTemporaryDir m_dir;

    // A dialog with the store of ppd selected as the printer page would
    // select it, reloaded and checked once.
    ZelDialog *dialogFor(const QString &ppd, const QList<QPair<QString, QString>> &stored = {})
    {
        auto *dialog = new ZelDialog;
        useStore(storeFromPpd(ppd), m_dir, stored);
        for (Tab *page : qAsConst(dialog->tabs))
            dialog->updateTabEnabled(page);
        dialog->profileChanged();
        dialog->setConstraints();
        return dialog;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.start(), m_session.whyNot());
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_session.freshUser(), m_session.whyNot());
    }

    void cleanup() { DialogSession::forgetState(); }

    void foldConflictStopsApply()
    {
        QScopedPointer<ZelDialog> d(dialogFor(fixturePath(QStringLiteral("basic-finishing.ppd"))));
        FinishingTab *page = d->finishingTab;
        QVERIFY(d->tabWidget->isTabEnabled(d->tabWidget->indexOf(page)));
        QCOMPARE(paneldriver::shownVerdict(*d, page), paneldriver::verdictShowing(true));

        // Both on while neither mode is marked yet (by hand the engine keeps
        // the second one off, below).
        setFolds(page, true, true);
        page->checkFoldConstraints();
        d->setConstraints();
        QCOMPARE(paneldriver::shownVerdict(*d, page), paneldriver::verdictShowing(false));
        QVERIFY(showsIcon(*d, d->generalTab, d->generalTab->icon()));
        QVERIFY(page->triFoldLabel->text().contains(QStringLiteral("<img src=':/icons/error'>")));

        // Bi-fold off by hand: the pass that follows clears it all.
        page->biFoldButton->setChecked(false);
        QCOMPARE(paneldriver::shownVerdict(*d, page), paneldriver::verdictShowing(true));
        QVERIFY(!page->triFoldLabel->text().contains(QStringLiteral("<img")));
        // Tri-fold alone is marked now, which blocks bi-fold.
        QCOMPARE(markedName("cTriFld"), QStringLiteral("True"));
        QVERIFY(!page->biFoldButton->isEnabled());
        page->biFoldButton->setChecked(true);
        d->setConstraints();
        QVERIFY(!page->biFoldButton->isChecked());
        QCOMPARE(paneldriver::shownButtons(*d), paneldriver::buttonsShowing(true));
    }

    void duplexAndBookletRule()
    {
        QScopedPointer<ZelDialog> d(dialogFor(fixturePath(QStringLiteral("basic-layout.ppd")),
                                              {{"Duplex", "DuplexNoTumble"}}));
        GeneralTab *basic = d->generalTab;
        BookletTab *booklet = d->bookletTab;
        QCOMPARE(basic->duplexGroup->checkedName(), QStringLiteral("Long edge"));
        QVERIFY(booklet->bookletGroup->button(1)->isEnabled());

        booklet->bookletGroup->button(1)->click();
        QVERIFY(!basic->duplexGroup->button(0)->isEnabled());
        QVERIFY(basic->duplexGroup->button(2)->isEnabled());

        booklet->bookletGroup->button(0)->click();
        QVERIFY(basic->duplexGroup->button(0)->isEnabled());
        basic->duplexGroup->button(0)->click();
        QVERIFY(!booklet->bookletGroup->button(1)->isEnabled());
        QVERIFY(booklet->bookletGroup->button(2)->isEnabled());
        // Greyed, not marked: nothing stops Apply.
        QCOMPARE(paneldriver::shownButtons(*d), paneldriver::buttonsShowing(true));
        QVERIFY(showsIcon(*d, booklet, booklet->icon()));
    }

    void bookletGreysPublishingCover()
    {
        QScopedPointer<ZelDialog> d(dialogFor(fixturePath(QStringLiteral("basic-layout.ppd")),
                                              {{"Duplex", "DuplexNoTumble"}}));
        PublishingTab *publishing = d->publishingTab;
        QVERIFY(d->tabWidget->isTabEnabled(d->tabWidget->indexOf(publishing)));
        publishing->chkButCvr->setChecked(true);
        QVERIFY(publishing->chkButCvr->isEnabled());

        d->bookletTab->bookletGroup->button(2)->click();
        QVERIFY(!publishing->chkButCvr->isEnabled());
        QVERIFY(!publishing->chkButCvr->isChecked());
        QCOMPARE(markedName("cCovBut"), QStringLiteral("False"));
        QCOMPARE(paneldriver::shownButtons(*d), paneldriver::buttonsShowing(true));

        d->bookletTab->bookletGroup->button(0)->click();
        QVERIFY(publishing->chkButCvr->isEnabled());
    }
};

QTEST_MAIN(BasicDialogTest)
#include "tst_basicdialog.moc"
