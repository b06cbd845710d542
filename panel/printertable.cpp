#include "printertable.h"

#include <QItemSelectionModel>

PrinterTable::PrinterTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
}

void PrinterTable::focusInEvent(QFocusEvent *event)
{
    if (currentIndex().isValid()) {
        QTableWidget::focusInEvent(event);
        return;
    }
    const bool wasBlocked = blockSignals(true);
    QTableWidget::focusInEvent(event);
    if (currentIndex().isValid())
        selectionModel()->clearCurrentIndex();
    blockSignals(wasBlocked);
}
