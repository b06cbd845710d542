// The profile list, save and edit dialogs open at least at their minimum
// sizes, the user cannot make them smaller, and they are never smaller than
// their content asks; the details tree shows every label whole. In each of
// the six languages, each language in a child process.
#include "languagechild.h"
#include "localecatalogue.h"
#include "panel/modalhelper.h"
#include "profiledialog.h"
#include "profileeditdialog.h"
#include "profilefixture.h"
#include "profilesavedialog.h"

#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
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

// The labels of the tree, groups and rows, that the first column cuts: the
// room the cell leaves beside the indentation against the text's width by
// the tree's font and the style's text margins. Opens every group first.
QStringList cutLabels(QTreeWidget *tree)
{
    tree->expandAll();
    const QFontMetrics metrics = tree->fontMetrics();
    const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) + 1);
    QStringList cut;
    QList<QModelIndex> labels;
    for (int group = 0; group < tree->model()->rowCount(); ++group) {
        const QModelIndex groupIndex = tree->model()->index(group, 0);
        labels << groupIndex;
        for (int row = 0; row < tree->model()->rowCount(groupIndex); ++row)
            labels << tree->model()->index(row, 0, groupIndex);
    }
    for (const QModelIndex &label : qAsConst(labels)) {
        const QString shown = label.data().toString();
        const int room = tree->visualRect(label).width();
        const int needed = metrics.horizontalAdvance(shown) + margins;
        if (room < needed)
            cut << QStringLiteral("\"%1\" %2 < %3").arg(shown).arg(room).arg(needed);
    }
    return cut;
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

    // Every label of the details, for each sample queue's PPD as the model
    // of a profile that holds every key the tree shows, and as the selected
    // printer's factory defaults.
    void detailLabelsAreWhole_data()
    {
        QTest::addColumn<QString>("ppd");
        const QStringList samples = QDir(QStringLiteral(HALVANE_FIXTURES))
                                        .entryList({QStringLiteral("cups-*.ppd"), QStringLiteral("printer-installable.ppd")});
        QVERIFY(samples.size() >= 8);
        for (const QString &sample : samples)
            QTest::newRow(qPrintable(sample)) << sample;
    }

    void detailLabelsAreWhole()
    {
        QFETCH(QString, ppd);
        Folders folders;
        fixturestore::CurrentStore store;
        store.reset(fixturestore::importFixture(profilefixture::fixturePath(ppd), QStringLiteral("Sample")));
        const QString model = store->modelName();
        folders.addModelPpd(ppd, QString(model).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".ppd"));

        Pages pages;
        QStringList settings;
        for (Tab *page : qAsConst(pages.list)) {
            for (const Tab::DetailRow &row : page->detailRows())
                settings << row.key + QStringLiteral("=True");
        }
        settings << QStringLiteral("TPX_enabled=ON");
        folders.writeProfile(QStringLiteral("Every key"), QStringLiteral("all"), settings, model);

        ProfileDialog dialog(nullptr, &pages.collector);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.fillProfileTable();
        QTreeWidget *tree = dialog.detailTree;
        for (const int row : {1, 0}) {
            dialog.profileTable->setCurrentCell(row, 0);
            QVERIFY(tree->topLevelItemCount() > 1);
            if (row == 1) {
                // The description row and one row per key.
                int rows = 0;
                for (int group = 0; group < tree->topLevelItemCount(); ++group)
                    rows += tree->topLevelItem(group)->childCount();
                QCOMPARE(rows, settings.size() + 1);
            }
            QVERIFY2(tree->columnWidth(0) >= 190, qPrintable(QString::number(tree->columnWidth(0))));
            const QStringList cut = cutLabels(tree);
            for (const QString &line : cut)
                qInfo().noquote() << m_language << ppd << "row" << row << line;
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 labels cut").arg(cut.size())));
        }
    }
};

int main(int argc, char **argv)
{
    return languagechild::main<DialogSizeChecks>(argc, argv, languageVariable);
}

#include "tst_profiledialogsizes.moc"
