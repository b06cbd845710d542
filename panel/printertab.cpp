#include "printertab.h"

#include "cupsdestinations.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "printertable.h"
#include "queueppd.h"
#include "queuestate.h"
#include "retiredstore.h"
#include "sessionstate.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace {

const QString trueName = QStringLiteral("True");
const QString falseName = QStringLiteral("False");
constexpr int emptyColumnWidth = 186;

// The maker's queues: manufacturer, one of its filters and its device ID.
bool isMakerPpd(ppd_file_t *ppd)
{
    const QByteArray manufacturer(ppd->manufacturer ? ppd->manufacturer : "");
    if (manufacturer != "Quorvan" && manufacturer != "RB_ZENT")
        return false;

    bool makerFilter = false;
    for (int i = 0; i < ppd->num_filters && !makerFilter; ++i) {
        const char *line = ppd->filters[i];
        for (const char *filter : {"zelfilter_F", "zelfilter_ras_F", "zelfilter_pdf_F"}) {
            if (line && strstr(line, filter)) {
                makerFilter = true;
                break;
            }
        }
    }
    if (!makerFilter)
        return false;

    ppd_attr_t *deviceId = ppdFindAttr(ppd, "1284DeviceID", nullptr);
    return deviceId && deviceId->value && strstr(deviceId->value, "MFG:ZENT");
}

} // namespace

PrinterTab::PrinterTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void PrinterTab::setTabName()
{
    pageTitle = tr("Printer");
}

void PrinterTab::buildUi()
{
    setContentsMargins(3, 3, 3, 3);
    pageTitle = tr("Printer");
    buildPrinterTable();
}

void PrinterTab::buildPrinterTable()
{
    knownPrinterNames.clear();
    auto *layout = new QVBoxLayout(this);

    printerTable = new PrinterTable(0, 3, this);
    printerTable->setAccessibleName(QStringLiteral("tblPrinters"));
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    printerTable->verticalHeader()->hide();
    printerTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    printerTable->horizontalHeader()->setStretchLastSection(true);
    printerTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    printerTable->setTabKeyNavigation(false);
    printerTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Printers")));
    printerTable->setHorizontalHeaderItem(1, new QTableWidgetItem(tr("Destination")));
    printerTable->setHorizontalHeaderItem(2, new QTableWidgetItem(tr("Status")));

    // Without an answer from CUPS the table starts empty, and the page asks
    // again until a listing gets one.
    cupsRetry = new QTimer(this);
    cupsRetry->setInterval(cupsRetryMs);
    connect(cupsRetry, &QTimer::timeout, this, &PrinterTab::reloadPrinters);
    Listing listing;
    if (!listMakerPrinters(&listing)) {
        listing = Listing();
        cupsRetry->start();
    }
    showListing(listing);

    layout->addWidget(printerTable);
    if (printerTable->rowCount() == 0) {
        for (int column = 0; column < 3; ++column)
            printerTable->setColumnWidth(column, emptyColumnWidth);
    } else {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    }

    installedOptionsLabel = new QLabel(tr("Installed options"));
    installedOptionsLabel->setEnabled(false);
    rootWarningLabel = new QLabel(tr("Root access is required to make changes to installable options"));
    rootWarningLabel->setAccessibleName(QStringLiteral("lblRootWarning"));
    rootWarningLabel->setStyleSheet(
        QStringLiteral("QLabel{color: red; font-family: Sans; font-size: 10px; border-width: 1px; "
                       "border-color: %1; border-style: solid}")
            .arg(QApplication::palette().color(backgroundRole()).name()));
    rootWarningLabel->hide();

    auto *captionRow = new QGridLayout;
    captionRow->addWidget(installedOptionsLabel, 0, 0, 1, 3, Qt::AlignLeft);
    captionRow->addWidget(rootWarningLabel, 0, 3, 1, 8, Qt::AlignLeft);
    layout->addLayout(captionRow);

    auto *scrollArea = new QScrollArea;
    scrollArea->setWidgetResizable(true);
    auto *optionsArea = new QWidget;
    installedOptionsLayout = new QGridLayout(optionsArea);
    installedOptionsLayout->setColumnStretch(2, 1);
    installedOptionsLayout->setRowStretch(999, 1);
    installedOptionsLayout->setSizeConstraint(QLayout::SetFixedSize);
    scrollArea->setWidget(optionsArea);
    layout->addWidget(scrollArea);

    // The new store must exist before the main dialog reacts to the row.
    connect(printerTable, &QTableWidget::currentCellChanged, this, &PrinterTab::changePrinter);
    if (dialog && dialog->metaObject()->indexOfSlot("printerChanged(int,int,int,int)") >= 0)
        connect(printerTable, SIGNAL(currentCellChanged(int,int,int,int)),
                dialog, SLOT(printerChanged(int,int,int,int)));
    connect(printerTable, &PrinterTable::inputHandled, this, &PrinterTab::selectHeldQueue);
}

bool PrinterTab::waitingForCups() const
{
    return cupsRetry->isActive();
}

bool PrinterTab::listMakerPrinters(Listing *listing)
{
    const CupsDestinations dests;
    if (!dests.answered())
        return false;
    for (int i = 0; i < dests.count(); ++i) {
        const cups_dest_t &dest = dests.at(i);
        const QString name = dests.name(i);
        // Fetched before the name counts as known, as the listing has it.
        QueuePpd queuePpd(name);
        if (queuePpd.unanswered)
            return false;
        listing->names.insert(name);
        if (!queuePpd.ppd || !isMakerPpd(queuePpd.ppd))
            continue;
        listing->queues.append(name);
        listing->deviceUris.insert(name, QString::fromUtf8(cupsGetOption("device-uri", dest.num_options, dest.options)));
    }
    return true;
}

void PrinterTab::showListing(const Listing &listing)
{
    knownPrinterNames = listing.names;
    deviceUris = listing.deviceUris;
    for (const QString &name : listing.queues) {
        const int row = printerTable->rowCount();
        printerTable->insertRow(row);
        printerTable->setItem(row, 0, new QTableWidgetItem(name));
        printerTable->setItem(row, 1, new QTableWidgetItem(deviceUris.value(name)));
    }
    fillStatusColumn();
}

// Every row's state at once: one lpstat asks for all of them.
void PrinterTab::fillStatusColumn()
{
    QStringList names;
    for (int row = 0; row < printerTable->rowCount(); ++row)
        names.append(rowQueueName(row));
    const QStringList states = printerStates(names);
    for (int row = 0; row < printerTable->rowCount(); ++row)
        printerTable->setItem(row, 2, new QTableWidgetItem(states.at(row)));
}

QString PrinterTab::rowQueueName(int row) const
{
    const QTableWidgetItem *item = row >= 0 ? printerTable->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

bool PrinterTab::reloadPrinters()
{
    Listing listing;
    if (!listMakerPrinters(&listing))
        return false;
    // The first answer after a start without one: the columns are sized to
    // the rows, as when the page is built with CUPS answering.
    const bool firstAnswer = cupsRetry->isActive();
    cupsRetry->stop();

    const bool tableWasBlocked = printerTable->blockSignals(true);
    int widths[3];
    for (int column = 0; column < 3; ++column)
        widths[column] = printerTable->columnWidth(column);
    blockWidgetSignals(true);

    printerTable->setRowCount(0);
    printerTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Printers")));
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);

    showListing(listing);
    if (printerTable->rowCount() > 0) {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    }

    if (!firstAnswer) {
        for (int column = 0; column < 3; ++column)
            printerTable->setColumnWidth(column, widths[column]);
    }
    // By name: the rows may have moved, and the queue now at the old row is
    // not the one the pages hold.
    selectHeldQueue();
    blockWidgetSignals(false);
    printerTable->blockSignals(tableWasBlocked);
    return true;
}

void PrinterTab::selectHeldQueue()
{
    int row = -1;
    if (currentOptionStore) {
        const QString held = currentOptionStore->printerName();
        for (int r = 0; r < printerTable->rowCount() && row < 0; ++r) {
            if (rowQueueName(r) == held)
                row = r;
        }
    }
    const bool tableWasBlocked = printerTable->blockSignals(true);
    if (row >= 0) {
        printerTable->selectRow(row);
    } else {
        // No current row either, so a click on any row is a change.
        printerTable->clearSelection();
        printerTable->selectionModel()->clearCurrentIndex();
    }
    printerTable->blockSignals(tableWasBlocked);
}

void PrinterTab::changePrinter(int row, int collumn, int prev_row, int prev_collumn)
{
    Q_UNUSED(collumn)
    Q_UNUSED(prev_collumn)
    if (row == prev_row)
        return;

    const QString queue = rowQueueName(row);
    OptionStore *previous = currentOptionStore;
    currentOptionStore = nullptr;

    cups_dest_t *dest = queue.isEmpty() ? nullptr : cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    if (dest) {
        // A queue whose PPD cannot be fetched or opened counts as unknown:
        // the import needs an open PPD.
        QueuePpd queuePpd(queue);
        if (queuePpd.ppd) {
            auto *store = new OptionStore;
            currentOptionStore = store;
            importPpd(queuePpd.ppd, store);
            store->setPrinterName(queue);
        }
    }
    if (!currentOptionStore)
        rootWarningLabel->hide();
    // Pages and a running pass may still point into it: freed later.
    RetiredStore::release(previous);

    activeSettingsPath = currentOptionStore
        ? userDataDir + currentOptionStore->printerName() + QStringLiteral(".cfg")
        : QString();
    if (dest)
        cupsFreeDests(1, dest);
}

void PrinterTab::reload()
{
    blockWidgetSignals(true);
    buildInstallableOptions();
    setTabName();
    customConstraintWidgets->clear();
    clearConflictMarks();
    updateLabels();
    installedOptionsLabel->setEnabled(true);
    installedOptionsLabel->setText(tr("Installed options"));
    loadWidgetsFromOptions();
    markAllOptions();
    connectWidgets();
    storeInstalledOptions();
    enableOptions();
    blockWidgetSignals(false);
}

void PrinterTab::removeOptionWidgets()
{
    QList<QWidget *> widgets = optionWidgets.values();
    for (QWidget *caption : qAsConst(labelWidgets)) {
        if (!widgets.contains(caption))
            widgets.append(caption);
    }
    for (QWidget *widget : qAsConst(widgets)) {
        if (!widget)
            continue;
        widget->hide();
        installedOptionsLayout->removeWidget(widget);
        widget->deleteLater();
    }
    optionWidgets.clear();
    labelWidgets.clear();
    nextRow = 0;
}

void PrinterTab::buildInstallableOptions()
{
    if (!currentOptionStore)
        return;
    removeOptionWidgets();

    QWidget *area = installedOptionsLayout->parentWidget();
    const QList<kOption *> installed = currentOptionStore->installedOptions();
    for (kOption *option : installed) {
        const QString keyword = option->keyword();
        if (option->choiceByName(falseName) && option->choiceByName(trueName)) {
            auto *checkBox = new QCheckBox(option->text(), area);
            checkBox->setAccessibleName(QStringLiteral("chkBx") + keyword);
            checkBox->setStyleSheet(QStringLiteral("margin-bottom: 8px"));
            optionWidgets.insert(keyword, checkBox);
            labelWidgets.insert(keyword, checkBox);
            installedOptionsLayout->addWidget(checkBox, nextRow++, 0, Qt::AlignLeft);
        } else {
            auto *comboBox = new ComboBoxEx;
            comboBox->setParent(area);
            comboBox->setStyleSheet(QStringLiteral("margin-bottom: 8px"));
            comboBox->setAccessibleName(QStringLiteral("cmbBx") + keyword);
            auto *label = new QLabel(area);
            label->setAccessibleName(QStringLiteral("lbl") + keyword);
            optionWidgets.insert(keyword, comboBox);
            labelWidgets.insert(keyword, label);
            installedOptionsLayout->addWidget(label, nextRow++, 0, Qt::AlignLeft | Qt::AlignBottom);
            installedOptionsLayout->addWidget(comboBox, nextRow++, 0, Qt::AlignLeft | Qt::AlignTop);
        }
    }
}

void PrinterTab::connectComboBox(QComboBox *comboBox)
{
    if (!comboBox)
        return;
    comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connect(comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(checkForChanges(int)), Qt::UniqueConnection);
    connect(comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(enableOptions()), Qt::UniqueConnection);
    connectToDialog(comboBox, SIGNAL(currentIndexChanged(int)));
}

void PrinterTab::connectCheckBox(QObject *checkBox)
{
    if (!checkBox)
        return;
    connect(checkBox, SIGNAL(stateChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connect(checkBox, SIGNAL(stateChanged(int)), this, SLOT(checkForChanges(int)), Qt::UniqueConnection);
    connect(checkBox, SIGNAL(stateChanged(int)), this, SLOT(enableOptions()), Qt::UniqueConnection);
    connectToDialog(checkBox, SIGNAL(stateChanged(int)));
}

QIcon PrinterTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer"));
}

QIcon PrinterTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer-constraint"));
}

bool PrinterTab::isSupported()
{
    return true;
}

void PrinterTab::retranslateUi()
{
    printerTable->setHorizontalHeaderLabels({tr("Printers"), tr("Destination"), tr("Status")});
    pageTitle = tr("Printer");
    fillStatusColumn();
    rootWarningLabel->setText(tr("Root access is required to make changes to installable options"));
    installedOptionsLabel->setText(tr("Installed options"));
}

void PrinterTab::refreshOptionMarks()
{
    blockWidgetSignals(true);
    customConstraintWidgets->clear();
    clearConflictMarks();
    markAllOptions();
    blockWidgetSignals(false);
}

QString PrinterTab::installedValue(QWidget *editor) const
{
    if (auto *checkBox = qobject_cast<QCheckBox *>(editor))
        return checkBox->isChecked() ? trueName : falseName;
    if (auto *comboBox = qobject_cast<QComboBox *>(editor))
        return comboBox->currentText();
    return QString();
}

void PrinterTab::storeInstalledOptions()
{
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it)
        installedSnapshot.insert(it.key(), installedValue(it.value()));
    changed = false;
    rootWarningLabel->hide();
}

void PrinterTab::checkForChanges(int value)
{
    Q_UNUSED(value)
    changed = false;
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        if (installedValue(it.value()) != installedSnapshot.value(it.key()))
            changed = true;
    }
    rootWarningLabel->setVisible(changed);
}

void PrinterTab::clearOptionWidgets()
{
    // No current row either: clicking the row that was current must still
    // choose that printer.
    const bool tableWasBlocked = printerTable->blockSignals(true);
    printerTable->clearSelection();
    printerTable->selectionModel()->clearCurrentIndex();
    printerTable->blockSignals(tableWasBlocked);
    removeOptionWidgets();
    printerTable->scrollToTop();
    installedOptionsLabel->setEnabled(false);
}
