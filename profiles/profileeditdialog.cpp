#include "profileeditdialog.h"

#include "profilefiles.h"
#include "sessionstate.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

ProfileEditDialog::ProfileEditDialog(QWidget *parent)
    : ProfileNameDialog(parent)
{
    nameLabel->setText(tr("Name:"));
    descriptionLabel->setText(tr("Description:"));
    setWindowTitle(tr("Edit Profile"));
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileEditDialog::editProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileEditDialog::close);
    connect(nameEdit, &QLineEdit::textChanged, this, &ProfileEditDialog::checkProfileName);
    connect(descriptionEdit, &QTextEdit::textChanged, this, &ProfileEditDialog::checkProfileName);
}

void ProfileEditDialog::setProfile(const QString &name, const QString &description)
{
    oldName = name;
    nameEdit->setText(name);
    // Plain text: a description that looks like markup must come back as typed.
    descriptionEdit->setPlainText(QString(description).replace(QLatin1String("\\n"), QLatin1String("\n")));
}

void ProfileEditDialog::checkProfileName()
{
    applyNameRules();
}

void ProfileEditDialog::show()
{
    reloadQueueNames();
    applyNameRules();
    QDialog::show();
}

int ProfileEditDialog::exec()
{
    reloadQueueNames();
    applyNameRules();
    return QDialog::exec();
}

void ProfileEditDialog::editProfile()
{
    if (!nameIsValid())
        return;
    const QString newName = nameEdit->text();
    if (newName != oldName) {
        if (ProfileFiles::isTakenByOtherFile(newName)) {
            showMessage(tr("Edit Profile"), tr("This name is reserved"));
            return;
        }
        if (ProfileFiles::isProfile(newName)) {
            showMessage(tr("Edit Profile"), tr("A profile with this name already exists."));
            return;
        }
    }
    if (!ProfileFiles::rewriteProfile(oldName, newName, encodedDescription())) {
        showMessage(tr("Edit Profile"), tr("The profile could not be changed."));
        return;
    }
    // Pages that read from this profile go on reading it under its new name.
    if (activeSettingsPath == ProfileFiles::profilePath(oldName))
        activeSettingsPath = ProfileFiles::profilePath(newName);
    accept();
}
