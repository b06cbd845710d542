// What Apply and "Save As..." write for a queue depends on that queue alone:
// after other queues were visited, typed into and applied in the same run,
// the queue's settings file and a profile saved on it hold the lines a fresh
// start that picks the queue first writes.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "imagingtab.h"
#include "jobtab.h"
#include "modalhelper.h"
#include "paneldriver.h"
#include "profiledialog.h"
#include "profilesavedialog.h"
#include "sessionstate.h"
#include "tab.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

// The lines of a file, sorted: the writers follow a hash's order.
QStringList sortedLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable %1>").arg(path)};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.sort();
    return lines;
}

QString difference(const QStringList &fresh, const QStringList &visited)
{
    QStringList missing = fresh;
    QStringList extra;
    for (const QString &line : visited) {
        if (!missing.removeOne(line))
            extra << line;
    }
    return QStringLiteral("only after the visit: %1\nonly in a fresh start: %2")
        .arg(extra.join(QStringLiteral(" | ")), missing.join(QStringLiteral(" | ")));
}

bool comboItemEnabled(QComboBox *box, int index)
{
    auto *model = qobject_cast<QStandardItemModel *>(box->model());
    return !model || !model->item(index) || model->item(index)->isEnabled();
}

const QStringList typedTexts = {QStringLiteral("3,5-7"), QStringLiteral("4711"), QStringLiteral("ana@example.com"),
                                QStringLiteral("Nur intern")};

// Print accounting stays off: switched on, it blocks the job and publishing
// settings this test wants changed.
bool withinPrintAccountingSwitch(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->accessibleName() == QLatin1String("butGroupTPX"))
            return true;
    }
    return false;
}

enum class Order { Forward, Backward };

// Every control a user can reach in the window moved off what it shows:
// boxes ticked, another item or button chosen, text typed. Controls that a
// first change enables get theirs in the next round. Some settings exclude
// others, so the order decides which of them end up on.
void changeEverything(QWidget *root, Order order)
{
    QSet<QWidget *> done;
    for (int round = 0; round < 3; ++round) {
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        if (order == Order::Backward)
            std::reverse(widgets.begin(), widgets.end());
        for (QWidget *widget : qAsConst(widgets)) {
            if (done.contains(widget) || !widget->isEnabled() || widget->window() != root->window()
                || withinPrintAccountingSwitch(widget))
                continue;
            if (auto *box = qobject_cast<QCheckBox *>(widget)) {
                if (!box->isChecked()) {
                    box->click();
                    done << widget;
                }
            } else if (auto *radio = qobject_cast<QRadioButton *>(widget)) {
                if (!radio->isChecked()) {
                    radio->click();
                    done << widget;
                }
            } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
                // Buttons of a group: another choice. Plain buttons open dialogs.
                if (button->isCheckable() && !button->isChecked()) {
                    button->click();
                    done << widget;
                }
            } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                for (int i = combo->count() - 1; i >= 0; --i) {
                    if (i != combo->currentIndex() && comboItemEnabled(combo, i)) {
                        combo->setCurrentIndex(i);
                        done << widget;
                        break;
                    }
                }
            } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
                if (edit->isReadOnly() || qobject_cast<QComboBox *>(edit->parentWidget()))
                    continue;
                for (const QString &text : typedTexts) {
                    edit->clear();
                    QTest::keyClicks(edit, text);
                    if (edit->text() == text)
                        break;
                }
                done << widget;
            } else if (auto *slider = qobject_cast<QSlider *>(widget)) {
                slider->setValue(slider->value() == slider->maximum() ? slider->minimum() : slider->maximum());
                done << widget;
            }
        }
    }
}

// Through a dialog the page opens: everything in it changed, then OK.
void changeThroughDialog(QPushButton *opener, const std::function<void(QDialog *)> &more = {})
{
    if (!opener->isEnabled())
        return;
    onNextModal([more](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        changeEverything(dialog, Order::Forward);
        if (more)
            more(dialog);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    opener->click();
}

// What a user might set on every page the queue enables, the dialogs of
// the Imaging and Job pages included.
void changeEveryPage(ZelDialog &dialog, Order order)
{
    for (int i = 1; i < dialog.tabs.size(); ++i) {
        if (dialog.tabWidget->isTabEnabled(i))
            changeEverything(dialog.tabs.at(i), order);
    }
    if (dialog.tabWidget->isTabEnabled(dialog.tabWidget->indexOf(dialog.imagingTab)))
        changeThroughDialog(dialog.imagingTab->settingsButton());
    JobTab *job = dialog.jobTab;
    if (dialog.tabWidget->isTabEnabled(dialog.tabWidget->indexOf(job)) && job->accountListButton->isVisibleTo(job)) {
        changeThroughDialog(job->accountListButton, [job](QDialog *) {
            onNextModal([job](QWidget *) {
                QTest::keyClicks(job->accountEditIdEdit, QStringLiteral("77"));
                QTest::keyClicks(job->accountEditDescriptionEdit, QStringLiteral("Team"));
                job->accountEditButtons->button(QDialogButtonBox::Ok)->click();
            });
            job->newAccountButton->click();
        });
    }
}

}

Q_DECLARE_METATYPE(Order)

namespace {
struct Written
{
    QStringList settings;
    QStringList profile;
};
}

class QueueSwitchTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-queueswitch"), DialogSession::PrivateCups};
    QHash<QString, Written> freshStarts;

    // Apply, then a profile saved under "Switch": what each wrote.
    Written applyAndSave(ZelDialog &dialog, const QString &queue)
    {
        Written written;
        dialog.writeTolpoptions();
        written.settings = sortedLines(session.settingsPath(queue));
        ProfileSaveDialog *save = dialog.profileSaveDialog;
        save->show();
        save->findChild<QLineEdit *>()->setText(QStringLiteral("Switch"));
        save->saveProfile();
        written.profile = sortedLines(session.userDir() + QStringLiteral("Switch.cfg"));
        QFile::remove(session.userDir() + QStringLiteral("Switch.cfg"));
        return written;
    }

    Written freshStart(const QString &queue)
    {
        if (!freshStarts.contains(queue)) {
            [&]() { QVERIFY2(session.freshUser(), session.whyNot()); }();
            ZelDialog dialog;
            BoxRecorder boxes; // closes every message box a change shows
            [&]() { QVERIFY(paneldriver::choosePrinter(dialog, queue)); }();
            freshStarts.insert(queue, applyAndSave(dialog, queue));
        }
        return freshStarts.value(queue);
    }

    // The pages' values saved as a profile and loaded back through the list.
    void saveAndLoadProfile(ZelDialog &dialog)
    {
        ProfileSaveDialog *save = dialog.profileSaveDialog;
        save->show();
        save->findChild<QLineEdit *>()->setText(QStringLiteral("Filled"));
        save->saveProfile();
        ProfileDialog *list = dialog.profileDialog;
        list->fillProfileTable();
        list->show();
        const QList<QTableWidgetItem *> rows = list->profileTable->findItems(QStringLiteral("Filled"), Qt::MatchExactly);
        QCOMPARE(rows.size(), 1);
        list->profileTable->setCurrentCell(rows.first()->row(), 0);
        for (QAbstractButton *button : list->buttonBox->buttons()) {
            if (list->buttonBox->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->click();
        }
        QCOMPARE(activeSettingsPath, session.userDir() + QStringLiteral("Filled.cfg"));
    }

private slots:
    void initTestCase() { QVERIFY2(session.start(), session.whyNot()); }

    void cleanup() { DialogSession::forgetState(); }

    // Every ordered pair of sample queues with a PPD of their own, so each
    // page is left both for a queue that lacks it and for one that has it
    // too; the Job page's exclusive settings both ways; and profiles loaded
    // before the switch.
    void visitedQueuesLeaveNoTrace_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<Order>("order");
        QTest::addColumn<bool>("profileLoaded");
        const QStringList queues = {QStringLiteral("Quorvan_Office"), QStringLiteral("Quorvan_Color"),
                                    QStringLiteral("RB_Fleet"), QStringLiteral("Quorvan_Finisher"),
                                    QStringLiteral("Quorvan_Watermark"), QStringLiteral("Quorvan_Accounting"),
                                    QStringLiteral("Quorvan_Job")};
        const QStringList jobQueues = {QStringLiteral("Quorvan_Accounting"), QStringLiteral("Quorvan_Job")};
        for (const QString &first : queues) {
            for (const QString &second : queues) {
                if (first == second)
                    continue;
                QTest::addRow("%s then %s", qPrintable(first), qPrintable(second))
                    << first << second << Order::Forward << false;
                if (jobQueues.contains(first)) {
                    QTest::addRow("%s backwards then %s", qPrintable(first), qPrintable(second))
                        << first << second << Order::Backward << false;
                }
            }
        }
        for (const QString &first : {QStringLiteral("Quorvan_Color"), QStringLiteral("Quorvan_Watermark"),
                                     QStringLiteral("Quorvan_Finisher"), QStringLiteral("Quorvan_Job")}) {
            for (const QString &second : {QStringLiteral("RB_Fleet"), QStringLiteral("Quorvan_Accounting")}) {
                QTest::addRow("%s with a profile loaded then %s", qPrintable(first), qPrintable(second))
                    << first << second << Order::Backward << true;
            }
        }
    }

    void visitedQueuesLeaveNoTrace()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(Order, order);
        QFETCH(bool, profileLoaded);
        const Written fresh = freshStart(second);
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        BoxRecorder boxes; // closes every message box a change shows
        QVERIFY(paneldriver::choosePrinter(dialog, first));
        changeEveryPage(dialog, order);
        dialog.writeTolpoptions();
        if (profileLoaded)
            saveAndLoadProfile(dialog);
        QVERIFY(paneldriver::choosePrinter(dialog, second));
        const Written visited = applyAndSave(dialog, second);
        QVERIFY2(visited.settings == fresh.settings && visited.profile == fresh.profile,
                 qPrintable(QStringLiteral("settings file: %1\nprofile: %2")
                                .arg(difference(fresh.settings, visited.settings),
                                     difference(fresh.profile, visited.profile))));
    }
};

QTEST_MAIN(QueueSwitchTest)
#include "tst_queueswitch.moc"
