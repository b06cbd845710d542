#include "zeldialog.h"

#include "aboutdialog.h"
#include "appprintsettings.h"
#include "booklettab.h"
#include "cupsdestinations.h"
#include "finishingtab.h"
#include "generaltab.h"
#include "imagingtab.h"
#include "jobtab.h"
#include "koption.h"
#include "lpoptionscommand.h"
#include "optioncollector.h"
#include "optionstore.h"
#include "passwordprompt.h"
#include "printertab.h"
#include "profiledialog.h"
#include "profilesavedialog.h"
#include "publishingtab.h"
#include "retiredstore.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "settingsreadscope.h"
#include "tab.h"
#include "telemetrydialog.h"
#include "tpxtab.h"
#include "userdatadir.h"
#include "userlogintab.h"
#include "watermarktab.h"
#include "zelbuttongroup.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

#include <unistd.h>

#include <cstdlib>

namespace {
// Qt's standard button texts, listed so that the catalogues carry them too.
[[maybe_unused]] const char *const standardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};
}

ZelDialog::ZelDialog(QWidget *parent)
    : QDialog(parent)
{
    userDataDir = currentUserDataDir();

    if (geteuid() == 0) {
        QMessageBox refusal;
        refusal.setWindowTitle(tr("Halvane"));
        refusal.setText(tr("Please do not run %1 as root.").replace(QStringLiteral("%1"), tr("Halvane")));
        refusal.exec();
        std::exit(0);
    }

    if (userDataDirState() == UserDataDirState::Refused) {
        // Its answer could not be stored, so the first-run question is not
        // asked either.
        showUnsafeFolderNotice();
    } else if (!QFileInfo::exists(userDataDir + QStringLiteral("Settings"))) {
        TelemetryDialog firstRun;
        firstRun.exec();
    }

    setFixedSize(800, 735);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto *layout = new QGridLayout(this);

    QPalette backdrop = palette();
    backdrop.setBrush(QPalette::All, QPalette::Window, QBrush(QPixmap(QStringLiteral(":/icons/background"))));
    setPalette(backdrop);

    changingPrinter = false;

    printerTab = new PrinterTab(this);
    generalTab = new GeneralTab(this);
    bookletTab = new BookletTab(this);
    finishingTab = new FinishingTab(this);
    imagingTab = new ImagingTab(this);
    publishingTab = new PublishingTab(this);
    jobTab = new JobTab(this);
    watermarkTab = new WatermarkTab(this);
    userLoginTab = new UserLoginTab(this);
    tpxTab = new TPXTab(this);
    // Never a page: hidden, or it would be shown over the dialog's corner.
    userLoginTab->hide();
    aboutDialog = new AboutDialog(this);

    tabs << printerTab << generalTab << bookletTab << finishingTab << imagingTab
         << publishingTab << jobTab << watermarkTab << tpxTab;

    optionCollector = new OptionCollector;
    optionCollector->setTabs(&tabs);

    saveAsButton = new QPushButton(tr("Save As..."), this);
    saveAsButton->setFocusPolicy(Qt::NoFocus);
    saveAsButton->setEnabled(false);
    saveAsButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    profilesButton = new QPushButton(tr("Profiles") + QStringLiteral("..."), this);
    profilesButton->setFocusPolicy(Qt::NoFocus);
    profilesButton->setEnabled(false);

    profileDialog = new ProfileDialog(this, optionCollector);
    profileSaveDialog = new ProfileSaveDialog(this, optionCollector);
    connect(profilesButton, &QPushButton::clicked, profileDialog, &ProfileDialog::fillProfileTable);
    connect(profilesButton, &QPushButton::clicked, profileDialog, &ProfileDialog::show);
    connect(saveAsButton, &QPushButton::clicked, profileSaveDialog, &ProfileSaveDialog::show);

    tabWidget = new ZelTabWidget;
    tabWidget->setTabPosition(QTabWidget::West);
    tabWidget->setIconSize(QSize(30, 30));
    for (Tab *page : qAsConst(tabs)) {
        tabWidget->addTab(page, page->icon(), page->tabName());
        updateTabEnabled(page);
    }

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
    buttonBox->setFocusPolicy(Qt::NoFocus);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ZelDialog::accept);
    connect(buttonBox->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &ZelDialog::slotButtonApply);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ZelDialog::reject);
    // Return presses none of them.
    for (QAbstractButton *button : buttonBox->buttons()) {
        auto *push = qobject_cast<QPushButton *>(button);
        push->setFocusPolicy(Qt::NoFocus);
        push->setAutoDefault(false);
        push->setDefault(false);
    }
    // The dialog hands the default role back to a button of its own whenever
    // a focused page button loses the focus (an inner dialog opening does
    // that), and the button box gives it to OK when shown unless another
    // button holds it: a hidden button holds it, so OK never looks like the
    // default.
    auto *defaultHolder = new QPushButton(this);
    defaultHolder->hide();
    defaultHolder->setDefault(true);

    aboutButton = new QPushButton(tr("About"), this);
    // 100 wide, or as wide as a longer translation needs.
    aboutButton->setMinimumWidth(100);
    aboutButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    aboutButton->setFocusPolicy(Qt::NoFocus);

    setStyleSheet(QStringLiteral("ComboBoxEx { padding-left: 4px } "));
    connect(aboutButton, &QPushButton::clicked, aboutDialog, &AboutDialog::exec);

    auto *spacer = new QSpacerItem(1, 50, QSizePolicy::Expanding, QSizePolicy::Minimum);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(tabWidget, 1, 1, 1, 8);
    layout->addWidget(saveAsButton, 2, 6, 1, 2, Qt::AlignRight);
    layout->addWidget(profilesButton, 2, 8, 1, 1);
    layout->addItem(spacer, 4, 1, 1, 3);
    layout->addWidget(aboutButton, 4, 1, 1, 3, Qt::AlignBottom);
    layout->addWidget(buttonBox, 4, 4, 1, 5, Qt::AlignRight | Qt::AlignBottom);

    setWindowTitle(tr("Halvane"));
    applyTabStyle();
    buttonBox->button(QDialogButtonBox::Ok)->clearFocus();
    constraintRounds = 0;
    cupsNoticeDue = printerTab->waitingForCups();
}

ZelDialog::~ZelDialog()
{
    tabs.clear();
    delete optionCollector;
}

void ZelDialog::applyTabStyle()
{
    tabWidget->bar()->setIconSize(QSize(28, 28));
    QPalette translucent = tabWidget->palette();
    translucent.setBrush(QPalette::All, QPalette::Window, QBrush(QColor(245, 245, 245, 229)));
    tabWidget->setPalette(translucent);
    tabWidget->bar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab {    background-color: rgba(0,0,0,127);   color: rgba(255,255,255, 255);"
        "   width: 180px;   height: 49px;   padding: 0px;   border: 0px;   margin: 0px;} "
        "QTabBar::icon{   margin-top: 10px;   margin-bottom: 10px;   margin-left: 7px;   margin-right: 7px;}"
        "QTabBar::tab:selected{   background-color: rgba(255,60,60,255);   color: rgba(255,255,255, 255);}"
        "QTabBar::tab:disabled{   width: 0;    height: 0;   margin: 0;   padding: 0;   border: none;}"
        "QTabBar::scroller {   width: 0px;   padding: 0px;   border: 0px;   margin: 0px;}"));
    tabWidget->setStyleSheet(QStringLiteral(
        "QTabWidget::tab-bar {   left: -7px;   border: 0px;   padding: 0px;   margin: 0px;}"
        "QTabWidget::pane{   position: absolute;   left: -7px; ;}"));
}

void ZelDialog::updateTabEnabled(Tab *page)
{
    const int index = tabWidget->indexOf(page);
    if (index < 0 || tabWidget->isTabEnabled(index) == page->isSupported())
        return;
    tabWidget->setTabEnabled(index, page->isSupported());
    // A disabled tab has no size in the style sheet; the bar lays its tabs
    // out again only when a tab's text is set.
    tabWidget->bar()->setTabText(index, tabWidget->tabText(index));
}

QSet<QString> ZelDialog::installedPrinterNames(bool *answered)
{
    QSet<QString> names;
    const CupsDestinations dests;
    for (int i = 0; i < dests.count(); ++i)
        names.insert(dests.name(i)); // as the printer page lists them
    if (answered)
        *answered = dests.answered();
    return names;
}

bool ZelDialog::checkInstalledPrinters()
{
    bool answered = true;
    const QSet<QString> installed = installedPrinterNames(&answered);
    // A moment without CUPS says nothing about the printers.
    if (!answered || installed == knownPrinterNames)
        return false;

    bool selectionLost = true;
    if (currentOptionStore) {
        const QSet<QString> vanished = QSet<QString>(knownPrinterNames).subtract(installed);
        selectionLost = vanished.contains(currentOptionStore->printerName());
    }
    // Gone again meanwhile: the next check sees the same difference.
    if (!printerTab->reloadPrinters())
        return false;
    if (selectionLost)
        dropVanishedSelection();
    return true;
}

void ZelDialog::dropVanishedSelection()
{
    unselectPrinters();
    QMessageBox box;
    box.setWindowTitle(tr("Error"));
    box.setText(tr("It looks like your installed printers have changed.\nReloading list now."));
    box.exec();
}

void ZelDialog::storeInstalledOptions()
{
    printerTab->storeInstalledOptions();
}

void ZelDialog::showSettingsApplied()
{
    QMessageBox box;
    box.setWindowTitle(tr("Success"));
    box.setText(tr("Settings applied."));
    // A message box fixes its own size from its layout when shown, over any
    // minimum size set on it; an item across the whole layout holds it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(100, 100, QSizePolicy::Minimum, QSizePolicy::Minimum), 0, 0,
                      grid->rowCount(), grid->columnCount());
    box.exec();
}

void ZelDialog::showUnsafeFolderNotice()
{
    QMessageBox box;
    box.setWindowTitle(tr("Error"));
    box.setText(tr("The folder %1 belongs to another user, or other users can change it. No settings "
                   "or profiles are read from it or stored in it; ask your administrator to remove it.")
                    .arg(QDir::toNativeSeparators(QDir::cleanPath(userDataDir))));
    box.exec();
}

void ZelDialog::showApplyError(const QString &text)
{
    QMessageBox box;
    box.setWindowTitle(tr("Error"));
    box.setText(text);
    box.exec();
}

void ZelDialog::showCupsUnreachable(bool settingsSaved)
{
    closeAfterApply = false;
    if (settingsSaved)
        showApplyError(tr("Error: The printing system (CUPS) cannot be reached. Your settings were saved, but the "
                          "printing system did not take them; click Apply again in a moment."));
    else
        showApplyError(tr("Error: The printing system (CUPS) cannot be reached. Your changes were not applied "
                          "and are kept; click Apply again in a moment."));
}

bool ZelDialog::writeTolpoptions()
{
    if (!currentOptionStore)
        return false;
    const QString queueName = currentOptionStore->printerName();
    bool cupsAnswers = true;
    const QSet<QString> installed = installedPrinterNames(&cupsAnswers);
    if (!cupsAnswers) {
        showCupsUnreachable(false);
        return false;
    }
    if (!installed.contains(queueName)) {
        showApplyError(tr("Error: Printer does not exist or lpoptions failed."));
        tabWidget->setCurrentIndex(0);
        checkInstalledPrinters();
        // Apply lists the printers before it gets here, so the check may
        // find the lists alike: the queue is gone all the same.
        if (currentOptionStore)
            dropVanishedSelection();
        return false;
    }

    const SettingsSnapshot *snapshot = optionCollector->collect();
    // An unwritable settings file keeps nothing else from the settings: the
    // queue and the other programs still get them, and the user is told.
    const bool fileWritten = writeProfileFile(userDataDir + queueName + QStringLiteral(".cfg"), *snapshot, true);

    const LpoptionsCommand::Outcome outcome = LpoptionsCommand::apply(queueName, *snapshot);
    const bool taken = outcome == LpoptionsCommand::Outcome::Taken;
    if (taken)
        writeOtherApplicationSettings(*snapshot);
    if (!fileWritten)
        showApplyError(tr("Error: The settings file could not be written."));
    if (outcome == LpoptionsCommand::Outcome::Unanswered) {
        showCupsUnreachable(fileWritten);
    } else if (!taken) {
        showApplyError(tr("Error: Printer does not exist or lpoptions failed."));
        tabWidget->setCurrentIndex(0);
        checkInstalledPrinters();
    }
    return fileWritten && taken;
}

void ZelDialog::writeOtherApplicationSettings(const SettingsSnapshot &snapshot)
{
    AppPrintSettings settings(&snapshot);
    settings.scanHome();
    settings.apply();
}

void ZelDialog::applyInstalledOptions()
{
    const QHash<QString, QString> options = printerTab->getOptions();
    QStringList words;
    // In the order the printer page shows them; anything else after, sorted.
    QStringList keys;
    if (currentOptionStore) {
        for (kOption *option : currentOptionStore->installedOptions()) {
            if (options.contains(option->keyword()))
                keys << option->keyword();
        }
    }
    QStringList rest;
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (!keys.contains(it.key()))
            rest << it.key();
    }
    rest.sort();
    keys << rest;
    for (const QString &key : qAsConst(keys))
        words << key + QLatin1Char('=') + options.value(key);
    runPasswordPrompt(words);
}

void ZelDialog::runPasswordPrompt(const QStringList &installableWords)
{
    PasswordPrompt prompt(this, installableWords);
    prompt.setWindowTitle(tr("Password Prompt"));
    prompt.exec();
}

void ZelDialog::setConstraints()
{
    if (!currentOptionStore)
        return;

    for (Tab *page : qAsConst(tabs))
        page->setHasConflict(false);

    bool moved = false;
    for (Tab *page : qAsConst(tabs)) {
        if (page->enableOptions())
            moved = true;
    }

    for (Tab *page : qAsConst(tabs)) {
        if (!page->isSupported())
            continue;
        const int index = tabWidget->indexOf(page);
        page->updateDependentControls();
        page->clearConflictMarks();
        tabWidget->setTabIcon(index, page->icon());
        page->markCustomConstraints();
        if (page->hasConflict())
            tabWidget->setTabIcon(index, page->constraintIcon());
    }

    bool consistent = true;
    for (Tab *page : qAsConst(tabs)) {
        if (page->hasConflict())
            consistent = false;
    }
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(consistent);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(consistent);
    optionsConsistent = consistent;
    saveAsButton->setEnabled(consistent);

    if (moved) {
        // A page moved a selection off a blocked choice: that may block
        // others, so go again, at most ten times per change.
        const int rounds = constraintRounds;
        constraintRounds = rounds + 1;
        if (rounds <= 9)
            setConstraints();
        else
            constraintRounds = 0;
    } else {
        constraintRounds = 0;
    }

    checkInstalledPrinters();
}

void ZelDialog::toggleColorMode()
{
    auto *group = qobject_cast<ZelButtonGroup *>(sender());
    ZelButtonGroup *basicGroup = generalTab->colorModeGroup();
    ZelButtonGroup *imagingGroup = imagingTab->colorModeGroup();
    if (group && group == basicGroup) {
        if (imagingGroup)
            imagingGroup->setButton(basicGroup->checkedIndex());
        imagingTab->clearDialogSettings();
    } else if (group && group == imagingGroup) {
        if (basicGroup)
            basicGroup->setButton(imagingGroup->checkedIndex());
    } else {
        imagingTab->clearDialogSettings(1);
    }
}

void ZelDialog::accept()
{
    slotButtonApply();
    if (closeAfterApply)
        close();
}

void ZelDialog::unselectPrinters()
{
    // Freed once control is back in the event loop: the pass that found the
    // printer gone still runs.
    RetiredStore::release(currentOptionStore);
    currentOptionStore = nullptr;
    printerTab->clearOptionWidgets();
    for (Tab *page : qAsConst(tabs))
        updateTabEnabled(page);
    // The title must not name a queue the pages no longer hold.
    setWindowTitle(tr("Halvane"));
}

void ZelDialog::slotButtonApply()
{
    closeAfterApply = true;
    printerTab->reloadPrinters();
    if (!currentOptionStore) {
        QMessageBox box;
        box.setText(tr("Select a printer."));
        box.exec();
        return;
    }
    if (printerTab->installedOptionsChanged()) {
        applyInstalledOptions();
        return;
    }
    if (writeTolpoptions())
        showSettingsApplied();
}

void ZelDialog::printerChanged(int row, int collumn, int prev_row, int prev_collumn)
{
    Q_UNUSED(collumn)
    Q_UNUSED(prev_collumn)
    if (row == prev_row)
        return;

    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    QPushButton *apply = buttonBox->button(QDialogButtonBox::Apply);
    saveAsButton->setEnabled(false);
    profilesButton->setEnabled(false);
    ok->setEnabled(false);
    apply->setEnabled(false);

    if (!currentOptionStore) {
        printerTab->clearConflictMarks();
        // The row's queue could not be read: no row stays selected and no
        // earlier queue's installable options stay shown, so the pages hold
        // what the table shows and a click on that row tries again.
        unselectPrinters();
        bool answered = true;
        installedPrinterNames(&answered);
        if (answered)
            checkInstalledPrinters();
        else if (row >= 0)
            showApplyError(tr("Error: The printing system (CUPS) cannot be reached. Select the printer again in a "
                              "moment."));
        ok->setEnabled(false);
        apply->setEnabled(false);
        return;
    }

    for (Tab *page : qAsConst(tabs))
        page->retranslateUi();
    setWindowTitle(tr("Halvane") + QStringLiteral(" - ") + currentOptionStore->printerName());
    for (Tab *page : qAsConst(tabs))
        updateTabEnabled(page);

    changingPrinter = true;
    profileChanged();
    changingPrinter = false;

    if (!cfgExists(currentOptionStore->printerName()))
        writeTolpoptions();
    setConstraints();

    // OK, Apply and "Save As..." stay as the pass left them: enabling them
    // here would let a conflicting set be applied right after the change.
    if (currentOptionStore)
        profilesButton->setEnabled(true);
}

void ZelDialog::profileChanged()
{
    if (!currentOptionStore)
        return;
    // Every page asks for its stored values: one read of the file answers them.
    const SettingsReadScope oneRead;
    currentOptionStore->clearAllMarks();
    for (int i = 0; i < tabs.size(); ++i) {
        Tab *page = tabs.at(i);
        if (page == printerTab) {
            if (changingPrinter)
                printerTab->reload();
            else
                printerTab->refreshOptionMarks();
        } else if (tabWidget->isTabEnabled(i)) {
            page->reload();
        } else {
            page->resetUnsupported();
        }
    }
}

void ZelDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ZelDialog::focusNextPrevChild(bool next)
{
    Q_UNUSED(next)
    return false;
}

void ZelDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!cupsNoticeDue)
        return;
    cupsNoticeDue = false;
    // From the event loop, so the box comes over a window that is up.
    QTimer::singleShot(0, this, &ZelDialog::showCupsUnreachableAtStart);
}

void ZelDialog::showCupsUnreachableAtStart()
{
    if (!printerTab->waitingForCups())
        return;
    showApplyError(tr("Error: The printing system (CUPS) cannot be reached. The printers are listed as soon as it "
                      "answers."));
}
