// The user-login page the main dialog keeps but never shows: its state
// after construction, its input check and when it starts the dialog's pass.
#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "userlogintab.h"

namespace {
const QString msgQuote = QStringLiteral("Value cannot contain the double quote (\") character.");
const QString msgName = QStringLiteral("User name must be at least one character long.");
}

// Counts the passes the page starts.
class PassCounter : public QWidget
{
    Q_OBJECT
public:
    int passes = 0;
public slots:
    void setConstraints() { ++passes; }
};

class TestUserLoginTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<PassCounter> m_dialog;
    UserLoginTab *m_page = nullptr;

    // The message shown, or empty when the label is hidden.
    QString shownMessage() const
    {
        return m_page->errorLabel->isVisibleTo(m_page) ? m_page->errorLabel->text() : QString();
    }

    void clickButton() { m_page->loginButton->iconButton()->click(); }

private slots:
    void init()
    {
        m_dialog.reset(new PassCounter);
        m_page = new UserLoginTab(m_dialog.get());
        m_page->show();
    }

    void constructionState()
    {
        // Building the page, toggling included, starts no pass.
        QCOMPARE(m_dialog->passes, 0);
        QCOMPARE(m_page->tabName(), QStringLiteral("User Login"));
        QCOMPARE(m_page->captionLabel->text(), QStringLiteral("User login"));
        QVERIFY(!m_page->isSupported());
        QVERIFY(!m_page->loginButton->isChecked());
        for (QWidget *widget : std::initializer_list<QWidget *>{m_page->nameLabel, m_page->nameEdit,
                                                                m_page->passwordLabel, m_page->passwordEdit,
                                                                m_page->errorLabel})
            QVERIFY(!widget->isEnabled());
        QVERIFY(m_page->errorLabel->isHidden());
        QVERIFY(m_page->nameEdit->text().isEmpty());
        QCOMPARE(m_page->passwordEdit->echoMode(), QLineEdit::Password);
        QVERIFY(m_page->errorLabel->wordWrap());
        QVERIFY(m_page->errorLabel->styleSheet().startsWith("QLabel{color: red;"));
        // It binds no printer option.
        QVERIFY(m_page->optionWidgets.isEmpty());
        QVERIFY(m_page->checkBoxButtons.isEmpty());
        QVERIFY(m_page->findChild<QLayout *>());
    }

    void check_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");

        QTest::newRow("quote in the name") << true << "a\"n" << "pw" << msgQuote;
        QTest::newRow("quote in the name, none in the password") << true << "\"" << "" << msgQuote;
        QTest::newRow("quote in the password") << true << "ann" << "p\"w" << msgQuote;
        QTest::newRow("quote before the empty name") << true << "" << "\"" << msgQuote;
        QTest::newRow("empty name") << true << "" << "pw" << msgName;
        QTest::newRow("name, no password") << true << "ann" << "" << "";
        QTest::newRow("off, quote") << false << "a\"n" << "" << "";
        QTest::newRow("off, empty name") << false << "" << "" << "";
    }

    void check()
    {
        QFETCH(bool, on);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        if (on)
            clickButton();
        QCOMPARE(m_page->loginButton->isChecked(), on);
        QCOMPARE(m_page->nameEdit->isEnabled(), on);
        m_page->nameEdit->setEnabled(true);
        m_page->passwordEdit->setEnabled(true);
        // Typed: the name first, then the password, which checks both.
        QTest::keyClicks(m_page->nameEdit, name);
        QTest::keyClicks(m_page->passwordEdit, password);
        QCOMPARE(shownMessage(), message);
    }

    // The password edit re-checks the name: a name put right by the program
    // counts as soon as the password is typed.
    void passwordChecksTheName()
    {
        clickButton();
        QCOMPARE(shownMessage(), msgName);
        m_page->nameEdit->setText(QStringLiteral("ann"));
        QCOMPARE(shownMessage(), msgName);
        QTest::keyClicks(m_page->passwordEdit, QStringLiteral("x"));
        QCOMPARE(shownMessage(), QString());
        clickButton();
        QCOMPARE(shownMessage(), QString());
        QVERIFY(!m_page->passwordEdit->isEnabled());
    }

    void sixtyFourCharacters()
    {
        clickButton();
        QTest::keyClicks(m_page->nameEdit, QString(65, 'n'));
        QTest::keyClicks(m_page->passwordEdit, QString(65, 'p'));
        QCOMPARE(m_page->nameEdit->text(), QString(64, 'n'));
        QCOMPARE(m_page->passwordEdit->text(), QString(64, 'p'));
    }

    // Switching and typing start a pass each; program changes start none.
    void passes()
    {
        clickButton();
        QCOMPARE(m_dialog->passes, 1);
        QTest::keyClicks(m_page->nameEdit, QStringLiteral("ab"));
        QCOMPARE(m_dialog->passes, 3);
        QTest::keyClicks(m_page->passwordEdit, QStringLiteral("c"));
        QCOMPARE(m_dialog->passes, 4);
        m_page->nameEdit->setText(QStringLiteral("other"));
        QCOMPARE(m_dialog->passes, 4);
        clickButton();
        QCOMPARE(m_dialog->passes, 5);
    }
};

QTEST_MAIN(TestUserLoginTab)
#include "tst_userlogintab.moc"
