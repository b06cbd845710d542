#pragma once

// Driving the main dialog as a user does, for the test folders that need the
// real dialog: picking a queue in the printer table, the verdict of the
// constraint pass as the user sees it, and what lpoptions kept for a queue.

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "printertab.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "tab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QtTest>

#include <cups/cups.h>

namespace paneldriver {

inline QTableWidget *printerTable(const ZelDialog &dialog)
{
    return dialog.printerTab->findChild<QTableWidget *>();
}

inline QStringList listedPrinters(const ZelDialog &dialog)
{
    QStringList names;
    QTableWidget *table = printerTable(dialog);
    for (int row = 0; table && row < table->rowCount(); ++row)
        names << table->item(row, 0)->text();
    return names;
}

inline int printerRow(const ZelDialog &dialog, const QString &queue)
{
    return listedPrinters(dialog).indexOf(queue);
}

// As a click does: the row becomes current, the page and the dialog react.
// False when the queue is not listed.
inline bool choosePrinter(ZelDialog &dialog, const QString &queue)
{
    const int row = printerRow(dialog, queue);
    if (row < 0)
        return false;
    printerTable(dialog)->setCurrentCell(row, 0);
    return true;
}

// The queue chosen, its store current and its settings file active, and
// the page, which the queue must support, in front. False, with the test
// failed, when any of it is not so: the caller cannot go on.
inline bool choosePrinterAndPage(ZelDialog &dialog, const QString &queue, Tab *page)
{
    [&]() {
        QVERIFY2(choosePrinter(dialog, queue), qPrintable(QStringLiteral("the private cupsd lists no ") + queue));
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), queue);
        QCOMPARE(activeSettingsPath, userDataDir + queue + QStringLiteral(".cfg"));
        const int index = dialog.tabWidget->indexOf(page);
        QVERIFY2(dialog.tabWidget->isTabEnabled(index) && page->isEnabled(),
                 qPrintable(page->tabName() + QStringLiteral(" is not enabled for ") + queue));
        dialog.tabWidget->setCurrentIndex(index);
    }();
    return !QTest::currentTestFailed();
}

// A click on the group's button for that choice of the option, which then
// is the marked one. A click whose pass drops the selection (the printers
// changed) leaves what followed to the caller: the store the click began with
// is retired then, and may be freed already (with no outer event loop, a
// box's loop frees it), so only the store current after the click is read.
inline void clickChoice(ZelButtonGroup *group, const QString &keyword, const QString &choice)
{
    const kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    QVERIFY2(option, qPrintable(keyword));
    const kChoice *wanted = option->choiceByName(choice);
    QVERIFY2(wanted, qPrintable(keyword + QLatin1Char(' ') + choice));
    const int position = group->buttonNames().indexOf(wanted->text());
    QVERIFY2(position >= 0, qPrintable(wanted->text()));
    group->button(position)->click();
    if (!currentOptionStore)
        return;
    option = currentOptionStore->option(keyword);
    QVERIFY2(option, qPrintable(keyword));
    const kChoice *marked = option->markedChoice();
    QCOMPARE(marked ? marked->name() : QString(), choice);
}

// Icons compare by their pixels at the tab bar's size.
inline QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(28, 28)).toImage();
}

inline bool sameIcon(const QIcon &one, const QIcon &other)
{
    return iconImage(one) == iconImage(other);
}

inline bool showsIcon(const ZelDialog &dialog, Tab *page, const QIcon &icon)
{
    return sameIcon(dialog.tabWidget->tabIcon(dialog.tabWidget->indexOf(page)), icon);
}

// OK, Apply and "Save As..." in one line, so that a failed comparison names
// each of them.
inline QString shownButtons(const ZelDialog &dialog)
{
    const auto state = [](const QAbstractButton *button) {
        return button->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
    };
    return QStringLiteral("OK %1, Apply %2, Save As... %3")
        .arg(state(dialog.buttonBox->button(QDialogButtonBox::Ok)),
             state(dialog.buttonBox->button(QDialogButtonBox::Apply)), state(dialog.saveAsButton));
}

inline QString buttonsShowing(bool enabled)
{
    return QStringLiteral("OK %1, Apply %1, Save As... %1").arg(enabled ? QStringLiteral("on") : QStringLiteral("off"));
}

// The pass's verdict everywhere the user sees it, and the page's own answer.
// A page whose two icons look alike shows no verdict on its tab.
inline QString shownVerdict(const ZelDialog &dialog, Tab *page)
{
    QString icon = QStringLiteral("another icon");
    if (sameIcon(page->icon(), page->constraintIcon()))
        icon = QStringLiteral("page and constraint icons alike");
    else if (showsIcon(dialog, page, page->constraintIcon()))
        icon = QStringLiteral("constraint icon");
    else if (showsIcon(dialog, page, page->icon()))
        icon = QStringLiteral("page icon");
    return shownButtons(dialog) + (optionsConsistent ? QStringLiteral("; consistent") : QStringLiteral("; inconsistent"))
        + (page->hasConflict() ? QStringLiteral("; page in conflict") : QStringLiteral("; page without conflict"))
        + QStringLiteral("; ") + icon;
}

inline QString verdictShowing(bool consistent)
{
    return consistent ? buttonsShowing(true) + QStringLiteral("; consistent; page without conflict; page icon")
                      : buttonsShowing(false) + QStringLiteral("; inconsistent; page in conflict; constraint icon");
}

// The queue's user defaults as "lpoptions -pQUEUE" lists them (the name
// attached: one that begins with "-" would read as options), parsed as
// libcups parses them; listed, when given, gets the output itself. A failed
// lpoptions fails the running test with its error output.
inline QHash<QString, QString> queueDefaults(const QString &queue, QByteArray *listed = nullptr)
{
    QHash<QString, QString> values;
    const ProcessResult run = ProcessRunner::run(QStringLiteral("lpoptions"), {QStringLiteral("-p") + queue});
    if (!run.succeeded()) {
        const QString fault = QStringLiteral("lpoptions -p%1 failed: %2").arg(queue, QString::fromUtf8(run.standardError));
        QTest::qFail(qPrintable(fault), __FILE__, __LINE__);
        return values;
    }
    if (listed)
        *listed = run.standardOutput;
    cups_option_t *options = nullptr;
    const int count = cupsParseOptions(run.standardOutput.trimmed().constData(), 0, &options);
    for (int i = 0; i < count; ++i)
        values.insert(QString::fromUtf8(options[i].name), QString::fromUtf8(options[i].value));
    cupsFreeOptions(count, options);
    return values;
}

// A left click on the queue's row where the table shows it now, through
// the viewport as a user clicks, so the view's own press handling runs
// (setCurrentCell skips it). False when the queue is not listed.
inline bool clickPrinter(ZelDialog &dialog, const QString &queue, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTableWidget *table = printerTable(dialog);
    const int row = printerRow(dialog, queue);
    if (!table || row < 0)
        return false;
    table->scrollToItem(table->item(row, 0));
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
    return true;
}

// Which queue the user sees picked and which one the pages hold, in one
// line: the highlighted rows, the current row, the title and the store.
inline QString pickedPrinter(const ZelDialog &dialog)
{
    QTableWidget *table = printerTable(dialog);
    QStringList highlighted;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        highlighted << table->item(index.row(), 0)->text();
    const QTableWidgetItem *current = table->currentRow() >= 0 ? table->item(table->currentRow(), 0) : nullptr;
    return QStringLiteral("highlighted: %1; current: %2; title: %3; store: %4")
        .arg(highlighted.isEmpty() ? QStringLiteral("none") : highlighted.join(QLatin1Char(' ')),
             current ? current->text() : QStringLiteral("none"), dialog.windowTitle(),
             currentOptionStore ? currentOptionStore->printerName() : QStringLiteral("none"));
}

// pickedPrinter when that queue is picked, or nothing when queue is empty.
inline QString pickedShowing(const QString &queue)
{
    const QString title = QCoreApplication::translate("ZelDialog", "Halvane");
    if (queue.isEmpty())
        return QStringLiteral("highlighted: none; current: none; title: %1; store: none").arg(title);
    return QStringLiteral("highlighted: %1; current: %1; title: %2 - %1; store: %1").arg(queue, title);
}
}
