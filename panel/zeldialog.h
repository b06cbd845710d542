#pragma once

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "settingsfile.h"

class AboutDialog;
class BookletTab;
class FinishingTab;
class GeneralTab;
class ImagingTab;
class JobTab;
class OptionCollector;
class PrinterTab;
class ProfileDialog;
class ProfileSaveDialog;
class PublishingTab;
class QDialogButtonBox;
class QPushButton;
class TPXTab;
class Tab;
class UserLoginTab;
class WatermarkTab;
class ZelTabWidget;

// The panel's only top-level window: the pages in a column of tabs on the
// left, the profile buttons and OK, Apply, Cancel and About below.
class ZelDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ZelDialog(QWidget *parent = nullptr);
    ~ZelDialog() override;

    // True when the CUPS destinations differed from knownPrinterNames; the
    // printer table is rebuilt then, and a lost selection is cleared. While
    // CUPS gives no answer nothing changes, and the answer is false.
    bool checkInstalledPrinters();
    void updateTabEnabled(Tab *page);
    // The names of all CUPS destinations; answered, when given, is set to
    // false when CUPS gave no answer (the set is empty then).
    static QSet<QString> installedPrinterNames(bool *answered = nullptr);
    void applyTabStyle();
    void storeInstalledOptions();
    void showSettingsApplied();
    // Hands the printer page's installable options to the root-password road.
    void applyInstalledOptions();
    void runPasswordPrompt(const QStringList &installableWords);
    void writeOtherApplicationSettings(const SettingsSnapshot &snapshot);

    bool closeAfterApply = false;
    int constraintRounds = 0;
    QPushButton *saveAsButton = nullptr;
    QPushButton *profilesButton = nullptr;
    ProfileDialog *profileDialog = nullptr;
    ProfileSaveDialog *profileSaveDialog = nullptr;
    ZelTabWidget *tabWidget = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QPushButton *aboutButton = nullptr;
    AboutDialog *aboutDialog = nullptr;
    QList<Tab *> tabs;
    PrinterTab *printerTab = nullptr;
    GeneralTab *generalTab = nullptr;
    BookletTab *bookletTab = nullptr;
    FinishingTab *finishingTab = nullptr;
    ImagingTab *imagingTab = nullptr;
    PublishingTab *publishingTab = nullptr;
    JobTab *jobTab = nullptr;
    WatermarkTab *watermarkTab = nullptr;
    UserLoginTab *userLoginTab = nullptr;
    TPXTab *tpxTab = nullptr;
    OptionCollector *optionCollector = nullptr;
    bool changingPrinter = false;
    // Started while CUPS gave no answer: the user is told when the window
    // is first shown.
    bool cupsNoticeDue = false;

public slots:
    // True when the settings reached the settings file and lpoptions.
    bool writeTolpoptions();
    void setConstraints();
    void toggleColorMode();
    void accept() override;
    void unselectPrinters();
    void slotButtonApply();
    void printerChanged(int row, int collumn, int prev_row, int prev_collumn);
    void profileChanged();

protected:
    // The Apply road's error box: no parent, titled "Error".
    void showApplyError(const QString &text);
    // The selected queue is gone from CUPS: nothing stays selected, and the
    // user is told.
    void dropVanishedSelection();
    // CUPS gave no answer: the queue took nothing (the settings file holds
    // the changes when saved), and OK keeps the panel open so they wait for
    // the next Apply.
    void showCupsUnreachable(bool settingsSaved);
    // Told once at start when userDataDir is someone else's or open to all.
    void showUnsafeFolderNotice();
    // Return and Enter press none of OK, Apply and Cancel.
    void keyPressEvent(QKeyEvent *event) override;
    // Tab and Backtab move the focus nowhere in this dialog.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent *event) override;
    // The box of a start without CUPS, unless the printers came meanwhile.
    void showCupsUnreachableAtStart();
};
