// The profile list, save and edit dialogs open at least at their minimum
// sizes, the user cannot make them smaller, and they are never smaller than
// their content asks, in each of the six languages. Each language runs in a
// child process.
#include "languagechild.h"
#include "localecatalogue.h"
#include "panel/modalhelper.h"
#include "profiledialog.h"
#include "profileeditdialog.h"
#include "profilefixture.h"
#include "profilesavedialog.h"

#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

using profilefixture::Folders;
using profilefixture::Pages;

namespace {
const char *const languageVariable = "HALVANE_SIZES_LANGUAGE";

struct Opened
{
    QSize size;
    QSize content;
    QSize least;
};

Opened measure(const QWidget *dialog)
{
    return {dialog->size(), dialog->sizeHint(), dialog->minimumSize()};
}

bool atLeast(const QSize &size, const QSize &bound)
{
    return size.width() >= bound.width() && size.height() >= bound.height();
}

QString text(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}
} // namespace

// Run in the child, with LANG of one language.
class DialogSizeChecks : public QObject
{
    Q_OBJECT

    QTranslator m_catalogue;
    QString m_language;

public:
    explicit DialogSizeChecks(const QString &language) : m_language(language) {}

private slots:
    void initTestCase()
    {
        QCOMPARE(localeLanguage(QLocale::system().name()), m_language);
        QVERIFY(m_catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&m_catalogue);
    }

    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_catalogue); }

    // Each dialog as the user opens it: the list from the main dialog, the
    // save and edit dialogs from the list's buttons, the main dialog's own
    // save dialog from "Save As...".
    void openedDialogsKeepTheirMinimum_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("profile list") << "list" << QSize(450, 500);
        QTest::newRow("save through the list") << "list save" << QSize(350, 200);
        QTest::newRow("edit through the list") << "list edit" << QSize(350, 200);
        QTest::newRow("Save As... of the main dialog") << "own save" << QSize(350, 200);
    }

    void openedDialogsKeepTheirMinimum()
    {
        QFETCH(QString, road);
        QFETCH(QSize, minimum);
        Folders folders;
        folders.writeProfile(QStringLiteral("Report"), QStringLiteral("two sided"), {"Duplex=DuplexNoTumble"});
        Pages pages;
        ProfileDialog list(nullptr, &pages.collector);
        ProfileSaveDialog own(nullptr, &pages.collector);
        list.fillProfileTable();
        optionsConsistent = true;

        Opened opened;
        if (road == QLatin1String("own save")) {
            own.show();
            QVERIFY(QTest::qWaitForWindowExposed(&own));
            opened = measure(&own);
        } else {
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            opened = measure(&list);
            if (road != QLatin1String("list")) {
                const bool edit = road == QLatin1String("list edit");
                QWidget *inner = edit ? static_cast<QWidget *>(list.editDialog) : list.saveDialog;
                if (edit)
                    list.profileTable->setCurrentCell(1, 0);
                QWidget *seen = nullptr;
                onNextModal([&](QWidget *modal) {
                    seen = modal;
                    opened = measure(modal);
                    static_cast<QDialog *>(modal)->reject();
                }, &list);
                (edit ? list.editButton : list.saveButton)->click();
                QCOMPARE(seen, inner);
            }
        }

        QVERIFY2(atLeast(opened.size, minimum), qPrintable(text(opened.size) + " < " + text(minimum)));
        QVERIFY2(atLeast(opened.least, minimum), qPrintable("may shrink to " + text(opened.least)));
        QVERIFY2(atLeast(opened.size, opened.content),
                 qPrintable(text(opened.size) + " below its content's " + text(opened.content)));
    }
};

int main(int argc, char **argv)
{
    return languagechild::main<DialogSizeChecks>(argc, argv, languageVariable);
}

#include "tst_profiledialogsizes.moc"
