#include "profiledialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

ProfileDialog::ProfileDialog(QWidget *dialog, OptionCollector *collector)
    : QDialog(dialog)
    , optionCollector(collector)
{
    setWindowTitle(tr("Profiles"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowContextHelpButtonHint));
    setWindowModality(Qt::WindowModal);

    auto *layout = new QVBoxLayout(this);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    layout->addStretch(1);
    layout->addWidget(buttonBox);

    // Loading first, so the main dialog's slots see the new settings path.
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::loadProfile);
    QPushButton *apply = buttonBox->button(QDialogButtonBox::Apply);
    connect(apply, &QPushButton::clicked, this, &ProfileDialog::loadProfile);
    if (dialog && dialog->metaObject()->indexOfSlot("profileChanged()") >= 0) {
        connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(profileChanged()));
        connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(setConstraints()));
        connect(apply, SIGNAL(clicked()), dialog, SLOT(profileChanged()));
        connect(apply, SIGNAL(clicked()), dialog, SLOT(setConstraints()));
    }
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::close);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileDialog::reject);
}

void ProfileDialog::fillProfileTable()
{
    // The profile list comes with the profile files' dialogs.
}

void ProfileDialog::show()
{
    QDialog::show();
}

void ProfileDialog::loadProfile()
{
}
