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

protected:
    void focusInEvent(QFocusEvent *event) override;
};
