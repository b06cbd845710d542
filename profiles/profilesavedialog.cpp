#include "profilesavedialog.h"

#include "optioncollector.h"
#include "optionstore.h"
#include "profilefiles.h"
#include "settingsfile.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

namespace {
const int maxProfiles = 25;
}

ProfileSaveDialog::ProfileSaveDialog(QWidget *parent, OptionCollector *collector)
    : ProfileNameDialog(parent)
    , optionCollector(collector)
{
    nameLabel->setText(tr("Name:"));
    descriptionLabel->setText(tr("Description") + QLatin1Char(':'));
    setWindowTitle(tr("Save Profile"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileSaveDialog::saveProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileSaveDialog::close);
    connect(nameEdit, &QLineEdit::textChanged, this, &ProfileSaveDialog::checkProfileNameAndDescription);
    connect(descriptionEdit, &QTextEdit::textChanged, this, &ProfileSaveDialog::checkProfileNameAndDescription);
}

void ProfileSaveDialog::checkProfileNameAndDescription()
{
    applyNameRules();
}

bool ProfileSaveDialog::roomForAnotherProfile()
{
    if (ProfileFiles::profileCount() < maxProfiles)
        return true;
    showMessage(tr("Save Profile"),
                tr("The profile could not be added. A maximum profile count of 25 has been reached."));
    return false;
}

void ProfileSaveDialog::clearFields()
{
    nameEdit->setText(QString());
    descriptionEdit->setPlainText(QString());
    reloadQueueNames();
    applyNameRules();
}

void ProfileSaveDialog::show()
{
    if (!roomForAnotherProfile())
        return;
    clearFields();
    QDialog::show();
}

int ProfileSaveDialog::exec()
{
    if (!roomForAnotherProfile())
        return QDialog::Rejected;
    clearFields();
    return QDialog::exec();
}

void ProfileSaveDialog::saveProfile()
{
    const QString name = nameEdit->text();
    if (currentOptionStore && name == currentOptionStore->printerName()) {
        showMessage(tr("Save Profile"), tr("This name is reserved"));
        return;
    }
    if (name.isEmpty()) {
        showMessage(tr("Save Profile"), tr("You must enter a profile name"));
        return;
    }
    // OK is disabled then; nothing else may write under such a name.
    if (!nameIsValid())
        return;
    // Never over a queue's own settings file or anything else that is no profile.
    if (ProfileFiles::isTakenByOtherFile(name)) {
        showMessage(tr("Save Profile"), tr("This name is reserved"));
        return;
    }
    const SettingsSnapshot *snapshot = optionCollector ? optionCollector->collect() : nullptr;
    if (!snapshot
        || !writeProfileFileWithDescription(ProfileFiles::profilePath(name), *snapshot, false, encodedDescription())) {
        showMessage(tr("Save Profile"), tr("The profile could not be saved."));
        return;
    }
    accept();
}
