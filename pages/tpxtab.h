#pragma once

#include "tab.h"

#include <QHash>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class kcurl;

// The print-accounting page: switches the use of the accounting server on or
// off, holds its address and the login, and forces the policies the server
// answers a login with onto the program-made options TPXColorMode,
// TPXThriftink and TPXDuplex. While switched on it holds a conflict until a
// login with the fields as they are now has succeeded.
class TPXTab : public Tab
{
    Q_OBJECT

public:
    explicit TPXTab(QWidget *dialog = nullptr);
    ~TPXTab() override;

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    QHash<QString, QString> getOptions() override;
    bool hasConflict() override;

    virtual void connectSignals();

signals:
    // The server's colour policy restricts printing to monochrome.
    void colorchanged();

public slots:
    void verify();
    void markCustomConstraints() override;
    void toggleTPX();
    void toggleNotifications();
    void checkForChanges();
    void verifySuccess(const QString &message, int login);
    void verifyFailure(const QString &message, int login);
    void emit_colorchanged();

public:
    // The four field texts a login was sent with, and who sent it.
    struct SentLogin
    {
        QString server;
        QString port;
        QString user;
        QString password;
        bool userInitiated = false;
    };

    ZelButtonGroup *toggleGroup = nullptr;
    QLabel *serverLabel = nullptr;
    QLineEdit *serverEdit = nullptr;
    QLabel *portLabel = nullptr;
    QLineEdit *portEdit = nullptr;
    QLabel *userLabel = nullptr;
    QLineEdit *userEdit = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QCheckBox *notificationBox = nullptr;
    QRadioButton *continueButton = nullptr;
    QRadioButton *cancelButton = nullptr;
    QPushButton *verifyButton = nullptr;
    kcurl *client = nullptr;
    bool pendingChange = false;
    bool verifiedToggleOn = false;
    QString verifiedServer;
    QString verifiedPort;
    QString verifiedUser;
    QString verifiedPassword;
    QHash<QString, QString> policies;
    bool verified = true;
    bool replyReceived = false;

protected:
    void loadSettings();
    void autoVerify();
    void applyPolicies();
    // Takes the login a reply belongs to out of the logins on their way;
    // false when the reply is to be dropped: unknown, made for other field
    // values than those shown now, or arriving while accounting is off.
    bool takeCurrentLogin(int login, SentLogin *sent);
    bool parsePolicies(const QString &text);
    // The box after a reply; a reply to an automatic login that succeeded shows none.
    void showVerifyResult(const QString &text, bool fromVerify);

private:
    bool isOn() const;
    void sendLogin(const QString &server, const QString &port, const QString &user,
                   const QString &password, bool fromVerify);
    void setControlsEnabled(bool enabled);
    void setPolicyOptionsOff();
    void layOut();
    void setErrorMarkText(const QString &text);

    QHash<int, SentLogin> loginsOnTheirWay;
};
