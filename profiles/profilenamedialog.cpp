#include "profilenamedialog.h"

#include "profilefiles.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QTextEdit>

#include <algorithm>

namespace {
// "Factory Default" as the list dialog shows it in each language; never translated here.
const char *const reservedNames[] = {
    "Factory Default",
    "Paramètres du fabricant",
    "Werkseinstellung",
    "Impostazioni fabbrica",
    "Valor predeterminado de fábrica",
    "Padrão de fábrica",
};
// "/" and what a command line would misread; a NUL, at which the system
// would end the path early, on another file; and line breaks.
const QLatin1String refusedCharacters("/\";`\r\n\0", 7);
const int maxDescriptionLength = 1024;
// With ".cfg" appended the file name stays within 255 bytes.
const int maxNameBytes = 251;
}

ProfileNameDialog::ProfileNameDialog(QWidget *parent)
    : QDialog(parent)
{
    // The default size constraint: a fixed-size layout would hold the dialog
    // at its content's size, below its minimum; this way it opens at the
    // larger of the two.
    gridLayout = new QGridLayout(this);

    nameLabel = new QLabel(this);
    nameEdit = new QLineEdit(this);
    descriptionLabel = new QLabel(this);
    descriptionEdit = new QTextEdit(this);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    gridLayout->addWidget(nameLabel, 1, 1);
    gridLayout->addWidget(nameEdit, 2, 1);
    gridLayout->addWidget(descriptionLabel, 7, 1);
    gridLayout->addWidget(descriptionEdit, 8, 1);
    gridLayout->addWidget(buttonBox, 10, 1);

    descriptionEdit->setMaximumSize(400, 50);
    descriptionEdit->setTabChangesFocus(true);
    setWindowModality(Qt::WindowModal);
    setMinimumSize(350, 200);
    nameEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral(".{,251}")), nameEdit));
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

bool ProfileNameDialog::isReservedName(const QString &name)
{
    const QString simplified = name.simplified();
    for (const char *reserved : reservedNames) {
        if (simplified.compare(QString::fromUtf8(reserved), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void ProfileNameDialog::applyNameRules()
{
    const QString name = nameEdit->text();
    validName = !name.isEmpty()
        && !isReservedName(name)
        && !queueNames.contains(name, Qt::CaseInsensitive)
        && !name.startsWith(QLatin1Char('.'))
        && std::none_of(name.cbegin(), name.cend(), [](QChar c) { return refusedCharacters.contains(c); })
        && descriptionEdit->toPlainText().size() <= maxDescriptionLength
        && name.toUtf8().size() <= maxNameBytes;
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(validName);
}

void ProfileNameDialog::reloadQueueNames()
{
    queueNames = ProfileFiles::installedQueueNames();
}

QString ProfileNameDialog::encodedDescription() const
{
    return descriptionEdit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

void ProfileNameDialog::showMessage(const QString &title, const QString &text)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
