#include "passwordprompt.h"

#include "comboboxex.h"
#include "optionstore.h"
#include "processrunner.h"
#include "zeldialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {
QString quotedForShell(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
}

PasswordPrompt::PasswordPrompt(ZelDialog *dialog, const QStringList &words)
    : QDialog(nullptr)
    , mainDialog(dialog)
    , queueName(currentOptionStore ? currentOptionStore->printerName() : QString())
    , installableWords(words)
{
    setWindowTitle(tr("Password Prompt"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // OK on the main dialog closes it only after a successful root write.
    if (mainDialog)
        mainDialog->closeAfterApply = false;

    auto *label = new QLabel(tr("Please enter the root password."), this);
    methodBox = new ComboBoxEx;
    methodBox->setParent(this);
    methodBox->addItems({QStringLiteral("sudo"), QStringLiteral("su")});
    methodBox->setCurrentIndex(0);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    connect(okButton, &QPushButton::clicked, this, &PasswordPrompt::okButtonSlot);

    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 1, 1, 1, 3, Qt::AlignCenter);
    layout->addWidget(methodBox, 2, 1, Qt::AlignRight);
    layout->addWidget(passwordEdit, 2, 2, Qt::AlignLeft);
    layout->addWidget(okButton, 3, 2, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    passwordEdit->setFocus();
}

QString PasswordPrompt::suCommandText(const QString &queueName, const QStringList &words)
{
    QStringList parts = {QStringLiteral("zelPPDWrite_F"), quotedForShell(queueName)};
    for (const QString &word : words)
        parts << quotedForShell(word);
    return parts.join(QLatin1Char(' '));
}

void PasswordPrompt::clearSudoCredentials()
{
    ProcessRunner::run(QStringLiteral("sudo"), {QStringLiteral("-k")});
}

int PasswordPrompt::runPrivileged(const QString &password, const QString &method,
                                  const QString &queueName, const QStringList &words)
{
    if (queueName.isEmpty())
        return 1;
    const QByteArray answer = password.toUtf8() + '\n';
    ProcessResult result;
    if (method == QLatin1String("su")) {
        result = ProcessRunner::run(QStringLiteral("su"),
                                    {QStringLiteral("-c"), suCommandText(queueName, words)},
                                    privilegedTimeoutMs, answer);
    } else {
        // An empty prompt: sudo reads the password from standard input.
        QStringList arguments = {QStringLiteral("-S"), QStringLiteral("-p"), QString(),
                                 QStringLiteral("zelPPDWrite_F"), queueName};
        arguments << words;
        result = ProcessRunner::run(QStringLiteral("sudo"), arguments, privilegedTimeoutMs, answer);
    }
    if (!result.started || !result.finished || result.crashed)
        return 1;
    return result.exitCode;
}

void PasswordPrompt::okButtonSlot()
{
    const QString method = methodBox->currentText();
    const QString password = passwordEdit->text();

    clearSudoCredentials();
    const int status = runPrivileged(password, method, queueName, installableWords);
    passwordEdit->clear();
    if (status != 0) {
        QMessageBox box;
        box.setWindowTitle(tr("Error"));
        box.setText(tr("Could not authorize."));
        box.exec();
    } else if (mainDialog) {
        mainDialog->closeAfterApply = true;
        mainDialog->storeInstalledOptions();
        // The printer may have gone while the password was typed.
        if (currentOptionStore && mainDialog->writeTolpoptions())
            mainDialog->showSettingsApplied();
    }
    clearSudoCredentials();
    QDialog::accept();
}

void PasswordPrompt::reject()
{
    QDialog::reject();
}
