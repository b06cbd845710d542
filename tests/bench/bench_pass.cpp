// Times the constraint pass that follows one option change, with every page
// of the main dialog bound to a store imported from the large synthetic PPD,
// and beside it libcups's ppdConflicts on the same PPD with the same marks;
// then a printer switch to a queue with that PPD, from selecting its row to
// the end of the constraint pass, and the same steps one by one, with an
// empty settings file and, taking turns with it, one that holds every key the
// pages write (the values they load from the empty one).
// Run by hand as an ordinary user (the panel refuses root), against a
// private CUPS (the switch adds a queue there and removes it again):
//   build/tests/bench/bench_pass [rounds]
// The pass ends with the printer check against the CUPS that CUPS_SERVER
// names, as in the panel.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTextStream>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include "kchoice.h"
#include "koption.h"
#include "optioncollector.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "printertab.h"
#include "processrunner.h"
#include "retiredstore.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "syntheticppd.h"
#include "tab.h"
#include "zeldialog.h"

namespace {

// A bound list (else a check box) on an enabled page, the last page first:
// changing it is one option change as a user makes it.
QWidget *pickChangedWidget(ZelDialog &dialog, QString *where)
{
    QWidget *checkBox = nullptr;
    for (int i = dialog.tabs.size() - 1; i >= 0; --i) {
        Tab *page = dialog.tabs.at(i);
        if (!page->isSupported())
            continue;
        for (auto it = page->optionWidgets.constBegin(); it != page->optionWidgets.constEnd(); ++it) {
            QWidget *widget = it.value();
            if (!widget || !widget->isEnabled())
                continue;
            const QString name = page->tabName() + QLatin1Char('/') + it.key();
            auto *combo = qobject_cast<QComboBox *>(widget);
            if (combo && combo->count() > 1) {
                *where = name;
                return combo;
            }
            if (!checkBox && qobject_cast<QCheckBox *>(widget)) {
                checkBox = widget;
                *where = name;
            }
        }
    }
    return checkBox;
}

// One user change: the next item of a list, or a click on a check box.
void change(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
    else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
        checkBox->toggle();
}

// The store's marks as libcups marks: PPD options only.
void copyMarks(ppd_file_t *ppd)
{
    ppdMarkDefaults(ppd);
    for (kOption *option : currentOptionStore->options()) {
        if (!option->isFromPpd() || !option->markedChoice())
            continue;
        ppdMarkOption(ppd, option->keyword().toUtf8().constData(),
                      option->markedChoice()->name().toUtf8().constData());
    }
}

QString lpadmin()
{
    return QStandardPaths::findExecutable(QStringLiteral("lpadmin"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
}

QString milliseconds(qint64 totalNs, int rounds)
{
    return QString::number(totalNs / 1e6 / rounds, 'f', 2) + QStringLiteral(" ms");
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// A page of no option, last in the dialog's list: every constraint pass asks
// each page once to grey its blocked choices, so it counts the passes.
class PassCounter : public Tab
{
public:
    explicit PassCounter(QWidget *dialog) : Tab(dialog) { hide(); }
    void setTabName() override {}
    void buildUi() override {}
    bool isSupported() override { return false; }
    bool enableOptions() override
    {
        ++passes;
        return false;
    }

    int passes = 0;
};

// The settings file of the selected queue with every key the pages write
// (what an Apply writes), holding what they show right after their reload
// from the file as it is: loaded again, it gives the pages the same
// selections, so the switch's pass has the same choices to move.
bool fillSettingsFile(ZelDialog &dialog, const QString &path)
{
    dialog.profileChanged();
    const bool written = writeProfileFile(path, *dialog.optionCollector->collect(), true);
    dialog.setConstraints();
    return written;
}

// "2 passes", or "1 to 2 passes" when the rounds differed.
QString passesText(int fewest, int most)
{
    const QString count = fewest == most ? QString::number(most)
                                         : QStringLiteral("%1 to %2").arg(fewest).arg(most);
    return count + (most == 1 ? QStringLiteral(" constraint pass") : QStringLiteral(" constraint passes"));
}

// The timed switches of one kind, and the same steps one by one.
struct SwitchTime
{
    int rounds = 0;
    qint64 ns = 0;
    qint64 worstNs = 0;
    int fewestPasses = 0;
    int mostPasses = 0;
    qint64 fetchNs = 0;
    qint64 importNs = 0;
    qint64 retranslateNs = 0;
    qint64 reloadNs = 0;
    qint64 passNs = 0;
};

// A queue with the synthetic PPD, selected in the printer table as a user
// does, after another queue; then the switch's steps replayed one by one on
// the same dialog: fetching the PPD from CUPS, the import, the pages'
// reload, the constraint pass (with its printer check).
int benchPrinterSwitch(const QString &dir, int rounds, QTextStream &out)
{
    const QString queue = QStringLiteral("Bench_Synthetic");
    QTemporaryFile file;
    if (!writeSyntheticPpd(file)) {
        out << "cannot write the synthetic PPD\n";
        return 1;
    }
    const ProcessResult added = ProcessRunner::run(
        lpadmin(), {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("file:/dev/null"), QStringLiteral("-P"), file.fileName()});
    if (!added.succeeded()) {
        out << "lpadmin could not add the queue " << queue << " to " << cupsServer()
            << " (start a private CUPS and point CUPS_SERVER at it): " << added.standardError << "\n";
        return 1;
    }

    int status = 0;
    {
        ZelDialog dialog;
        auto *table = dialog.printerTab->findChild<QTableWidget *>();
        int benchRow = -1, otherRow = -1;
        for (int row = 0; table && row < table->rowCount(); ++row) {
            const QString name = table->item(row, 0)->text();
            // A settings file for each, so the switch runs no lpoptions.
            QFile(dir + name + QStringLiteral(".cfg")).open(QIODevice::WriteOnly);
            if (name == queue)
                benchRow = row;
            else if (otherRow < 0)
                otherRow = row;
        }
        if (benchRow < 0 || otherRow < 0) {
            out << "the printer table lists no " << (benchRow < 0 ? queue : QStringLiteral("second queue")) << "\n";
            status = 1;
        }
        auto *counter = new PassCounter(&dialog);
        dialog.tabs << counter;
        // The switch with an empty settings file and with every key in it,
        // taking turns round by round, so a change in the machine's load
        // weighs on both alike. Each figure comes with the passes the switch
        // ran: the ratio of the two compares like with like only when they
        // ran as many.
        auto timeSwitch = [&](SwitchTime &time) {
            table->setCurrentCell(otherRow, 0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

            counter->passes = 0;
            QElapsedTimer timer;
            timer.start();
            table->setCurrentCell(benchRow, 0);
            const qint64 whole = timer.nsecsElapsed();
            time.ns += whole;
            time.worstNs = qMax(time.worstNs, whole);
            time.fewestPasses = time.rounds == 0 ? counter->passes : qMin(time.fewestPasses, counter->passes);
            time.mostPasses = qMax(time.mostPasses, counter->passes);
            ++time.rounds;

            timer.restart();
            cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
            const QByteArray copy = cupsGetPPD(queue.toUtf8().constData());
            ppd_file_t *ppd = copy.isEmpty() ? nullptr : ppdOpenFile(copy.constData());
            time.fetchNs += timer.nsecsElapsed();
            if (!ppd) {
                out << "cannot fetch the PPD of " << queue << "\n";
                status = 1;
            } else {
                timer.restart();
                auto *store = new OptionStore;
                importPpd(ppd, store);
                store->setPrinterName(queue);
                time.importNs += timer.nsecsElapsed();
                ppdClose(ppd);
                RetiredStore::release(currentOptionStore);
                currentOptionStore = store;

                timer.restart();
                for (Tab *page : qAsConst(dialog.tabs))
                    page->retranslateUi();
                time.retranslateNs += timer.nsecsElapsed();
                for (Tab *page : qAsConst(dialog.tabs))
                    dialog.updateTabEnabled(page);
                dialog.changingPrinter = true;
                dialog.profileChanged();
                dialog.changingPrinter = false;
                time.reloadNs += timer.nsecsElapsed();

                timer.restart();
                dialog.setConstraints();
                time.passNs += timer.nsecsElapsed();
            }
            if (!copy.isEmpty())
                QFile::remove(QFile::decodeName(copy));
            if (dest)
                cupsFreeDests(1, dest);
        };
        auto report = [&](const QString &what, const SwitchTime &time) {
            const int n = time.rounds;
            out << what << " to " << queue << " on " << cupsServer() << ":" << ippPort() << ", mean of " << n
                << ": " << milliseconds(time.ns, n) << " from selecting the row to the end of the "
                << "constraint pass (worst " << milliseconds(time.worstNs, 1) << ", "
                << passesText(time.fewestPasses, time.mostPasses) << ")\n";
            out << "  the same steps one by one: fetching the PPD " << milliseconds(time.fetchNs, n) << ", import "
                << milliseconds(time.importNs, n) << ", pages' reload " << milliseconds(time.reloadNs, n)
                << ", constraint pass " << milliseconds(time.passNs, n) << " (sum "
                << milliseconds(time.fetchNs + time.importNs + time.reloadNs + time.passNs, n) << ")\n";
            // The printer page's retranslation refreshes its Status column.
            out << "  of the reload, the pages' retranslation (the Status column of the " << table->rowCount()
                << " listed queues) " << milliseconds(time.retranslateNs, n) << "\n";
        };

        const QString settingsPath = dir + queue + QStringLiteral(".cfg");
        QByteArray filledText;
        if (status == 0) {
            table->setCurrentCell(benchRow, 0);
            QFile written(settingsPath);
            if (fillSettingsFile(dialog, settingsPath) && written.open(QIODevice::ReadOnly))
                filledText = written.readAll();
            if (filledText.isEmpty()) {
                out << "cannot write the settings file of " << queue << "\n";
                status = 1;
            }
        }
        SwitchTime empty, filled;
        for (int round = 0; status == 0 && round < rounds; ++round) {
            for (SwitchTime *time : {&empty, &filled}) {
                if (status != 0 || !writeFile(settingsPath, time == &filled ? filledText : QByteArray())) {
                    out << "cannot write the settings file of " << queue << "\n";
                    status = 1;
                    break;
                }
                timeSwitch(*time);
            }
        }
        if (status == 0) {
            report(QStringLiteral("printer switch"), empty);
            report(QStringLiteral("printer switch with a filled settings file (%1 lines)").arg(filledText.count('\n')),
                   filled);
            out << "  filled/empty: " << QString::number(double(filled.ns) / double(empty.ns), 'f', 2);
            if (filled.fewestPasses != empty.fewestPasses || filled.mostPasses != empty.mostPasses)
                out << " (not comparable: the two switches ran different numbers of constraint passes)";
            out << "\n";
        }
        dialog.tabs.removeOne(counter);
        dialog.unselectPrinters();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProcessRunner::run(lpadmin(), {QStringLiteral("-x"), queue});
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 50;
    QTextStream out(stdout);
    if (geteuid() == 0) {
        out << "run this as an ordinary user: the panel refuses root\n";
        return 1;
    }

    // A user directory of its own, answered, so no first-run question.
    const QString user = QStringLiteral("halvane-bench-%1").arg(QCoreApplication::applicationPid());
    qputenv("USER", user.toLatin1());
    const QString dir = QStringLiteral("/usr/share/quorvan/") + user + QLatin1Char('/');
    if (!QDir().mkpath(dir)) {
        out << "cannot make " << dir << " (/usr/share/quorvan must be writable for every user)\n";
        return 1;
    }
    QFile(dir + QStringLiteral("Settings")).open(QIODevice::WriteOnly);
    // A settings file exists, so the printer change runs no lpoptions.
    QFile(dir + QStringLiteral("Bench.cfg")).open(QIODevice::WriteOnly);

    QTemporaryFile file;
    const SyntheticPpdSize size;
    if (!writeSyntheticPpd(file, size)) {
        out << "cannot write the synthetic PPD\n";
        return 1;
    }
    const QByteArray path = QFile::encodeName(file.fileName());
    ppd_file_t *ppd = ppdOpenFile(path.constData());
    if (!ppd) {
        out << "libcups could not open the synthetic PPD\n";
        return 1;
    }

    int status = 0;
    {
        ZelDialog dialog;
        currentOptionStore = new OptionStore;
        importPpd(ppd, currentOptionStore);
        currentOptionStore->setPrinterName(QStringLiteral("Bench"));
        activeSettingsPath = userDataDir + QStringLiteral("Bench.cfg");
        // Binds and reloads every page, then runs the first pass.
        dialog.printerChanged(0, 0, -1, -1);

        QString where;
        QWidget *changed = pickChangedWidget(dialog, &where);
        if (!changed) {
            out << "no bound widget on any page to change\n";
            status = 1;
        } else {
            int enabledPages = 0;
            for (Tab *page : qAsConst(dialog.tabs))
                enabledPages += page->isSupported() ? 1 : 0;

            qint64 passNs = 0, conflictsNs = 0, worstPassNs = 0, checkNs = 0;
            int conflicts = 0;
            for (int round = 0; round < rounds; ++round) {
                // The change itself runs the pass: markOption, then setConstraints.
                QElapsedTimer timer;
                timer.start();
                change(changed);
                const qint64 pass = timer.nsecsElapsed();
                passNs += pass;
                worstPassNs = qMax(worstPassNs, pass);

                // The CUPS round trip that ends every pass, alone.
                timer.restart();
                dialog.checkInstalledPrinters();
                checkNs += timer.nsecsElapsed();

                copyMarks(ppd);
                timer.restart();
                conflicts = ppdConflicts(ppd);
                conflictsNs += timer.nsecsElapsed();
            }

            const double passMs = passNs / 1e6 / rounds;
            const double conflictsMs = conflictsNs / 1e6 / rounds;
            out << "synthetic PPD: " << size.options << " options, " << size.constraints << " UIConstraints, "
                << size.groupConstraints << " cupsUIConstraints; " << enabledPages << " of "
                << dialog.tabs.size() << " pages bound; changed " << where << "\n";
            out << "printer check against " << cupsServer() << ":" << ippPort() << ": "
                << QString::number(checkNs / 1e6 / rounds, 'f', 3) << " ms of every pass\n";
            out << QString("constraint pass: %1 ms (worst %2 ms)   ppdConflicts: %3 ms (%4 conflicts)   "
                           "pass/ppdConflicts: %5   (mean of %6 changes; one 60 Hz frame is 16.7 ms)\n")
                       .arg(passMs, 0, 'f', 3).arg(worstPassNs / 1e6, 0, 'f', 3).arg(conflictsMs, 0, 'f', 3)
                       .arg(conflicts).arg(passMs / conflictsMs, 0, 'f', 2).arg(rounds);
        }
        // The dialog's pages point into the store: it goes after them.
        dialog.unselectPrinters();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ppdClose(ppd);
    if (status == 0)
        status = benchPrinterSwitch(dir, qMax(1, rounds / 5), out);
    QDir(dir).removeRecursively();
    return status;
}
