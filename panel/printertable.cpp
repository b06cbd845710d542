#include "printertable.h"

#include <QItemSelectionModel>
#include <QMouseEvent>

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

void PrinterTable::mousePressEvent(QMouseEvent *event)
{
    QTableWidget::mousePressEvent(event);
    emit inputHandled();
}

void PrinterTable::mouseMoveEvent(QMouseEvent *event)
{
    QTableWidget::mouseMoveEvent(event);
    // Only a drag selects; a hover changes nothing.
    if (event->buttons() != Qt::NoButton)
        emit inputHandled();
}

void PrinterTable::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    emit inputHandled();
}

void PrinterTable::keyPressEvent(QKeyEvent *event)
{
    QTableWidget::keyPressEvent(event);
    emit inputHandled();
}
