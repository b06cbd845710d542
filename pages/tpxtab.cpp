#include "tpxtab.h"

#include "kcurl.h"
#include "optionstore.h"
#include "pagewidgets.h"
#include "settingsfile.h"
#include "zelbuttongroup.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

#include <initializer_list>

namespace {
// The product name and the texts around it stay as they are in every language.
const QString productName = QStringLiteral("Ondrix");
const QString unspecifiedError = QStringLiteral("An unspecified error occured.");
const QString defaultPort = QStringLiteral("9094");
const QString toggleKeyword = QStringLiteral("TPXToggle");
const QString onName = QStringLiteral("On");
const QString offName = QStringLiteral("Off");
const QString onValue = QStringLiteral("ON");
const QString offValue = QStringLiteral("OFF");
const char *const policyKeywords[] = {"TPXColorMode", "TPXThriftink", "TPXDuplex"};

QString baseUrl(const QString &server, const QString &port)
{
    return QStringLiteral("https://") + server + QLatin1Char(':') + port;
}

QLineEdit *newField(QWidget *page, const QString &pattern, const QString &accessibleName)
{
    auto *field = new QLineEdit(page);
    // Patterns such as "{,260}" are of this syntax, not QRegularExpression's.
    field->setValidator(new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive, QRegExp::RegExp), page));
    field->setAccessibleName(accessibleName);
    return field;
}

void showMessage(const QString &text)
{
    QMessageBox box;
    box.setWindowTitle(productName);
    box.setText(text);
    box.exec();
}
}

TPXTab::TPXTab(QWidget *dialog)
    : Tab(nullptr)
{
    // Parented by the main dialog's tab widget when it takes the page.
    this->dialog = dialog;
    buildUi();
    connectSignals();
    pageTitle = productName;
    layOut();
}

TPXTab::~TPXTab()
{
    delete client;
}

void TPXTab::setTabName()
{
    pageTitle = productName;
}

void TPXTab::buildUi()
{
    toggleGroup = new ZelButtonGroup(this, productName + QLatin1Char(':'));
    pageTitle = productName;
    // The buttons' names must equal the texts of TPXToggle's choices, which
    // the import translates in the context "QObject".
    toggleGroup->addButton(QCoreApplication::translate("QObject", "Off"), QStringLiteral(":/icons/tpx-off"));
    toggleGroup->addButton(QCoreApplication::translate("QObject", "On"), QStringLiteral(":/icons/tpx-on"));
    toggleGroup->setButton(0);

    serverLabel = newCaption(this, tr("Server") + QLatin1Char(':'), QStringLiteral("lblTPXServer"));
    serverEdit = newField(this, QStringLiteral("\\S{,260}"), QStringLiteral("lnEditTPXServer"));
    portLabel = newCaption(this, tr("Port") + QLatin1Char(':'), QStringLiteral("lblTPXPort"));
    portEdit = newField(this, QStringLiteral("[0-9]{,16}"), QStringLiteral("lnEditTPXPort"));
    userLabel = newCaption(this, tr("Login user name") + QLatin1Char(':'), QStringLiteral("lblTPXUser"));
    userEdit = newField(this, QStringLiteral("^[\\w][\\w ]{63}$"), QStringLiteral("lnEditTPXUser"));
    passwordLabel = newCaption(this, tr("Password") + QLatin1Char(':'), QStringLiteral("lblTPXPassword"));
    passwordEdit = newField(this, QStringLiteral(".{,64}"), QStringLiteral("lnEditTPXPassword"));
    passwordEdit->setEchoMode(QLineEdit::Password);

    notificationBox = new QCheckBox(tr("No notifications for policy conflicts") + QLatin1Char(':'), this);
    continueButton = new QRadioButton(tr("Continue printing"), this);
    cancelButton = new QRadioButton(tr("Cancel printing"), this);
    verifyButton = new QPushButton(tr("Verify"), this);

    optionWidgets.insert(toggleKeyword, toggleGroup);

    client = new kcurl;

    toggleGroup->setAccessibleName(QStringLiteral("butGroupTPX"));
    notificationBox->setAccessibleName(QStringLiteral("chkBxTPXConflict"));
    continueButton->setAccessibleName(QStringLiteral("rdButTPXContinue"));
    cancelButton->setAccessibleName(QStringLiteral("rdButTPXCancel"));
    verifyButton->setAccessibleName(QStringLiteral("butTPXVerify"));

    pendingChange = false;
    conflict = false;
    verified = true;
    replyReceived = false;
    for (const char *keyword : policyKeywords)
        policies.insert(QLatin1String(keyword), offName);
}

void TPXTab::layOut()
{
    auto *grid = new QGridLayout;
    grid->addWidget(toggleGroup, 0, 0, 1, 4);
    grid->addWidget(serverLabel, 1, 0, 1, 6);
    grid->addWidget(serverEdit, 2, 0, 1, 6);
    grid->addWidget(portLabel, 1, 7, 1, 3);
    grid->addWidget(portEdit, 2, 7, 1, 3);
    grid->addWidget(userLabel, 3, 0, 1, 10);
    grid->addWidget(userEdit, 4, 0, 1, 10);
    grid->addWidget(passwordLabel, 5, 0, 1, 10);
    grid->addWidget(passwordEdit, 6, 0, 1, 10);
    grid->addWidget(notificationBox, 7, 0, 1, 5);
    grid->addWidget(continueButton, 8, 1, 1, 3);
    grid->addWidget(cancelButton, 9, 1, 1, 3);
    grid->addWidget(verifyButton, 10, 0, 1, 2);
    grid->setColumnStretch(10, 1);
    grid->setRowStretch(15, 1);
    // The page's own contents margins frame it, as on every page.
    grid->setContentsMargins(0, 0, 0, 0);
    setLayout(grid);
}

void TPXTab::connectSignals()
{
    connect(toggleGroup, SIGNAL(buttonClicked(int)), this, SLOT(toggleTPX()));
    // The page's own reaction first, then the marking and the pass.
    connectWidgets();
    connect(verifyButton, SIGNAL(clicked(bool)), this, SLOT(verify()));
    connect(notificationBox, SIGNAL(clicked(bool)), this, SLOT(toggleNotifications()));
    // A reply is taken in before the pass that follows it.
    connect(client, SIGNAL(messageReady(QString,int)), this, SLOT(verifySuccess(QString,int)), Qt::UniqueConnection);
    connectToDialog(client, SIGNAL(messageReady(QString,int)));
    connect(client, SIGNAL(errorReady(QString,int)), this, SLOT(verifyFailure(QString,int)), Qt::UniqueConnection);
    connectToDialog(client, SIGNAL(errorReady(QString,int)));
    // Typing starts a pass; loading the fields does not.
    for (QLineEdit *field : {serverEdit, portEdit, userEdit, passwordEdit})
        connectToDialog(field, SIGNAL(textEdited(QString)));
    if (dialog && dialog->metaObject()->indexOfSlot("toggleColorMode()") >= 0)
        connect(this, SIGNAL(colorchanged()), dialog, SLOT(toggleColorMode()), Qt::UniqueConnection);
}

QIcon TPXTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-tpx"));
}

QIcon TPXTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-tpx-constraint"));
}

bool TPXTab::isSupported()
{
    return currentOptionStore != nullptr;
}

bool TPXTab::hasConflict()
{
    return conflict;
}

bool TPXTab::isOn() const
{
    return toggleGroup->checkedIndex() == 1;
}

void TPXTab::reload()
{
    if (!currentOptionStore)
        return;
    Tab::reload();
    blockWidgetSignals(true);
    loadSettings();
    replyReceived = false;
    autoVerify();
    applyPolicies();
    blockWidgetSignals(false);
}

void TPXTab::setControlsEnabled(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             serverLabel, serverEdit, portLabel, portEdit, userLabel, userEdit, passwordLabel,
             passwordEdit, notificationBox, continueButton, cancelButton, verifyButton})
        control->setEnabled(enabled);
}

void TPXTab::setPolicyOptionsOff()
{
    if (!currentOptionStore)
        return;
    for (const char *keyword : policyKeywords)
        currentOptionStore->selectChoice(QLatin1String(keyword), offName);
}

void TPXTab::loadSettings()
{
    const QString enabled = storedSetting(QStringLiteral("TPX_enabled"));
    const QString notify = storedSetting(QStringLiteral("TPX_notify"));
    const QString server = storedSetting(QStringLiteral("TPX_server"));
    const QString blocking = storedSetting(QStringLiteral("TPX_blocking"));
    const QString port = storedSetting(QStringLiteral("TPX_port"));
    const QString user = storedSetting(QStringLiteral("TPX_username"));
    const QString password = storedSetting(QStringLiteral("TPX_password"));

    const bool on = enabled == onValue;
    toggleGroup->setButton(on ? 1 : 0);
    verifiedToggleOn = on;

    serverEdit->setText(server);
    portEdit->setText(port);
    userEdit->setText(user);
    passwordEdit->setText(password);
    verifiedServer = server;
    verifiedPort = port;
    verifiedUser = user;
    verifiedPassword = password;

    notificationBox->setChecked(notify == onValue);
    // Checking one radio button unchecks the other; any other value keeps
    // the selection as it was.
    continueButton->setChecked(blocking == offValue);
    cancelButton->setChecked(blocking == onValue);

    setControlsEnabled(on);
    if (currentOptionStore)
        currentOptionStore->selectChoice(toggleKeyword, on ? onName : offName);
    if (on) {
        if (portEdit->text().isEmpty())
            portEdit->setText(defaultPort);
    } else {
        setPolicyOptionsOff();
    }
    toggleNotifications();
}

void TPXTab::sendLogin(const QString &server, const QString &port, const QString &user,
                       const QString &password, bool fromVerify)
{
    SentLogin sent;
    sent.server = server;
    sent.port = port;
    sent.user = user;
    sent.password = password;
    sent.userInitiated = fromVerify;
    verified = false;
    loginsOnTheirWay.insert(client->login(baseUrl(server, port), user, password), sent);
}

void TPXTab::autoVerify()
{
    const QString enabled = storedSetting(QStringLiteral("TPX_enabled"));
    if (enabled == onValue) {
        // The stored values, not the fields: the port field may show the
        // default in place of an empty stored port.
        sendLogin(storedSetting(QStringLiteral("TPX_server")), storedSetting(QStringLiteral("TPX_port")), storedSetting(QStringLiteral("TPX_username")),
                  storedSetting(QStringLiteral("TPX_password")), false);
    }
    for (const char *keyword : policyKeywords)
        policies.insert(QLatin1String(keyword), offName);
}

void TPXTab::applyPolicies()
{
    if (!currentOptionStore)
        return;
    // With accounting off the server's policies force nothing.
    if (!isOn()) {
        setPolicyOptionsOff();
        return;
    }
    for (const char *keyword : policyKeywords) {
        const QString choice = policies.value(QLatin1String(keyword));
        currentOptionStore->selectChoice(QLatin1String(keyword), choice);
        if (choice == onName && QLatin1String(keyword) == QLatin1String("TPXColorMode"))
            emit colorchanged();
    }
}

void TPXTab::toggleTPX()
{
    const bool on = isOn();
    setControlsEnabled(on);
    if (currentOptionStore)
        currentOptionStore->selectChoice(toggleKeyword, on ? onName : offName);
    notificationBox->setChecked(true);
    continueButton->setChecked(true);
    if (on) {
        if (portEdit->text().isEmpty())
            portEdit->setText(defaultPort);
        // Back on with the values the server accepted: its policies hold again.
        checkForChanges();
        if (!pendingChange && replyReceived && verified)
            applyPolicies();
    } else {
        setPolicyOptionsOff();
    }
    toggleNotifications();
}

void TPXTab::toggleNotifications()
{
    const bool choosable = notificationBox->isChecked() && isOn();
    continueButton->setEnabled(choosable);
    cancelButton->setEnabled(choosable);
    if (!choosable)
        continueButton->setChecked(true);
}

void TPXTab::verify()
{
    sendLogin(serverEdit->text(), portEdit->text(), userEdit->text(), passwordEdit->text(), true);
}

bool TPXTab::takeCurrentLogin(int login, SentLogin *sent)
{
    if (!loginsOnTheirWay.contains(login))
        return false;
    *sent = loginsOnTheirWay.take(login);
    if (!isOn())
        return false;
    return sent->server == serverEdit->text() && sent->port == portEdit->text()
        && sent->user == userEdit->text() && sent->password == passwordEdit->text();
}

void TPXTab::verifySuccess(const QString &message, int login)
{
    SentLogin sent;
    if (!takeCurrentLogin(login, &sent))
        return;
    QString text = message;
    const QString tag = kcurl::replyTag(baseUrl(sent.server, sent.port), sent.user);
    if (text.startsWith(tag))
        text.remove(0, tag.size());

    verified = parsePolicies(text);
    replyReceived = true;
    applyPolicies();
    if (verified) {
        pendingChange = false;
        verifiedToggleOn = isOn();
        verifiedServer = sent.server;
        verifiedPort = sent.port;
        verifiedUser = sent.user;
        verifiedPassword = sent.password;
    }
    // Last: other replies may be taken in while the box is open.
    showVerifyResult(text, sent.userInitiated);
}

void TPXTab::verifyFailure(const QString &message, int login)
{
    Q_UNUSED(message)
    SentLogin sent;
    if (!takeCurrentLogin(login, &sent))
        return;
    replyReceived = false;
    applyPolicies();
    showMessage(tr("Unable to connect to the server."));
}

bool TPXTab::parsePolicies(const QString &text)
{
    const QJsonObject reply = QJsonDocument::fromJson(text.toUtf8()).object();
    if (!reply.contains(QLatin1String("Policies"))) {
        for (const char *keyword : policyKeywords)
            policies.insert(QLatin1String(keyword), offName);
        return false;
    }
    const QJsonObject given = reply.value(QLatin1String("Policies")).toObject();
    const struct
    {
        const char *member;
        const char *onText;
        const char *keyword;
    } table[] = {
        {"JE.FullColorPrint", "ON", "TPXColorMode"},
        {"DR.ThriftinkRestriction", "PV.On", "TPXThriftink"},
        {"DR.DuplexRestriction", "PV.On", "TPXDuplex"},
    };
    for (const auto &entry : table) {
        if (!given.contains(QLatin1String(entry.member)))
            continue;
        const QJsonValue value = given.value(QLatin1String(entry.member));
        const bool on = value.isString() && value.toString() == QLatin1String(entry.onText);
        policies.insert(QLatin1String(entry.keyword), on ? onName : offName);
    }
    return true;
}

void TPXTab::showVerifyResult(const QString &text, bool fromVerify)
{
    QString message = unspecifiedError;
    if (verified && fromVerify) {
        message = tr("Server and user credentials have been authenticated and policies have been applied.")
            + QStringLiteral("\n\n") + tr("Credentials and policies will be checked again during printing.")
            + QLatin1Char('\n');
    }
    if (text.contains(QLatin1String("INVALID_USER_NAME_OR_PASSWORD")))
        message = tr("Login failed. The user name or password you entered is incorrect.");
    if (text.contains(QLatin1String("\"JE.MonoPrint\":\"ON\"")))
        message = tr("You do not have permission to print.");
    if (message != unspecifiedError || fromVerify)
        showMessage(message);
}

void TPXTab::checkForChanges()
{
    pendingChange = isOn() != verifiedToggleOn || serverEdit->text() != verifiedServer
        || portEdit->text() != verifiedPort || userEdit->text() != verifiedUser
        || passwordEdit->text() != verifiedPassword;
}

void TPXTab::setErrorMarkText(const QString &text)
{
    setErrorMark(toggleGroup, text, true);
}

void TPXTab::markCustomConstraints()
{
    checkForChanges();
    conflict = true;
    if (!isOn()) {
        setErrorMark(toggleGroup, QString(), false);
        conflict = false;
        return;
    }
    verifyButton->setEnabled(false);
    if (serverEdit->text().isEmpty() || portEdit->text().isEmpty() || userEdit->text().isEmpty()
        || passwordEdit->text().isEmpty()) {
        setErrorMarkText(tr("Server, Port, and Login user information must be filled out."));
        return;
    }
    verifyButton->setEnabled(true);
    if (pendingChange) {
        setErrorMarkText(tr("You must click Verify after making changes."));
    } else if (replyReceived && verified) {
        setErrorMark(toggleGroup, QString(), false);
        conflict = false;
    } else if (replyReceived) {
        setErrorMarkText(tr("Login failed. The user name or password you entered is incorrect."));
    } else {
        setErrorMarkText(tr("Unable to connect to the server."));
    }
}

QHash<QString, QString> TPXTab::getOptions()
{
    options.clear();
    options.insert(QStringLiteral("TPX_enabled"), isOn() ? onValue : offValue);
    options.insert(QStringLiteral("TPX_notify"), notificationBox->isChecked() ? onValue : offValue);
    options.insert(QStringLiteral("TPX_server"), serverEdit->text());
    options.insert(QStringLiteral("TPX_blocking"),
                   notificationBox->isChecked() && cancelButton->isChecked() ? onValue : offValue);
    options.insert(QStringLiteral("TPX_port"), portEdit->text());
    options.insert(QStringLiteral("TPX_username"), userEdit->text());
    // Plain text: the driver reads it so.
    options.insert(QStringLiteral("TPX_password"), passwordEdit->text());
    return options;
}

void TPXTab::emit_colorchanged()
{
    emit colorchanged();
}
