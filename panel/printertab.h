#pragma once

#include "tab.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class PrinterTable;
class QGridLayout;
class QLabel;
class QTimer;

// The first page: the maker's CUPS queues and the selected queue's
// installable options (the hardware fitted to the printer).
class PrinterTab : public Tab
{
    Q_OBJECT

public:
    explicit PrinterTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    void connectComboBox(QComboBox *comboBox) override;
    void connectCheckBox(QObject *checkBox) override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    void retranslateUi() override;
    // Marks the store's choices from the installable-option widgets as they
    // stand, without reloading them.
    virtual void refreshOptionMarks();

    // Rebuilds the table rows from CUPS, keeping the column widths, and
    // selects the row of the queue the pages hold (none when that queue is
    // gone or none is held); runs no printer change. False when CUPS gave
    // no answer: the table, its selection and knownPrinterNames then stay
    // as they were.
    bool reloadPrinters();
    // True while no listing has had an answer from CUPS since the page was
    // built: the table is empty then, and the page asks again every
    // cupsRetryMs until CUPS answers.
    bool waitingForCups() const;
    static constexpr int cupsRetryMs = 2000;
    // True when an installable option differs from its stored value.
    bool installedOptionsChanged() const { return changed; }
    void storeInstalledOptions();
    void clearOptionWidgets();

public slots:
    void changePrinter(int row, int collumn, int prev_row, int prev_collumn);
    void checkForChanges(int value);

private:
    // One look at CUPS: the maker's queues in CUPS's order, their device
    // URIs, and the names of all destinations.
    struct Listing
    {
        QStringList queues;
        QHash<QString, QString> deviceUris;
        QSet<QString> names;
    };

    void buildPrinterTable();
    // False when CUPS gave no answer, for the list or for a PPD: the listing
    // then says nothing about the printers.
    static bool listMakerPrinters(Listing *listing);
    // A row per listed queue with its device URI and state; the listing's
    // names become knownPrinterNames.
    void showListing(const Listing &listing);
    // Column 2 of every row: the state of the row's queue.
    void fillStatusColumn();
    void buildInstallableOptions();
    void removeOptionWidgets();
    // "True"/"False" for a check box, the shown text for a combo box.
    QString installedValue(QWidget *editor) const;
    QString rowQueueName(int row) const;
    // The highlighted and the current row become the row of the queue the
    // pages hold, or none; no printer change runs.
    void selectHeldQueue();

    PrinterTable *printerTable = nullptr;
    QTimer *cupsRetry = nullptr;
    QLabel *installedOptionsLabel = nullptr;
    QLabel *rootWarningLabel = nullptr;
    QGridLayout *installedOptionsLayout = nullptr;
    int nextRow = 0;
    // The installable options' values when they were last stored.
    QHash<QString, QString> installedSnapshot;
    // Device URIs of the listed queues, from the last listing.
    QHash<QString, QString> deviceUris;
    bool changed = false;
};
