// The constraint pass of the main dialog over pages whose answers the test
// sets: repeats, tab icons, the buttons and optionsConsistent.
#include "dialogsession.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "passpage.h"
#include "sessionstate.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

class ConstraintPassTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-pass"), DialogSession::WithoutCups};
    std::unique_ptr<ZelDialog> dialog;
    QList<PassPage *> pages;

    QPushButton *ok() const { return dialog->buttonBox->button(QDialogButtonBox::Ok); }
    QPushButton *apply() const { return dialog->buttonBox->button(QDialogButtonBox::Apply); }

    // The dialog's list becomes these pages (the built pages stay on the
    // tab widget, out of the pass).
    void usePages(int count)
    {
        static const char *const icons[] = {"tab-basic", "tab-layout", "tab-finishing", "tab-imaging"};
        dialog->tabs.clear();
        pages.clear();
        for (int i = 0; i < count; ++i) {
            auto *page = new PassPage(dialog.get(), QStringLiteral("Page %1").arg(i), QString::fromLatin1(icons[i]));
            dialog->tabWidget->addTab(page, page->icon(), page->tabName());
            dialog->tabs.append(page);
            pages.append(page);
        }
    }

    bool showsIcon(PassPage *page, const QIcon &icon) const { return paneldriver::showsIcon(*dialog, page, icon); }

    void setButtons(bool enabled)
    {
        for (QPushButton *button : {ok(), apply(), dialog->saveAsButton})
            button->setEnabled(enabled);
    }

private slots:
    void initTestCase() { QVERIFY2(session.start() && session.freshUser(), session.whyNot()); }

    void init()
    {
        dialog.reset(new ZelDialog);
        currentOptionStore = new OptionStore;
        currentOptionStore->setPrinterName(QStringLiteral("Queue1"));
    }

    void cleanup()
    {
        dialog.reset();
        DialogSession::forgetState();
    }

    void withoutPrinterNothingHappens()
    {
        usePages(2);
        delete currentOptionStore;
        currentOptionStore = nullptr;
        pages[0]->conflicting = true;
        pages[0]->movesLeft = -1;
        setButtons(true);
        optionsConsistent = true;
        // CUPS lists nothing here: a printer check would find this name gone
        // and show its box.
        knownPrinterNames = {QStringLiteral("Ghost")};
        bool boxShown = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&]() {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                boxShown = true;
                modal->close();
            }
        });
        probe.start(20);

        dialog->setConstraints();

        QCOMPARE(pages[0]->enableCalls, 0);
        QVERIFY(showsIcon(pages[0], pages[0]->icon()));
        QCOMPARE(paneldriver::shownButtons(*dialog), paneldriver::buttonsShowing(true));
        QVERIFY(optionsConsistent);
        QVERIFY(!boxShown);
        QCOMPARE(knownPrinterNames, QSet<QString>{QStringLiteral("Ghost")});
    }

    void conflictsDecideTheButtons_data()
    {
        QTest::addColumn<int>("conflictingPage");  // -1: none
        QTest::addColumn<bool>("supported");
        QTest::addColumn<bool>("byInvalidInput");
        QTest::addColumn<bool>("consistent");
        QTest::newRow("no conflict") << -1 << true << false << true;
        QTest::newRow("conflict on the second page") << 1 << true << false << false;
        QTest::newRow("conflict on the first page") << 0 << true << false << false;
        QTest::newRow("invalid input on a page") << 2 << true << true << false;
        // Not asked to mark anything: its conflict flag was cleared.
        QTest::newRow("unsupported page with a rule") << 1 << false << false << true;
        // Its own answer counts though its tab is hidden.
        QTest::newRow("unsupported page with invalid input") << 1 << false << true << false;
    }

    void conflictsDecideTheButtons()
    {
        QFETCH(int, conflictingPage);
        QFETCH(bool, supported);
        QFETCH(bool, byInvalidInput);
        QFETCH(bool, consistent);
        usePages(3);
        for (PassPage *page : qAsConst(pages))
            page->setHasConflict(true); // left over from an earlier pass
        if (conflictingPage >= 0) {
            PassPage *page = pages[conflictingPage];
            page->supported = supported;
            (byInvalidInput ? page->invalidInput : page->conflicting) = true;
            // An unsupported page keeps whatever icon it had.
            dialog->tabWidget->setTabIcon(dialog->tabWidget->indexOf(page), QIcon(QStringLiteral(":/icons/tab-job")));
        }
        setButtons(!consistent);
        optionsConsistent = !consistent;
        dialog->profilesButton->setEnabled(false);

        dialog->setConstraints();

        QCOMPARE(paneldriver::shownButtons(*dialog), paneldriver::buttonsShowing(consistent));
        QCOMPARE(optionsConsistent, consistent);
        QVERIFY(!dialog->profilesButton->isEnabled()); // not the pass's to touch
        for (int i = 0; i < pages.size(); ++i) {
            PassPage *page = pages[i];
            QIcon expected = page->icon();
            if (!page->supported)
                expected = QIcon(QStringLiteral(":/icons/tab-job"));
            else if (i == conflictingPage)
                expected = page->constraintIcon();
            QVERIFY2(showsIcon(page, expected), qPrintable(page->tabName()));
        }
    }

    void passRepeatsWhileSelectionsMove_data()
    {
        QTest::addColumn<int>("moves");     // -1: moves on every pass
        QTest::addColumn<int>("passes");
        QTest::newRow("nothing moves") << 0 << 1;
        QTest::newRow("moves once") << 1 << 2;
        QTest::newRow("moves ten times") << 10 << 11;
        QTest::newRow("moves for ever") << -1 << 11;
    }

    void passRepeatsWhileSelectionsMove()
    {
        QFETCH(int, moves);
        QFETCH(int, passes);
        usePages(2);
        pages[1]->movesLeft = moves;
        // Supported or not, every page is asked to grey its choices.
        pages[0]->supported = false;

        dialog->setConstraints();
        QCOMPARE(pages[1]->enableCalls, passes);
        QCOMPARE(pages[0]->enableCalls, passes);
        QCOMPARE(dialog->constraintRounds, 0);

        // The next change starts with the full budget again.
        pages[1]->enableCalls = 0;
        pages[1]->movesLeft = moves;
        dialog->setConstraints();
        QCOMPARE(pages[1]->enableCalls, passes);
        QCOMPARE(dialog->constraintRounds, 0);
    }
};

QTEST_MAIN(ConstraintPassTest)
#include "tst_constraintpass.moc"
