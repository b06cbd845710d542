#include "jobtab.h"

#include "emailcheck.h"
#include "optionstore.h"
#include "pagewidgets.h"
#include "settingsfile.h"
#include "storedsecret.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMultiHash>
#include <QPixmap>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {
const QString trueName = QStringLiteral("True");
const QString falseName = QStringLiteral("False");
const QString toolTipStyle =
    QStringLiteral("QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }");

// Typed input the fields admit (QRegExp syntax, as the patterns are given).
const QString digitsPattern = QStringLiteral("[0-9]*");
const QString namePattern = QStringLiteral("^[^\" ][^\"]{63}$");
const QString emailPattern = QStringLiteral("[A-Za-z0-9._%+-@]{64}");
const QString descriptionPattern = QStringLiteral(".{,31}");

const char *const msgAccessCode = QT_TRANSLATE_NOOP("JobTab", "Access code must be 4 numbers in length.");
const char *const msgBoxNumber = QT_TRANSLATE_NOOP("JobTab", "Enter a custom box number between 1 and 1000.");
const char *const msgDoubleQuote =
    QT_TRANSLATE_NOOP("JobTab", "Value cannot contain the double quote (\") character.");
const char *const msgEmailEmpty = QT_TRANSLATE_NOOP("JobTab", "Enter a valid e-mail address.");
const char *const msgEmailSpaces = QT_TRANSLATE_NOOP("JobTab", "E-mail address cannot contain any spaces.");
const char *const msgEmailAscii = QT_TRANSLATE_NOOP("JobTab", "E-mail address should use only ASCII characters.");
const char *const msgEmailFormat = QT_TRANSLATE_NOOP("JobTab", "Enter the e-mail address in a valid format.");
const char *const msgEmailExample = QT_TRANSLATE_NOOP("JobTab", "For example: %1");
const char *const msgJobName =
    QT_TRANSLATE_NOOP("JobTab", "The custom job name field requires a name within a 64 character limit.");
const char *const msgAccountIdLength = QT_TRANSLATE_NOOP("JobTab", "Account ID must be 1 to 8 numbers in length");
const char *const msgAccountIdList = QT_TRANSLATE_NOOP("JobTab", "You must add an account ID to the list.");
const char *const msgUserName = QT_TRANSLATE_NOOP("JobTab", "User name must be at least one character long.");
const char *const msgAccountIdExists = QT_TRANSLATE_NOOP("JobTab", "This Account ID already exists.");

const QString exampleAddress = QStringLiteral("name@example.com");

QLineEdit *newLineEdit(QWidget *parent, const QString &accessibleName)
{
    auto *edit = new QLineEdit(parent);
    if (!accessibleName.isEmpty())
        edit->setAccessibleName(accessibleName);
    return edit;
}

void setPattern(QLineEdit *edit, const QString &pattern, QObject *owner)
{
    edit->setValidator(new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive), owner));
}

// A caption kept in rich text; a translation may break it with "\n".
QString richCaption(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\\n"), QLatin1String("<br>"));
    return QStringLiteral("<font>") + shown + QStringLiteral("</font>");
}

// Selects the item of exactly that text; none is current when there is none.
void selectItem(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

int itemOf(const QComboBox *combo, const QString &text)
{
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

bool sameText(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList sortedIds(const QHash<QString, QString> &ids)
{
    QStringList keys = ids.keys();
    keys.sort(Qt::CaseSensitive);
    return keys;
}
}

JobTab::JobTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    layoutAccountDialogs();
    layoutPage();
    accountIdEdit->hide();
    accountIdCombo->hide();
    accountListButton->hide();
    emailErrorLabel->hide();
    connectPage();
}

JobTab::~JobTab() = default;

void JobTab::setTabName()
{
    pageTitle = tr("Job");
    tabName();
}

QIcon JobTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-job"));
}

QIcon JobTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job-constraint"));
}

bool JobTab::isSupported()
{
    return storeHasBoundOption();
}

// ---- building ----------------------------------------------------------------

void JobTab::buildUi()
{
    // The base page's margins for option widgets do not apply here.
    setStyleSheet(QStringLiteral("QLineEdit:disabled{background-color: rgba(204, 204, 204, 100) }"));
    redStyle = redLabelStyle(this);
    pageTitle = tr("Job");

    buildStorageSection();
    buildAccountingSection();
    buildAccountDialogs();
    buildJobNameSection();
    buildEmailSection();
    buildUserLoginSection();
    registerWidgets();
}

void JobTab::buildStorageSection()
{
    jobSettingsLabel = newCaption(this, tr("Job settings") + QLatin1Char(':'), QStringLiteral("lblZVCollate1"));
    storageButton = new ZelCheckBoxButton(this, QStringLiteral("Job storage:"), QIcon(QStringLiteral(":/icons/storage")));
    storageButton->setAccessibleName(QStringLiteral("chkButZVCollate1"));
    storageCombo = newComboBox(this, QString(), 180);
    accessCodeLabel = newCaption(this, tr("Access code") + QLatin1Char(':'), QStringLiteral("lblAccesCodeLabel"));
    accessCodeEdit = newLineEdit(this, QStringLiteral("lnEditJobStorage"));
    accessCodeEdit->setMaxLength(4);
    accessCodeEdit->setEchoMode(QLineEdit::Password);
    boxNumberLabel = newCaption(this, tr("Box number") + QLatin1Char(':'), QStringLiteral("lblBoxNumber"));
    boxNumberEdit = newLineEdit(this, QStringLiteral("lnEditBoxNumber"));
    boxNumberEdit->setMaxLength(4);
    setPattern(boxNumberEdit, digitsPattern, this);
    boxPasswordLabel = newCaption(this, tr("Password") + QLatin1Char(':'), QStringLiteral("lblBoxPassword"));
    boxPasswordEdit = newLineEdit(this, QStringLiteral("lnEditBoxPassword"));
    boxPasswordEdit->setEchoMode(QLineEdit::Password);
    boxPasswordEdit->setMaxLength(16);

    // Unchecked, the button stands for the choice "None", which the combo
    // box therefore does not list.
    storageButton->addDependent(storageCombo, tr("None"));
    for (QWidget *dependent : std::initializer_list<QWidget *>{accessCodeLabel, accessCodeEdit, boxNumberLabel,
                                                               boxNumberEdit, boxPasswordLabel, boxPasswordEdit})
        storageButton->addDependent(dependent, noDefault);
}

void JobTab::buildAccountingSection()
{
    accountingLabel = newCaption(this, tr("Job accounting") + QLatin1Char(':'), QStringLiteral("lblZqManagment"));
    accountingButton =
        new ZelCheckBoxButton(this, QStringLiteral("Job accounting"), QIcon(QStringLiteral(":/icons/accounting")));
    accountingButton->setAccessibleName(QStringLiteral("chkButZqManagment"));
    accountModeCombo = newComboBox(this, QStringLiteral("cmbBxZqManagment"));
    accountModeCombo->addItem(tr("Use specific account ID"));
    accountModeCombo->addItem(tr("Select account ID"));
    accountIdEdit = newLineEdit(this, QStringLiteral("lnEditAccountID"));
    accountIdEdit->setMaxLength(8);
    setPattern(accountIdEdit, digitsPattern, this);
    accountIdCombo = newComboBox(this, QStringLiteral("cmbBxAccountID"));
    accountIdCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    accountListButton = new QPushButton(tr("Account ID List"), this);
    accountListButton->setAccessibleName(QStringLiteral("butAccountID"));

    for (QWidget *dependent :
         std::initializer_list<QWidget *>{accountModeCombo, accountIdEdit, accountIdCombo, accountListButton})
        accountingButton->addDependent(dependent, noDefault);
}

void JobTab::buildAccountDialogs()
{
    const Qt::WindowFlags titleButtons =
        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint;

    accountListDialog = new QDialog(this);
    accountListDialog->setWindowTitle(tr("Account ID"));
    accountListDialog->setFixedSize(400, 200);
    accountListDialog->setWindowModality(Qt::WindowModal);
    accountListDialog->setWindowFlags(accountListDialog->windowFlags() & ~titleButtons);

    accountTable = new QTableWidget(0, 2, accountListDialog);
    accountTable->setAccessibleName(QStringLiteral("tblCustomAccountID"));
    accountTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Account ID")));
    accountTable->setHorizontalHeaderItem(1, new QTableWidgetItem(tr("Description")));
    accountTable->setColumnWidth(0, 143);
    accountTable->setColumnWidth(1, 142);
    accountTable->verticalHeader()->hide();
    accountTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    accountTable->setSelectionMode(QAbstractItemView::SingleSelection);
    accountTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    accountTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    accountTable->horizontalHeader()->setStretchLastSection(true);
    accountTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    accountTable->setStyleSheet(toolTipStyle);
    accountTable->setSortingEnabled(true);
    accountTable->setTabKeyNavigation(false);
    accountTable->sortByColumn(0, Qt::AscendingOrder);

    newAccountButton = new QPushButton(tr("New"), accountListDialog);
    newAccountButton->setAccessibleName(QStringLiteral("butNewCustomAccountID"));
    editAccountButton = new QPushButton(tr("Edit"), accountListDialog);
    editAccountButton->setAccessibleName(QStringLiteral("butEditCustomAccountID"));
    deleteAccountButton = new QPushButton(tr("Delete"), accountListDialog);
    deleteAccountButton->setAccessibleName(QStringLiteral("butDeleteCustomAccountID"));
    accountListButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, accountListDialog);
    accountListButtons->setAccessibleName(QStringLiteral("butBoxCustomAccountID"));

    accountEditDialog = new QDialog(accountListDialog);
    accountEditDialog->setWindowFlags(accountEditDialog->windowFlags() & ~titleButtons);
    accountEditIdLabel = new QLabel(tr("Account ID:"), accountEditDialog);
    accountEditIdEdit = newLineEdit(accountEditDialog, QString());
    accountEditIdEdit->setMaxLength(8);
    setPattern(accountEditIdEdit, digitsPattern, this);
    accountEditDescriptionLabel = new QLabel(tr("Description:"), accountEditDialog);
    accountEditDescriptionEdit = newLineEdit(accountEditDialog, QString());
    setPattern(accountEditDescriptionEdit, descriptionPattern, this);
    accountEditButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, accountEditDialog);
}

void JobTab::buildJobNameSection()
{
    jobNameLabel = newCaption(this, tr("Job name") + QLatin1Char(':'), QStringLiteral("lblJobName"));
    jobNameIcon = newCaption(this, QString(), QStringLiteral("iconJobName"));
    jobNameIcon->setPixmap(
        QPixmap(QStringLiteral(":/icons/name")).scaled(50, 50, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    jobNameCombo = newComboBox(this, QStringLiteral("cmbBxJobName"));
    jobNameCombo->addItem(tr("Application defined"));
    jobNameCombo->addItem(tr("Custom"));
    jobNameEdit = newLineEdit(this, QStringLiteral("lnEditJobName"));
    setPattern(jobNameEdit, namePattern, this);
    overwriteLabel = newCaption(this, richCaption(tr("Overwrite job name:")), QStringLiteral("lblOverwrite"));
    overwriteLabel->setTextFormat(Qt::RichText);
    overwriteCombo = newComboBox(this, QStringLiteral("cmbBxOverwrite"));
    overwriteCombo->addItem(tr("Use job name + date and time"));
    overwriteCombo->addItem(tr("Replace existing file"));
    overwriteCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    overwriteCombo->setMinimumWidth(200);
}

void JobTab::buildEmailSection()
{
    const QString caption = tr("Job e-mail notification");
    QString shown = caption;
    shown.replace(QLatin1String("\\n"), QLatin1String("<br>"));
    emailLabel = newCaption(this, QStringLiteral("<font>") + shown + QStringLiteral(":</font>"),
                            QStringLiteral("lblJobEmail"));
    emailLabel->setTextFormat(Qt::RichText);
    emailButton = new ZelCheckBoxButton(this, caption, QIcon(QStringLiteral(":/icons/email")));
    emailButton->setAccessibleName(QStringLiteral("chkButJobEmail"));
    emailEdit = newLineEdit(this, QStringLiteral("lnEditJobEmail"));
    setPattern(emailEdit, emailPattern, this);
    emailErrorLabel = new QLabel(this);
    emailErrorLabel->setStyleSheet(redStyle);
    emailErrorLabel->setWordWrap(true);
    emailErrorLabel->hide();
}

void JobTab::buildUserLoginSection()
{
    userLoginLabel = newCaption(this, tr("User Login") + QLatin1Char(':'), QStringLiteral("lblUserLogin"));
    userLoginButton = new ZelCheckBoxButton(this, tr("User login"), QIcon(QStringLiteral(":/icons/user")));
    userLoginButton->setAccessibleName(QStringLiteral("chkButUserLogin"));
    loginNameLabel = newCaption(this, tr("Name:"), QStringLiteral("lblLoginUserName"));
    loginNameEdit = newLineEdit(this, QStringLiteral("lnEditLoginUserName"));
    loginNameEdit->setMaxLength(64);
    setPattern(loginNameEdit, namePattern, this);
    loginPasswordLabel = newCaption(this, tr("Password:"), QStringLiteral("lblLoginPassword"));
    loginPasswordEdit = newLineEdit(this, QStringLiteral("lnEditLoginPassword"));
    loginPasswordEdit->setEchoMode(QLineEdit::Password);
    loginPasswordEdit->setMaxLength(64);

    for (QWidget *dependent :
         std::initializer_list<QWidget *>{loginNameLabel, loginNameEdit, loginPasswordLabel, loginPasswordEdit})
        userLoginButton->addDependent(dependent, noDefault);
}

void JobTab::registerWidgets()
{
    // The keys starting with "cJ" and ending in "LE" name no option; they
    // only make the fields registered widgets of the page.
    optionWidgets.insert(QStringLiteral("ZVCollate1"), storageCombo);
    optionWidgets.insert(QStringLiteral("cJobStore"), storageButton);
    optionWidgets.insert(QStringLiteral("cJobAccount"), accountingButton);
    optionWidgets.insert(QStringLiteral("cJACLE"), accountIdEdit);
    optionWidgets.insert(QStringLiteral("cUserLogin"), userLoginButton);
    optionWidgets.insert(QStringLiteral("cJULE"), loginNameEdit);
    optionWidgets.insert(QStringLiteral("cJPLE"), loginPasswordEdit);
    optionWidgets.insert(QStringLiteral("cEmail"), emailButton);
    optionWidgets.insert(QStringLiteral("cJELE"), emailEdit);

    labelWidgets.insert(QStringLiteral("ZVCollate1"), jobSettingsLabel);
    labelWidgets.insert(QStringLiteral("ZqManagment"), accountingLabel);

    checkBoxButtons << storageButton << accountingButton;
}

void JobTab::layoutAccountDialogs()
{
    auto *list = new QGridLayout(accountListDialog);
    list->addWidget(accountTable, 0, 0, 4, 2);
    list->addWidget(newAccountButton, 0, 2);
    list->addWidget(editAccountButton, 1, 2);
    list->addWidget(deleteAccountButton, 2, 2);
    list->addWidget(accountListButtons, 4, 1, 1, 2);
    list->setRowStretch(4, 1);

    auto *entry = new QGridLayout(accountEditDialog);
    entry->addWidget(accountEditIdLabel, 0, 0);
    entry->addWidget(accountEditIdEdit, 1, 0);
    entry->addWidget(accountEditDescriptionLabel, 2, 0);
    entry->addWidget(accountEditDescriptionEdit, 3, 0);
    entry->addWidget(accountEditButtons, 4, 0);
}

void JobTab::layoutPage()
{
    // The two columns share a narrow page: every span ends in the last column
    // that holds a widget, since each further column a span reaches costs its
    // spacing, and that column takes the spare width.
    const Qt::Alignment left = Qt::AlignLeft;
    auto *leftGrid = new QGridLayout;
    leftGrid->addWidget(jobSettingsLabel, 0, 0, 1, 2, left);
    leftGrid->addWidget(storageButton, 1, 0, 2, 1, left);
    leftGrid->addWidget(storageCombo, 1, 1, 1, 1, left);
    // One pair at a time shows in these cells.
    leftGrid->addWidget(boxNumberLabel, 2, 1, 1, 1, left);
    leftGrid->addWidget(accessCodeLabel, 2, 1, 1, 1, left);
    leftGrid->addWidget(boxNumberEdit, 3, 1, 1, 1, left);
    leftGrid->addWidget(accessCodeEdit, 3, 1, 1, 1, left);
    leftGrid->addWidget(boxPasswordLabel, 4, 1, 1, 1, left);
    leftGrid->addWidget(boxPasswordEdit, 5, 1, 1, 1, left);
    leftGrid->addWidget(newLine(QFrame::HLine), 8, 0, 1, 2);
    leftGrid->addWidget(accountingLabel, 9, 0, 1, 2, left);
    leftGrid->addWidget(accountingButton, 10, 0, 2, 1, left);
    leftGrid->addWidget(accountModeCombo, 10, 1, 1, 1, left);
    leftGrid->addWidget(accountIdEdit, 11, 1, 1, 1, left);
    leftGrid->addWidget(accountIdCombo, 11, 1, 1, 1, left);
    leftGrid->addWidget(accountListButton, 12, 1, 1, 1, left);
    leftGrid->addWidget(newLine(QFrame::HLine), 14, 0, 1, 2);
    leftGrid->addWidget(userLoginLabel, 15, 0, 1, 2, Qt::AlignVCenter);
    leftGrid->addWidget(userLoginButton, 16, 0, 2, 1, left);
    leftGrid->addWidget(loginNameLabel, 16, 1, 1, 1, left);
    leftGrid->addWidget(loginNameEdit, 17, 1, 1, 1, left);
    leftGrid->addWidget(loginPasswordLabel, 18, 1, 1, 1, left);
    leftGrid->addWidget(loginPasswordEdit, 19, 1, 1, 1, left);
    leftGrid->setColumnStretch(1, 1);
    leftGrid->setRowStretch(20, 1);

    auto *rightGrid = new QGridLayout;
    rightGrid->addWidget(jobNameLabel, 0, 0, 1, 2, left);
    rightGrid->addWidget(jobNameIcon, 1, 0, 2, 1, Qt::AlignVCenter);
    rightGrid->addWidget(jobNameCombo, 1, 1, 1, 1, left);
    rightGrid->addWidget(jobNameEdit, 2, 1, 1, 1, left);
    // Below the icon, the overwrite choice has the column's whole width:
    // "Use job name + date and time" is wider than the field column.
    rightGrid->addWidget(overwriteLabel, 3, 0, 1, 2, left);
    rightGrid->addWidget(overwriteCombo, 4, 0, 2, 2, left);
    rightGrid->addWidget(newLine(QFrame::HLine), 6, 0, 1, 2);
    rightGrid->addWidget(emailLabel, 7, 0, 2, 2, left);
    rightGrid->addWidget(emailButton, 9, 0, 2, 1, left);
    rightGrid->addWidget(emailEdit, 9, 1, 1, 1, left);
    rightGrid->addWidget(emailErrorLabel, 10, 1, 1, 1, left);
    rightGrid->setColumnStretch(1, 1);
    rightGrid->setRowStretch(14, 1);

    newTwoColumnLayout(this, leftGrid, rightGrid);
}

void JobTab::connectPage()
{
    // Receivers of one signal run in connection order, and the checks rely
    // on it: keep the order below.
    connectToPass(jobNameCombo, SIGNAL(currentIndexChanged(int)));
    connect(jobNameCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(enableCustomJobNameSettings(int)));
    connect(jobNameCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(verifyjobName()));
    connectToDialog(accountingButton, SIGNAL(toggled(bool)));
    connect(accountListButton, SIGNAL(clicked()), this, SLOT(showCustomAccountIDDialog()));
    connect(accountListButton, SIGNAL(clicked()), this, SLOT(loadCustomIDTable()));
    connect(accountListButton, SIGNAL(clicked()), this, SLOT(checkCustomIDButtonStates()));
    connect(accountTable, SIGNAL(itemSelectionChanged()), this, SLOT(checkCustomIDButtonStates()));
    connect(accountTable, SIGNAL(cellDoubleClicked(int, int)), this, SLOT(customAccountIDDoubleClicked(int, int)));
    connect(accountEditIdEdit, SIGNAL(textChanged(QString)), this, SLOT(checkCustomIDButtonStates()));
    connect(accountEditDescriptionEdit, SIGNAL(textChanged(QString)), this, SLOT(checkCustomIDButtonStates()));
    connect(newAccountButton, SIGNAL(clicked()), this, SLOT(showNewCustomAccountIDDialog()));
    connect(editAccountButton, SIGNAL(clicked()), this, SLOT(editCustomAccountID()));
    connect(accountEditButtons->button(QDialogButtonBox::Ok), SIGNAL(clicked()), this,
            SLOT(createNewCustomAccountID()));
    connect(accountEditButtons->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), accountEditDialog, SLOT(hide()));
    connect(deleteAccountButton, SIGNAL(clicked()), this, SLOT(deleteCustomAccountID()));
    connectToDialog(accountIdEdit, SIGNAL(textEdited(QString)));
    connect(accountIdEdit, SIGNAL(textEdited(QString)), this, SLOT(verifySpecificJobAccountID()));
    QPushButton *listOk = accountListButtons->button(QDialogButtonBox::Ok);
    connect(listOk, SIGNAL(clicked()), this, SLOT(saveTempAccountIDs()));
    connect(accountListButtons->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), accountListDialog, SLOT(hide()));
    connectToDialog(listOk, SIGNAL(clicked()));
    connect(listOk, SIGNAL(clicked()), this, SLOT(verifySpecificJobAccountID()));

    enableCustomJobNameSettings(0);

    connect(accountModeCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(selectJobAccount()), Qt::UniqueConnection);
    connectToDialog(accountModeCombo, SIGNAL(currentIndexChanged(int)));
    connect(accountModeCombo, SIGNAL(currentIndexChanged(int)), this, SLOT(verifySpecificJobAccountID()),
            Qt::UniqueConnection);
    connect(accountingButton, SIGNAL(toggled(bool)), this, SLOT(verifySpecificJobAccountID()));
    connectToPass(userLoginButton, SIGNAL(toggled(bool)));
    connect(userLoginButton, SIGNAL(toggled(bool)), this, SLOT(toggleUserLogin()));
    connectToPass(loginNameEdit, SIGNAL(textChanged(QString)));
    connect(loginNameEdit, SIGNAL(textChanged(QString)), this, SLOT(verifyUserLogin()));
    connectToPass(loginPasswordEdit, SIGNAL(textChanged(QString)));
    connect(loginPasswordEdit, SIGNAL(textChanged(QString)), this, SLOT(verifyUserLogin()));

    connectWidgets();

    connect(storageButton, SIGNAL(toggled(bool)), this, SLOT(toggleJobSettingsCheckBox(bool)), Qt::UniqueConnection);
    connectToDialog(accessCodeEdit, SIGNAL(textEdited(QString)));
    connectToDialog(boxNumberEdit, SIGNAL(textEdited(QString)));
    connectToDialog(boxPasswordEdit, SIGNAL(textEdited(QString)));
    connectToDialog(jobNameEdit, SIGNAL(textEdited(QString)));
    connect(jobNameEdit, SIGNAL(textEdited(QString)), this, SLOT(verifyjobName()));
    connect(storageCombo, SIGNAL(currentIndexChanged(QString)), this, SLOT(toggleJobSettingsInput(QString)));
    connectToPass(storageCombo, SIGNAL(currentIndexChanged(QString)));
    connectToDialog(emailEdit, SIGNAL(textChanged(QString)));
    connect(emailEdit, SIGNAL(textChanged(QString)), this, SLOT(verifyJobEmail()));
    connect(emailButton, SIGNAL(toggled(bool)), this, SLOT(jobEMailNotificationToggle(bool)));
    connectToDialog(emailButton, SIGNAL(toggled(bool)));
    connect(emailButton, SIGNAL(toggled(bool)), this, SLOT(verifyJobEmail()));
}

void JobTab::retranslateUi()
{
    const std::initializer_list<QObject *> quiet = {
        accountListButton, accountListDialog, accountTable, newAccountButton, editAccountButton,
        deleteAccountButton, jobNameCombo, overwriteCombo, emailButton, accountModeCombo};
    for (QObject *widget : quiet)
        widget->blockSignals(true);

    accountListButton->setText(tr("Account ID List"));
    accountListDialog->setWindowTitle(tr("Account ID"));
    accountTable->setHorizontalHeaderItem(0, new QTableWidgetItem(tr("Account ID")));
    accountTable->setHorizontalHeaderItem(1, new QTableWidgetItem(tr("Description")));
    newAccountButton->setText(tr("New"));
    editAccountButton->setText(tr("Edit"));
    deleteAccountButton->setText(tr("Delete"));
    jobNameLabel->setText(tr("Job name:"));
    jobNameCombo->clear();
    jobNameCombo->addItem(tr("Application defined"));
    jobNameCombo->addItem(tr("Custom"));
    overwriteCombo->clear();
    overwriteCombo->addItem(tr("Use job name + date and time"));
    overwriteCombo->addItem(tr("Replace existing file"));
    accessCodeLabel->setText(tr("Access code:"));
    boxNumberLabel->setText(tr("Box number") + QLatin1Char(':'));
    boxPasswordLabel->setText(tr("Password") + QLatin1Char(':'));
    accountModeCombo->clear();
    accountModeCombo->addItem(tr("Use specific account ID"));
    accountModeCombo->addItem(tr("Select account ID"));
    accountEditIdLabel->setText(tr("Account ID:"));
    accountEditDescriptionLabel->setText(tr("Description:"));

    for (QObject *widget : quiet)
        widget->blockSignals(false);
}

// ---- checks ------------------------------------------------------------------

void JobTab::verifyJobStorage()
{
    setErrorMark(jobSettingsLabel, QString(), false);
    if (!storageButton->isChecked())
        return;
    const QString shown = storageCombo->currentText();
    const int codeLength = accessCodeEdit->text().size();
    // The code is optional for a stored job, required for private print.
    if (shown == jobStorageText() && codeLength != 0 && codeLength != 4)
        setErrorMark(jobSettingsLabel, tr(msgAccessCode), true);
    if (shown == tr("Private print") && codeLength != 4)
        setErrorMark(jobSettingsLabel, tr(msgAccessCode), true);
    if (shown == tr("Custom box")) {
        bool ok = false;
        int box = boxNumberEdit->text().toInt(&ok, 10);
        if (!ok)
            box = 0;
        if (box > 1000 || box <= 0)
            setErrorMark(jobSettingsLabel, tr(msgBoxNumber), true);
    }
}

void JobTab::verifyJobEmail()
{
    emailErrorLabel->hide();
    if (!emailButton->isChecked()) {
        setErrorMark(emailLabel, QString(), false);
        return;
    }
    const char *message = nullptr;
    switch (EmailCheck::check(emailEdit->text())) {
    case EmailCheck::Accepted:
        setErrorMark(emailLabel, QString(), false);
        return;
    case EmailCheck::DoubleQuote:
        // Shown in red; the caption keeps whatever mark it had.
        emailErrorLabel->setText(tr(msgDoubleQuote));
        emailErrorLabel->show();
        return;
    case EmailCheck::Empty:
        message = msgEmailEmpty;
        break;
    case EmailCheck::Spaces:
        message = msgEmailSpaces;
        break;
    case EmailCheck::NotAscii:
        message = msgEmailAscii;
        break;
    case EmailCheck::BadFormat:
        setErrorMark(emailLabel, tr(msgEmailFormat) + QLatin1Char('\n') + tr(msgEmailExample).arg(exampleAddress),
                     true);
        return;
    }
    setErrorMark(emailLabel, tr(message), true);
}

void JobTab::verifyjobName()
{
    if (jobNameCombo->currentIndex() != 0 && jobNameEdit->text().isEmpty())
        setErrorMark(jobNameLabel, tr(msgJobName), true);
    else
        setErrorMark(jobNameLabel, QString(), false);
}

void JobTab::verifySpecificJobAccountID()
{
    if (!accountingButton->isChecked()) {
        accountIdEdit->clear();
        setErrorMark(accountingLabel, QString(), false);
    } else if (accountModeCombo->currentIndex() == 0 && accountIdEdit->text().isEmpty()) {
        setErrorMark(accountingLabel, tr(msgAccountIdLength), true);
    } else if (accountModeCombo->currentIndex() == 1 && accountIdCombo->currentText().isEmpty()) {
        setErrorMark(accountingLabel, tr(msgAccountIdList), true);
    } else {
        setErrorMark(accountingLabel, QString(), false);
    }
}

void JobTab::verifyUserLogin()
{
    const bool on = userLoginButton->isChecked();
    const QChar quote = QLatin1Char('"');
    if (on && (loginNameEdit->text().contains(quote) || loginPasswordEdit->text().contains(quote)))
        setErrorMark(userLoginLabel, tr(msgDoubleQuote), true);
    else if (on && loginNameEdit->text().isEmpty())
        setErrorMark(userLoginLabel, tr(msgUserName), true);
    else
        setErrorMark(userLoginLabel, QString(), false);
}

void JobTab::verifyJobStoragePasswordLineEdit()
{
    // The field takes any character as typed; every pass keeps its digits.
    QString digits;
    const QString typed = accessCodeEdit->text();
    for (const QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    accessCodeEdit->setText(digits);
}

bool JobTab::customJobNameMissing() const
{
    return jobNameCombo->currentIndex() == 1 && jobNameEdit->text().trimmed().isEmpty();
}

bool JobTab::storageInputMissing() const
{
    return storageButton->isChecked() && storageCombo->currentText() == tr("Custom box")
        && boxNumberEdit->text().isEmpty();
}

bool JobTab::accountIdMissing() const
{
    if (!accountingButton->isChecked())
        return false;
    if (accountModeCombo->currentIndex() == 1)
        return accountIdCombo->currentText().isEmpty();
    return accountModeCombo->currentIndex() == 0 && accountIdEdit->text().isEmpty();
}

bool JobTab::hasConflict()
{
    if (!isSupported())
        return false;
    const bool storageMarked = !jobSettingsLabel->toolTip().isEmpty() && storageButton->isChecked();
    const bool emailInvalid =
        emailButton->isChecked() && (!emailLabel->toolTip().isEmpty() || emailEdit->text().isEmpty());
    const bool loginNameMissing = userLoginButton->isChecked() && loginNameEdit->text().isEmpty();
    // A double quote in the login or the address is marked, but no conflict.
    if (storageMarked || emailInvalid || loginNameMissing || customJobNameMissing() || storageInputMissing()
        || accountIdMissing()) {
        conflict = true;
        return true;
    }
    return conflict;
}

void JobTab::clearConflictMarks()
{
    Tab::clearConflictMarks();
    for (QLabel *caption : {accountingLabel, userLoginLabel, emailLabel, jobNameLabel})
        removeErrorMark(caption);
}

void JobTab::updateDependentControls()
{
    updateStorageChoices();
    verifyjobName();
    verifyJobStoragePasswordLineEdit();
}

void JobTab::markCustomConstraints()
{
    Tab::markCustomConstraints();
    verifyJobStorage();
    verifyJobEmail();
    verifyUserLogin();
    verifySpecificJobAccountID();
    verifyjobName();
}

// ---- dependent controls ----------------------------------------------------------

QString JobTab::jobStorageText() const
{
    kOption *collate = optionFor(QStringLiteral("ZVCollate1"));
    const kChoice *choice = collate ? collate->choiceByName(QStringLiteral("JobStorage")) : nullptr;
    return choice ? choice->text() : QString();
}

void JobTab::setStorageFieldsShown(bool accessCode, bool box)
{
    accessCodeLabel->setVisible(accessCode);
    accessCodeEdit->setVisible(accessCode);
    boxNumberLabel->setVisible(box);
    boxNumberEdit->setVisible(box);
    boxPasswordLabel->setVisible(box);
    boxPasswordEdit->setVisible(box);
}

void JobTab::toggleJobSettingsInput(const QString &choice)
{
    if (choice == jobStorageText() || choice == tr("Private print")) {
        setStorageFieldsShown(true, false);
        accessCodeEdit->clear();
    } else if (choice == tr("Custom box")) {
        setStorageFieldsShown(false, true);
        boxPasswordEdit->clear();
        boxNumberEdit->clear();
    } else {
        setStorageFieldsShown(false, false);
    }
}

void JobTab::toggleJobSettingsCheckBox(bool toggled)
{
    if (toggled)
        return;
    const bool wasBlocked = storageCombo->blockSignals(true);
    const int proofAndHold = itemOf(storageCombo, tr("Proof and hold"));
    storageCombo->setCurrentIndex(proofAndHold >= 0 ? proofAndHold : 0);
    if (currentOptionStore)
        currentOptionStore->selectChoice(QStringLiteral("ZVCollate1"), QStringLiteral("None"));
    toggleJobSettingsInput(storageCombo->currentText());
    storageCombo->blockSignals(wasBlocked);
}

void JobTab::toggleUserLogin()
{
    if (userLoginButton->isChecked())
        return;
    loginNameEdit->setText(QString());
    loginPasswordEdit->setText(QString());
}

void JobTab::jobEMailNotificationToggle(bool checked)
{
    emailEdit->setEnabled(checked);
    emailEdit->clear();
}

void JobTab::enableCustomJobNameSettings(int choice)
{
    if (choice == 1) {
        jobNameEdit->setEnabled(true);
        return;
    }
    jobNameEdit->setEnabled(false);
    jobNameEdit->clear();
}

void JobTab::hideErrorLabels()
{
    emailErrorLabel->hide();
}

void JobTab::enableSectionsByOptions()
{
    const bool email = optionFor(QStringLiteral("cEmail")) != nullptr;
    for (QWidget *widget : std::initializer_list<QWidget *>{emailButton, emailEdit, emailLabel})
        widget->setEnabled(email);
    const bool jobName = optionFor(QStringLiteral("cJobName")) != nullptr;
    for (QWidget *widget :
         std::initializer_list<QWidget *>{jobNameCombo, jobNameLabel, jobNameIcon, overwriteCombo, overwriteLabel})
        widget->setEnabled(jobName);
    if (optionFor(QStringLiteral("ZqManagment"))) {
        accountingButton->setEnabled(true);
    } else {
        accountingButton->setChecked(false);
        accountingButton->setEnabled(false);
    }
}

void JobTab::updateStorageChoices()
{
    const QString privatePrint = tr("Private print");
    const QString customBox = tr("Custom box");
    const auto offer = [this](const QString &text) {
        if (itemOf(storageCombo, text) < 0)
            storageCombo->addItem(text);
    };
    const auto withdraw = [this](const QString &text) {
        if (itemOf(storageCombo, text) < 0)
            return;
        if (storageCombo->currentText() == text)
            storageCombo->setCurrentIndex(0);
        // Found again: the move runs a pass, which may have taken it out
        // already and shifted the others.
        const int item = itemOf(storageCombo, text);
        if (item >= 0)
            storageCombo->removeItem(item);
    };

    if (!optionFor(QStringLiteral("ZVCollate1"))) {
        withdraw(privatePrint);
        withdraw(customBox);
        return;
    }
    kOption *device = optionFor(QStringLiteral("Option18"));
    if (!device || !device->markedChoice())
        return;
    const QString name = device->markedChoice()->name();
    if (optionFor(QStringLiteral("cPrivatePrint"))) {
        if (name != QLatin1String("None"))
            offer(privatePrint);
        else
            withdraw(privatePrint);
    }
    if (!optionFor(QStringLiteral("cCustomBox")))
        return;
    if (name == QLatin1String("SSDrive") || name == QLatin1String("HardDisk"))
        offer(customBox);
    else
        withdraw(customBox);
}

void JobTab::loadStorageSelection(const QString &shownChoice)
{
    const QString privatePrint = tr("Private print");
    const QString customBox = tr("Custom box");
    QString js;
    if (kOption *collate = optionFor(QStringLiteral("ZVCollate1"))) {
        storageButton->setEnabled(true);
        const QString stored = storedSetting(QStringLiteral("ZVCollate1"));
        // An option without a default counts as not "None".
        const kChoice *fallback = collate->defaultChoice();
        const bool defaultNone = fallback && fallback->name() == QLatin1String("None");
        if (stored == QLatin1String("None") || (stored.isEmpty() && defaultNone)) {
            storageButton->setChecked(false);
            const int proofAndHold = itemOf(storageCombo, tr("Proof and hold"));
            if (proofAndHold >= 0)
                storageCombo->setCurrentIndex(proofAndHold);
        } else if (shownChoice != tr("Job storage") && shownChoice != privatePrint && shownChoice != customBox) {
            storageButton->setChecked(true);
        }
        js = jobStorageText();
    } else {
        storageButton->setEnabled(false);
        storageButton->setChecked(false);
    }

    if ((!shownChoice.isEmpty() && shownChoice == js) || shownChoice == privatePrint) {
        setStorageFieldsShown(true, false);
        storageButton->setChecked(true);
    } else if (shownChoice == customBox) {
        setStorageFieldsShown(false, true);
        storageButton->setChecked(true);
    } else {
        setStorageFieldsShown(false, false);
    }
}

// ---- stored settings ---------------------------------------------------------------

void JobTab::reload()
{
    if (!currentOptionStore)
        return;
    blockWidgetSignals(true);
    accountModeCombo->blockSignals(true);
    jobNameCombo->blockSignals(true);
    hideErrorLabels();
    setTabName();
    customConstraintWidgets->clear();
    clearConflictMarks();
    updateLabels();
    loadWidgetsFromOptions();
    updateStorageChoices();
    enableSectionsByOptions();
    loadJobSettings();
    loadAccountSettings();
    loadUserLogin();
    markAllOptions();
    verifyJobEmail();
    accountModeCombo->blockSignals(false);
    jobNameCombo->blockSignals(false);
    blockWidgetSignals(false);
}

void JobTab::resetUnsupported()
{
    // Every section off, nothing typed and no account IDs, as the page was
    // built: another printer's e-mail address, storage box or login must not
    // reach this one's settings.
    blockWidgetSignals(true);
    const QSignalBlocker modeBlocker(accountModeCombo);
    const QSignalBlocker idBlocker(accountIdCombo);
    const QSignalBlocker nameBlocker(jobNameCombo);
    const QSignalBlocker overwriteBlocker(overwriteCombo);
    for (ZelCheckBoxButton *section : {storageButton, accountingButton, emailButton, userLoginButton})
        section->setChecked(false);
    for (QLineEdit *edit : {accessCodeEdit, boxNumberEdit, boxPasswordEdit, accountIdEdit, jobNameEdit, emailEdit,
                            loginNameEdit, loginPasswordEdit})
        edit->clear();
    storageCombo->clear();
    for (QComboBox *combo : std::initializer_list<QComboBox *>{accountModeCombo, jobNameCombo, overwriteCombo})
        combo->setCurrentIndex(0);
    accountIdCombo->clear();
    accountIds.clear();
    accountIdsEditing.clear();
    hideErrorLabels();
    blockWidgetSignals(false);
}

void JobTab::loadJobSettings()
{
    // E-mail notice: an address stored, or else a marked choice that names one.
    QString address;
    if (kOption *email = optionFor(QStringLiteral("cEmail"))) {
        const bool storedOn = storedSetting(QStringLiteral("cEmail")) == trueName;
        currentOptionStore->selectChoice(QStringLiteral("cEmail"), storedOn ? trueName : falseName);
        if (const kChoice *marked = email->markedChoice()) {
            const QString stored = storedSetting(QStringLiteral("EMailNotification"));
            const QString name = marked->name();
            const QString off = QStringLiteral("off");
            if (!stored.isEmpty() && stored != falseName && stored != off)
                address = stored;
            else if (stored.isEmpty() && name != off && name != falseName)
                address = QString(name).remove(QStringLiteral("Custom."));
        }
    }
    emailButton->setChecked(!address.isNull());
    emailEdit->setEnabled(!address.isNull());
    emailEdit->setText(address);
    verifyJobEmail();

    // Job name.
    const QString custom = storedSetting(QStringLiteral("CustomJobName"));
    const QString date = storedSetting(QStringLiteral("JobDate"));
    kOption *jobName = optionFor(QStringLiteral("JobName"));
    if (!custom.isEmpty()) {
        selectItem(jobNameCombo, tr("Custom"));
        jobNameEdit->setText(custom);
        jobNameEdit->setEnabled(true);
    } else if (jobName && jobName->defaultName() != QLatin1String("off") && date.isEmpty()) {
        // A default choice "Custom.<name>" names the job.
        selectItem(jobNameCombo, tr("Custom"));
        jobNameEdit->setText(jobName->defaultName().mid(7));
        jobNameEdit->setEnabled(true);
    } else {
        selectItem(jobNameCombo, tr("Application defined"));
        jobNameEdit->clear();
        jobNameEdit->setEnabled(false);
    }

    // Job date.
    bool replace = date == QLatin1String("false");
    if (date.isEmpty()) {
        kOption *jobDate = optionFor(QStringLiteral("JobDate"));
        replace = jobDate && jobDate->defaultName() == QLatin1String("false");
    }
    selectItem(overwriteCombo, replace ? tr("Replace existing file") : tr("Use job name + date and time"));

    // Storage. The fields start empty, or another printer's or profile's
    // code would show here and be saved with this one.
    accessCodeEdit->clear();
    boxNumberEdit->clear();
    boxPasswordEdit->clear();
    updateStorageChoices();
    QString js;
    if (kOption *collate = optionFor(QStringLiteral("ZVCollate1"))) {
        const int item = itemOf(storageCombo, collate->defaultName());
        if (item >= 0 && storedSetting(QStringLiteral("ZVCollate1")).isEmpty()) {
            storageCombo->setCurrentIndex(item);
            storageButton->setChecked(true);
        }
        js = jobStorageText();
    }
    if (!storedSetting(QStringLiteral("JobStorage")).isEmpty())
        selectItem(storageCombo, js);
    if (!storedSetting(QStringLiteral("PrivatePrint")).isEmpty())
        selectItem(storageCombo, tr("Private print"));
    const QString accessCode = storedSetting(QStringLiteral("AccessCode"));
    if (!accessCode.isEmpty())
        accessCodeEdit->setText(accessCode);
    const QString box = storedSetting(QStringLiteral("CustomBox"));
    if (!box.isEmpty() && itemOf(storageCombo, tr("Custom box")) >= 0) {
        selectItem(storageCombo, tr("Custom box"));
        boxNumberEdit->setText(box);
    }
    const QString boxPassword = storedSetting(QStringLiteral("CustomBoxPassword"));
    if (!boxPassword.isEmpty())
        boxPasswordEdit->setText(boxPassword);
    loadStorageSelection(storageCombo->currentText());
}

void JobTab::loadUserLogin()
{
    if (!optionFor(QStringLiteral("cUserLogin"))) {
        userLoginButton->setEnabled(false);
        userLoginButton->setChecked(false);
        for (QWidget *widget : std::initializer_list<QWidget *>{userLoginLabel, loginNameLabel, loginPasswordLabel})
            widget->setEnabled(false);
        for (QLineEdit *edit : {loginNameEdit, loginPasswordEdit}) {
            edit->setEnabled(false);
            edit->clear();
        }
        return;
    }
    userLoginButton->setEnabled(true);
    userLoginButton->setChecked(false);
    userLoginLabel->setEnabled(true);
    for (QLineEdit *edit : {loginNameEdit, loginPasswordEdit}) {
        edit->setEnabled(true);
        edit->clear();
    }

    // A value that does not decrypt leaves its field empty.
    const QString name = storedSetting(QStringLiteral("UserLoginName"));
    if (!name.isEmpty()) {
        userLoginButton->setChecked(true);
        loginNameEdit->setText(decodeStoredSecret(name));
    } else {
        userLoginButton->setChecked(false);
        loginNameEdit->setEnabled(false);
        loginNameEdit->clear();
        loginNameLabel->setEnabled(false);
    }
    const QString password = storedSetting(QStringLiteral("UserLoginPass"));
    if (!password.isEmpty()) {
        loginPasswordEdit->setText(decodeStoredSecret(password));
    } else {
        loginPasswordEdit->clear();
        loginPasswordEdit->setEnabled(false);
        loginPasswordLabel->setEnabled(false);
    }
}

QHash<QString, QString> JobTab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    collectBoundOptions();
    // Stored jobs, private print and custom boxes go by the page's own keys.
    const QString shown = storageCombo->currentText();
    for (const QString &text : {tr("Job storage"), tr("Private print"), tr("Custom box")}) {
        if (sameText(shown, text))
            options.remove(QStringLiteral("ZVCollate1"));
    }
    options.insert(QStringLiteral("JobDate"),
                   overwriteCombo->currentText() == tr("Replace existing file") ? QStringLiteral("false")
                                                                                : QStringLiteral("true"));
    // An unchecked section stands for its option's first choice.
    const QList<OffDependent> off = offDependents();
    for (const OffDependent &dependent : off) {
        if (dependent.option->choiceCount() > 0)
            options.insert(dependent.keyword, dependent.option->choices().first()->name());
    }
    options.insert(QStringLiteral("Email"), emailButton->isChecked() ? emailEdit->text() : QStringLiteral("off"));
    if (jobNameCombo->currentText() != tr("Custom"))
        options.insert(QStringLiteral("JobName"), QStringLiteral("off"));
    return options;
}

QHash<QString, QString> JobTab::getExtraOptions()
{
    QMultiHash<QString, QString> extra;
    extra.insert(QStringLiteral("EMailNotification"),
                 emailButton->isChecked() ? emailEdit->text() : QStringLiteral("off"));
    if (jobNameCombo->currentText() == tr("Custom"))
        extra.insert(QStringLiteral("CustomJobName"), jobNameEdit->text());
    if (overwriteCombo->currentText() == tr("Replace existing file")) {
        extra.insert(QStringLiteral("ReplaceJob"), QStringLiteral("true"));
        extra.insert(QStringLiteral("JobDate"), QStringLiteral("false"));
    }

    if (storageButton->isChecked()) {
        const QString shown = storageCombo->currentText();
        const QString storage = QStringLiteral("ZVCollate1");
        if (sameText(shown, jobStorageText())) {
            extra.insert(QStringLiteral("JobStorage"), trueName);
            extra.insert(storage, QStringLiteral("JobStorage"));
            if (!accessCodeEdit->text().isEmpty())
                extra.insert(QStringLiteral("AccessCode"), accessCodeEdit->text());
        } else if (sameText(shown, tr("Private print"))) {
            extra.insert(QStringLiteral("PrivatePrint"), trueName);
            extra.insert(storage, QStringLiteral("Custom1"));
            extra.insert(QStringLiteral("AccessCode"), accessCodeEdit->text());
        } else if (sameText(shown, tr("Custom box"))) {
            QString box = boxNumberEdit->text();
            while (box.size() < 4)
                box.prepend(QLatin1Char('0'));
            boxNumberEdit->setText(box);
            extra.insert(QStringLiteral("CustomBox"), box);
            extra.insert(QStringLiteral("CustomBoxPassword"), boxPasswordEdit->text());
            extra.insert(storage, QStringLiteral("Custom2"));
        }
    }

    if (optionFor(QStringLiteral("ZqManagment"))) {
        QString id;
        if (!accountingButton->isEnabledTo(this) || !accountingButton->isChecked())
            extra.insert(QStringLiteral("ZqManagment"), QStringLiteral("Default"));
        else if (accountModeCombo->currentIndex() == 0)
            id = accountIdEdit->text();
        else if (accountModeCombo->currentIndex() == 1)
            id = accountIdCombo->currentText();
        if (!id.isEmpty()) {
            extra.insert(QStringLiteral("CustomAccountID"), id);
            extra.insert(QStringLiteral("ZqManagment"), id);
        }
    }
    // The list is kept even for a printer without accounting.
    for (auto it = accountIds.constBegin(); it != accountIds.constEnd(); ++it)
        extra.insert(QStringLiteral("CustomAccountIDStore"), it.key() + QLatin1Char('=') + it.value());

    if (userLoginButton->isChecked()) {
        extra.insert(QStringLiteral("UserLogin"), trueName);
        const QString name = encodeStoredSecret(loginNameEdit->text());
        if (!name.isEmpty())
            extra.insert(QStringLiteral("UserLoginName"), name);
        const QString password = encodeStoredSecret(loginPasswordEdit->text());
        if (!password.isEmpty())
            extra.insert(QStringLiteral("UserLoginPass"), password);
    } else {
        extra.insert(QStringLiteral("UserLogin"), falseName);
    }
    return extra;
}

// ---- account IDs -------------------------------------------------------------------

void JobTab::selectJobAccount()
{
    if (accountModeCombo->currentIndex() == 0) {
        accountIdEdit->show();
        accountIdCombo->hide();
        accountListButton->hide();
        return;
    }
    accountIdEdit->hide();
    accountIdEdit->clear();
    accountIdCombo->show();
    accountListButton->show();
}

void JobTab::fillAccountIdCombo()
{
    accountIdCombo->clear();
    const QStringList ids = sortedIds(accountIds);
    for (const QString &id : ids)
        accountIdCombo->addItem(id);
    if (!ids.isEmpty())
        accountIdCombo->setCurrentIndex(0);
}

void JobTab::loadAccountSettings()
{
    const QString stored = storedSetting(QStringLiteral("ZqManagment"));
    kOption *management = optionFor(QStringLiteral("ZqManagment"));
    if (!management) {
        accountIdCombo->clear();
        return;
    }
    QString name = QStringLiteral("Default");
    if (stored.isEmpty() && management->defaultChoice())
        name = management->defaultChoice()->name();
    if (stored != QLatin1String("Default"))
        accountingButton->setChecked(true);

    accountIds.clear();
    accountIdEdit->clear();
    const QStringList entries = readSettingValues(QString(), QStringLiteral("CustomAccountIDStore"));
    for (const QString &entry : entries) {
        const int equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0)
            accountIds.insert(entry, QString());
        else
            accountIds.insert(entry.left(equals), entry.mid(equals + 1));
    }
    fillAccountIdCombo();

    const QString chosen = storedSetting(QStringLiteral("CustomAccountID"));
    if (accountIds.contains(chosen)) {
        accountModeCombo->setCurrentIndex(1);
        selectItem(accountIdCombo, chosen);
    } else if (!chosen.isEmpty()) {
        // Taken as typed, even when the validator would not have let it in.
        accountIdEdit->setText(chosen);
        accountModeCombo->setCurrentIndex(0);
    } else if (name != QLatin1String("Default")) {
        accountIdEdit->setText(name.remove(QStringLiteral("MG")).remove(QStringLiteral("Custom.")));
        accountModeCombo->setCurrentIndex(0);
    } else {
        accountingButton->setChecked(false);
        accountModeCombo->setCurrentIndex(1);
    }
    selectJobAccount();
}

void JobTab::showCustomAccountIDDialog()
{
    accountIdsEditing = accountIds;
    accountListDialog->show();
}

void JobTab::loadCustomIDTable()
{
    accountTable->setRowCount(0);
    const int sortColumn = accountTable->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder sortOrder = accountTable->horizontalHeader()->sortIndicatorOrder();
    accountTable->setSortingEnabled(false);
    const QStringList ids = sortedIds(accountIdsEditing);
    for (const QString &id : ids) {
        const int row = accountTable->rowCount();
        accountTable->insertRow(row);
        accountTable->setItem(row, 0, new QTableWidgetItem(id));
        accountTable->setItem(row, 1, new QTableWidgetItem(accountIdsEditing.value(id)));
    }
    accountTable->setSortingEnabled(true);
    accountTable->sortByColumn(sortColumn, sortOrder);
}

void JobTab::customAccountIDDoubleClicked(int row, int column)
{
    Q_UNUSED(row)
    Q_UNUSED(column)
    editCustomAccountID();
}

void JobTab::checkCustomIDButtonStates()
{
    const bool rowChosen = accountTable->rowCount() > 0 && accountTable->currentRow() >= 0;
    editAccountButton->setEnabled(rowChosen);
    deleteAccountButton->setEnabled(rowChosen);
    newAccountButton->setEnabled(true);
}

bool JobTab::currentAccountRow(QString *id, QString *description) const
{
    const int row = accountTable->currentRow();
    if (row < 0 || row >= accountTable->rowCount())
        return false;
    const QTableWidgetItem *idItem = accountTable->item(row, 0);
    if (!idItem)
        return false;
    const QTableWidgetItem *descriptionItem = accountTable->item(row, 1);
    *id = idItem->text();
    *description = descriptionItem ? descriptionItem->text() : QString();
    return true;
}

void JobTab::showAccountIdError(const QString &message)
{
    QMessageBox box;
    box.setWindowTitle(tr("Account ID Error"));
    box.setText(message);
    box.exec();
}

void JobTab::createNewCustomAccountID()
{
    const QString id = accountEditIdEdit->text();
    const bool changed = !addingNewId && editedId != id;
    if (id.isEmpty()) {
        showAccountIdError(tr(msgAccountIdLength));
        return;
    }
    if (!accountIdsEditing.contains(id)) {
        // A changed ID: the entry moves to its new ID.
        if (changed)
            accountIdsEditing.remove(editedId);
    } else if (addingNewId || changed) {
        showAccountIdError(tr(msgAccountIdExists));
        return;
    }
    accountIdsEditing.insert(id, accountEditDescriptionEdit->text());
    loadCustomIDTable();
    checkCustomIDButtonStates();
    accountEditDialog->close();
}

void JobTab::deleteCustomAccountID()
{
    QString id;
    QString description;
    // Nothing to delete without a current row (an emptied or refilled table).
    if (!currentAccountRow(&id, &description)) {
        checkCustomIDButtonStates();
        return;
    }
    accountIdsEditing.remove(id);
    loadCustomIDTable();
    checkCustomIDButtonStates();
    fillAccountIdCombo();
}

void JobTab::editCustomAccountID()
{
    QString id;
    QString description;
    if (!currentAccountRow(&id, &description)) {
        checkCustomIDButtonStates();
        return;
    }
    accountEditDialog->setWindowTitle(tr("Edit Account ID"));
    accountEditIdEdit->setText(id);
    accountEditDescriptionEdit->setText(description);
    accountEditDialog->setWindowModality(Qt::WindowModal);
    accountEditDialog->show();
    loadCustomIDTable();
    checkCustomIDButtonStates();
    addingNewId = false;
    editedId = accountEditIdEdit->text();
}

void JobTab::showNewCustomAccountIDDialog()
{
    accountEditDialog->setWindowTitle(tr("New Account ID"));
    accountEditIdEdit->setEnabled(true);
    accountEditIdEdit->clear();
    accountEditDescriptionEdit->clear();
    accountEditDialog->setWindowModality(Qt::WindowModal);
    accountEditDialog->setFixedSize(300, 165);
    accountEditDialog->adjustSize();
    accountEditDialog->show();
    addingNewId = true;
    editedId.clear();
}

void JobTab::saveTempAccountIDs()
{
    accountIds = accountIdsEditing;
    accountListDialog->hide();
    fillAccountIdCombo();
}

QList<Tab::DetailRow> JobTab::detailRows()
{
    return {
        {QStringLiteral("ZVCollate1"), tr("Job settings")},
        {QStringLiteral("ZqManagment"), tr("Job accounting")},
        {QStringLiteral("CustomJobName"), tr("Job name")},
        {QStringLiteral("EMailNotification"), tr("Job e-mail notification")},
        {QStringLiteral("UserLogin"), tr("User login")},
    };
}
