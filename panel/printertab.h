#pragma once

#include "tab.h"

class QTableWidget;

// The first page: the maker's CUPS queues and the selected queue's
// installable options.
class PrinterTab : public Tab
{
    Q_OBJECT

public:
    explicit PrinterTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void retranslateUi() override;
    // Marks the store's choices from the installable-option widgets as they stand.
    virtual void refreshOptionMarks();

    // Rebuilds the table rows from CUPS, keeping the current row.
    void reloadPrinters();
    // True when an installable option differs from its stored value.
    bool installedOptionsChanged() const { return changed; }
    void storeInstalledOptions();
    void clearOptionWidgets();

public slots:
    void changePrinter(int row, int collumn, int prev_row, int prev_collumn);
    void checkForChanges(int value);

private:
    QTableWidget *printerTable = nullptr;
    bool changed = false;
};
