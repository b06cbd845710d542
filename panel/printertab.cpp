#include "printertab.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

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

    auto *layout = new QVBoxLayout(this);
    printerTable = new QTableWidget(0, 3, this);
    printerTable->setAccessibleName(QStringLiteral("tblPrinters"));
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    printerTable->verticalHeader()->hide();
    printerTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    printerTable->horizontalHeader()->setStretchLastSection(true);
    printerTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    printerTable->setTabKeyNavigation(false);
    for (int column = 0; column < 3; ++column)
        printerTable->setColumnWidth(column, 186);
    retranslateUi();
    layout->addWidget(printerTable);

    connect(printerTable, &QTableWidget::currentCellChanged, this, &PrinterTab::changePrinter);
    if (dialog && dialog->metaObject()->indexOfSlot("printerChanged(int,int,int,int)") >= 0)
        connect(printerTable, SIGNAL(currentCellChanged(int,int,int,int)),
                dialog, SLOT(printerChanged(int,int,int,int)));
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
}

void PrinterTab::refreshOptionMarks()
{
}

void PrinterTab::reloadPrinters()
{
    // Listing the maker's queues comes with the printer page's CUPS road.
}

void PrinterTab::storeInstalledOptions()
{
    changed = false;
}

void PrinterTab::clearOptionWidgets()
{
    printerTable->clearSelection();
}

void PrinterTab::changePrinter(int row, int collumn, int prev_row, int prev_collumn)
{
    Q_UNUSED(row)
    Q_UNUSED(collumn)
    Q_UNUSED(prev_row)
    Q_UNUSED(prev_collumn)
}

void PrinterTab::checkForChanges(int value)
{
    Q_UNUSED(value)
}
