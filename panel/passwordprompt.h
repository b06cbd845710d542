#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class ComboBoxEx;
class QLineEdit;
class QPushButton;
class ZelDialog;

// Asks for the root password and the way to become root, then stores the
// printer's installable options through zelPPDWrite_F run as root. The
// password only ever reaches sudo's or su's standard input.
class PasswordPrompt : public QDialog
{
    Q_OBJECT

public:
    // words: one "KEY=VALUE" per installable option. The queue is the one
    // selected now; a later change of selection does not redirect the write.
    PasswordPrompt(ZelDialog *dialog, const QStringList &words);

    // Runs zelPPDWrite_F QUEUE WORD... as root; method is "sudo" or "su".
    // 0 on success, else the exit status (1 when it could not run or was
    // ended by a signal or the time limit).
    static int runPrivileged(const QString &password, const QString &method,
                             const QString &queueName, const QStringList &words);
    // The text su hands to root's shell: every argument in single quotes, so
    // nothing in a queue name or word is expanded.
    static QString suCommandText(const QString &queueName, const QStringList &words);
    // "sudo -k": the next sudo asks for the password again.
    static void clearSudoCredentials();

    static constexpr int privilegedTimeoutMs = 120000;

    ComboBoxEx *methodBox = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QPushButton *okButton = nullptr;

public slots:
    void okButtonSlot();
    void reject() override;

private:
    ZelDialog *mainDialog;
    QString queueName;
    QStringList installableWords;
};
