#pragma once

#include "tab.h"

#include <QHash>
#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The Job page: job storage with an access code or a custom box, job
// accounting with a typed ID or one from the queue's account-ID list, a
// custom job name, an e-mail notice and a user login stored encrypted.
class JobTab : public Tab
{
    Q_OBJECT

public:
    explicit JobTab(QWidget *dialog = nullptr);
    ~JobTab() override;

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    QList<DetailRow> detailRows() override;
    void reload() override;
    void resetUnsupported() override;
    QHash<QString, QString> getOptions() override;
    QHash<QString, QString> getExtraOptions() override;
    void clearConflictMarks() override;
    void updateDependentControls() override;
    bool hasConflict() override;
    void retranslateUi() override;
    void markCustomConstraints() override;

    void hideErrorLabels();
    void enableSectionsByOptions();
    void updateStorageChoices();
    void loadStorageSelection(const QString &shownChoice);
    bool customJobNameMissing() const;
    bool storageInputMissing() const;
    bool accountIdMissing() const;
    void loadJobSettings();
    void loadUserLogin();
    void loadAccountSettings();
    void fillAccountIdCombo();

    // The text of the "JobStorage" choice of the storage option, empty when
    // the printer has neither.
    QString jobStorageText() const;

    bool addingNewId = false;
    QString editedId;
    // Account ID to description: the committed list and the copy the list
    // dialog edits.
    QHash<QString, QString> accountIds;
    QHash<QString, QString> accountIdsEditing;

    // Job storage.
    QLabel *jobSettingsLabel = nullptr;
    ZelCheckBoxButton *storageButton = nullptr;
    ComboBoxEx *storageCombo = nullptr;
    QLabel *accessCodeLabel = nullptr;
    QLineEdit *accessCodeEdit = nullptr;
    QLabel *boxNumberLabel = nullptr;
    QLineEdit *boxNumberEdit = nullptr;
    QLabel *boxPasswordLabel = nullptr;
    QLineEdit *boxPasswordEdit = nullptr;
    // Job accounting.
    QLabel *accountingLabel = nullptr;
    ZelCheckBoxButton *accountingButton = nullptr;
    ComboBoxEx *accountModeCombo = nullptr;
    QLineEdit *accountIdEdit = nullptr;
    ComboBoxEx *accountIdCombo = nullptr;
    QPushButton *accountListButton = nullptr;
    // The account-ID list dialog and the dialog for one entry.
    QDialog *accountListDialog = nullptr;
    QTableWidget *accountTable = nullptr;
    QPushButton *newAccountButton = nullptr;
    QPushButton *editAccountButton = nullptr;
    QPushButton *deleteAccountButton = nullptr;
    QDialogButtonBox *accountListButtons = nullptr;
    QDialog *accountEditDialog = nullptr;
    QLabel *accountEditIdLabel = nullptr;
    QLineEdit *accountEditIdEdit = nullptr;
    QLabel *accountEditDescriptionLabel = nullptr;
    QLineEdit *accountEditDescriptionEdit = nullptr;
    QDialogButtonBox *accountEditButtons = nullptr;
    // Job name.
    QLabel *jobNameLabel = nullptr;
    QLabel *jobNameIcon = nullptr;
    ComboBoxEx *jobNameCombo = nullptr;
    QLineEdit *jobNameEdit = nullptr;
    QLabel *overwriteLabel = nullptr;
    ComboBoxEx *overwriteCombo = nullptr;
    // E-mail notice.
    QLabel *emailLabel = nullptr;
    ZelCheckBoxButton *emailButton = nullptr;
    QLineEdit *emailEdit = nullptr;
    QLabel *emailErrorLabel = nullptr;
    // User login.
    QLabel *userLoginLabel = nullptr;
    ZelCheckBoxButton *userLoginButton = nullptr;
    QLabel *loginNameLabel = nullptr;
    QLineEdit *loginNameEdit = nullptr;
    QLabel *loginPasswordLabel = nullptr;
    QLineEdit *loginPasswordEdit = nullptr;

public slots:
    void verifyJobEmail();
    void verifyjobName();
    void verifyJobStorage();
    void verifySpecificJobAccountID();
    void verifyUserLogin();
    void enableCustomJobNameSettings(int choice);
    void toggleJobSettingsInput(const QString &choice);
    void toggleJobSettingsCheckBox(bool toggled);
    void toggleUserLogin();
    void loadCustomIDTable();
    void customAccountIDDoubleClicked(int row, int column);
    void checkCustomIDButtonStates();
    void createNewCustomAccountID();
    void deleteCustomAccountID();
    void editCustomAccountID();
    void jobEMailNotificationToggle(bool checked);
    void showNewCustomAccountIDDialog();
    void showCustomAccountIDDialog();
    void saveTempAccountIDs();
    void selectJobAccount();
    void verifyJobStoragePasswordLineEdit();

private:
    void buildStorageSection();
    void buildAccountingSection();
    void buildAccountDialogs();
    void buildJobNameSection();
    void buildEmailSection();
    void buildUserLoginSection();
    void registerWidgets();
    void layoutAccountDialogs();
    void layoutPage();
    void connectPage();
    void setStorageFieldsShown(bool accessCode, bool box);
    // The account ID of the table's current row; false when there is none.
    bool currentAccountRow(QString *id, QString *description) const;
    void showAccountIdError(const QString &message);

    QString redStyle;
};
