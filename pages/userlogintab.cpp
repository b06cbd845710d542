#include "userlogintab.h"

#include "pagewidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

UserLoginTab::UserLoginTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();

    auto *grid = new QGridLayout(this);
    grid->addWidget(captionLabel, 0, 0, 1, 1, Qt::AlignVCenter);
    grid->addWidget(loginButton, 1, 0, 2, 1, Qt::AlignLeft);
    grid->addWidget(nameLabel, 1, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(nameEdit, 2, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(passwordLabel, 3, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(passwordEdit, 4, 1, 1, 1, Qt::AlignLeft);
    grid->addWidget(errorLabel, 5, 1, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    for (QWidget *widget : std::initializer_list<QWidget *>{nameLabel, nameEdit, passwordLabel, passwordEdit})
        connect(loginButton, SIGNAL(toggled(bool)), widget, SLOT(setEnabled(bool)));
    connect(loginButton, SIGNAL(toggled(bool)), this, SLOT(verifyPJL(bool)));
    connect(nameEdit, SIGNAL(textEdited(QString)), this, SLOT(verifyPJL(QString)));
    connectToDialog(nameEdit, SIGNAL(textEdited(QString)));
    connect(passwordEdit, SIGNAL(textEdited(QString)), this, SLOT(verifyPJL(QString)));
    connectToDialog(passwordEdit, SIGNAL(textEdited(QString)));

    // Switched on and off once so every dependent starts in the off state;
    // the pass hears of the button only afterwards, so building starts none.
    loginButton->setChecked(true);
    loginButton->setChecked(false);
    connectToDialog(loginButton, SIGNAL(toggled(bool)));
    errorLabel->hide();
}

void UserLoginTab::setTabName()
{
    pageTitle = tr("User Login");
}

void UserLoginTab::buildUi()
{
    const QString style = redLabelStyle(this);
    pageTitle = tr("User Login");

    nameLabel = new QLabel(tr("Name:"));
    nameEdit = new QLineEdit;
    nameEdit->setMaxLength(64);
    passwordLabel = new QLabel(tr("Password:"));
    passwordEdit = new QLineEdit;
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setMaxLength(64);
    errorLabel = new QLabel;
    errorLabel->setStyleSheet(style);
    errorLabel->setWordWrap(true);
    captionLabel = new QLabel(tr("User login"));

    // The resources hold no picture of this name: the button shows its check
    // box alone.
    loginButton = new ZelCheckBoxButton(this, tr("User login"), QIcon(QStringLiteral(":/icons/userlogin")));
    for (QWidget *dependent :
         std::initializer_list<QWidget *>{nameLabel, nameEdit, passwordLabel, passwordEdit, errorLabel})
        loginButton->addDependent(dependent, noDefault);
}

bool UserLoginTab::isSupported()
{
    // Never one of the dialog's pages.
    return false;
}

void UserLoginTab::verifyPJL(const QString &string)
{
    Q_UNUSED(string)
    const bool on = loginButton->isChecked();
    const QChar quote = QLatin1Char('"');
    if (on && (nameEdit->text().contains(quote) || passwordEdit->text().contains(quote))) {
        errorLabel->setText(tr("Value cannot contain the double quote (\") character."));
        errorLabel->show();
    } else if (on && nameEdit->text().isEmpty()) {
        errorLabel->setText(tr("User name must be at least one character long."));
        errorLabel->show();
    } else {
        errorLabel->hide();
    }
}

void UserLoginTab::verifyPJL(bool)
{
    verifyPJL(nameEdit->text());
}
