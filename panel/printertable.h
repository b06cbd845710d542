#pragma once

#include <QTableWidget>

// The printer page's queue table. Taking the keyboard focus selects no
// printer: a plain item view makes its first row current on focus, and a
// current row is a printer choice here.
class PrinterTable : public QTableWidget
{
    Q_OBJECT

public:
    PrinterTable(int rows, int columns, QWidget *parent = nullptr);

signals:
    // The view has handled a mouse press, drag, release or key. A printer
    // change inside it may rebuild the rows, and the view then selects by
    // the old position: the page puts the selection back on its queue.
    void inputHandled();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
