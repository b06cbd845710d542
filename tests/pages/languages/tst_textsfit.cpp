// Every text the panel shows fits its widget in each of the six languages:
// the main dialog on every sample queue, each page it enables, its own
// buttons, the profile dialogs, the Imaging page's adjustment dialogs and the
// Job page's account-ID dialogs. A combo box must fit each of its items,
// since any of them can become the shown one; labels without word wrap,
// buttons, check boxes and radio buttons their text; nothing may reach out
// of the page or dialog it is on. Each language runs in a child process.
#include "dialogsession.h"
#include "languagechild.h"
#include "localecatalogue.h"
#include "paneldriver.h"

#include "aboutdialog.h"
#include "adjustmentdialog.h"
#include "imagingtab.h"
#include "jobtab.h"
#include "monodialog.h"
#include "profiledialog.h"
#include "profileeditdialog.h"
#include "profilesavedialog.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTranslator>
#include <QtTest>

namespace {
const char *const languageVariable = "HALVANE_FIT_LANGUAGE";

// The sample queues that, between them, enable every page.
const QStringList sampleQueues = {"Quorvan_Office",    "Quorvan_Color",      "Quorvan_Finisher",
                                  "Quorvan_Watermark", "Quorvan_Accounting", "Quorvan_Job"};

QString describe(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className());
}

// The width a combo box needs to show one item whole, reckoned as Qt
// reckons a combo box's size hint from its items.
int comboWidthFor(const QComboBox *combo, const QString &text, bool withIcon)
{
    const QFontMetrics metrics = combo->fontMetrics();
    QSize contents(metrics.boundingRect(text).width(), qMax(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    if (withIcon)
        contents.rwidth() += combo->iconSize().width() + 4;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = text;
    return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, combo).width();
}

// A push button's size hint has a floor of its own (80 pixels in most
// styles); a narrower button still shows a short text whole, so only the
// text and the style's margins count.
int pushButtonWidthFor(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    int contents = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (!button->icon().isNull())
        contents += button->iconSize().width() + 4;
    const int wide = 1000;
    const int margins = button->style()
                            ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(wide, button->height()), button)
                            .width()
        - wide;
    return qMin(button->sizeHint().width(), contents + margins);
}

class FitChecker
{
public:
    explicit FitChecker(const QString &language) : m_language(language) {}

    // Looks at every visible widget inside area, the page or dialog called
    // where in the report.
    void check(QWidget *area, const QString &where)
    {
        const QList<QWidget *> widgets = area->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisible() || insideScrollArea(widget, area))
                continue;
            ++m_checked;
            checkText(widget, where);
            const QRect onArea(widget->mapTo(area, QPoint(0, 0)), widget->size());
            if (!area->rect().contains(onArea))
                fault(where, widget, QString(), QStringLiteral("reaches out of it: %1,%2 %3x%4 on %5x%6")
                                                    .arg(onArea.x()).arg(onArea.y())
                                                    .arg(onArea.width()).arg(onArea.height())
                                                    .arg(area->width()).arg(area->height()));
        }
    }

    // The tab bar paints each tab's text itself, in Arial 12 beside the
    // icon, clipped to the tab.
    void checkTabTexts(ZelTabWidget *tabs)
    {
        QTabBar *bar = tabs->bar();
        const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 12));
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabEnabled(i))
                continue;
            const int room = bar->tabRect(i).width() - bar->iconSize().width() - 17;
            const int needed = metrics.horizontalAdvance(bar->tabText(i));
            if (room < needed)
                fault(QStringLiteral("tab bar"), bar, bar->tabText(i), QStringLiteral("%1 < %2").arg(room).arg(needed));
        }
    }

    QStringList faults() const { return m_faults; }
    int checked() const { return m_checked; }

private:
    static bool insideScrollArea(const QWidget *widget, const QWidget *area)
    {
        for (const QWidget *up = widget->parentWidget(); up && up != area; up = up->parentWidget()) {
            if (qobject_cast<const QAbstractScrollArea *>(up))
                return true;
        }
        return false;
    }

    void checkText(QWidget *widget, const QString &where)
    {
        const int width = widget->width();
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                const QString text = combo->itemText(i);
                const int needed = comboWidthFor(combo, text, !combo->itemIcon(i).isNull());
                if (width < needed)
                    fault(where, widget, text, QStringLiteral("%1 < %2").arg(width).arg(needed));
            }
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->text().isEmpty())
                return;
            const QSize needed = label->sizeHint();
            if (width < needed.width() || widget->height() < needed.height())
                fault(where, widget, label->text(),
                      QStringLiteral("%1x%2 < %3x%4").arg(width).arg(widget->height()).arg(needed.width()).arg(needed.height()));
        } else if (auto *push = qobject_cast<QPushButton *>(widget)) {
            if (push->text().isEmpty())
                return;
            const int needed = pushButtonWidthFor(push);
            if (width < needed)
                fault(where, widget, push->text(), QStringLiteral("%1 < %2").arg(width).arg(needed));
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            // Check boxes and radio buttons: their hint is their text and
            // indicator, with nothing to spare.
            if (button->text().isEmpty())
                return;
            const int needed = button->sizeHint().width();
            if (width < needed)
                fault(where, widget, button->text(), QStringLiteral("%1 < %2").arg(width).arg(needed));
        }
    }

    void fault(const QString &where, const QWidget *widget, const QString &text, const QString &why)
    {
        const QString line = QStringLiteral("%1 | %2 | %3 | \"%4\" | %5")
                                 .arg(m_language, where, describe(widget), text, why);
        if (!m_faults.contains(line))
            m_faults << line;
    }

    QString m_language;
    QStringList m_faults;
    int m_checked = 0;
};
} // namespace

// Run in the child, with LANG of one language.
class TextsFitChecks : public QObject
{
    Q_OBJECT

    DialogSession m_session{QStringLiteral("tst-textsfit"), DialogSession::PrivateCups};
    QTranslator m_catalogue;
    QString m_language;

public:
    explicit TextsFitChecks(const QString &language) : m_language(language) {}

private slots:
    void initTestCase()
    {
        QVERIFY2(m_session.start(), m_session.whyNot());
        QCOMPARE(localeLanguage(QLocale::system().name()), m_language);
        QVERIFY(m_catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&m_catalogue);
        QVERIFY2(m_session.freshUser(), m_session.whyNot());
    }

    void cleanup() { DialogSession::forgetState(); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_catalogue); }

    void everyPageAndDialogFitsItsTexts()
    {
        FitChecker checker(m_language);
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSet<Tab *> seen;
        for (const QString &queue : sampleQueues) {
            QVERIFY2(paneldriver::choosePrinter(dialog, queue), qPrintable(queue));
            QTest::qWait(0);
            for (Tab *page : qAsConst(dialog.tabs)) {
                const int index = dialog.tabWidget->indexOf(page);
                if (!dialog.tabWidget->isTabEnabled(index) || !page->isEnabled())
                    continue;
                dialog.tabWidget->setCurrentIndex(index);
                QTest::qWait(0);
                seen << page;
                checker.check(page, queue + QLatin1Char('/') + page->tabName());
            }
            checker.check(&dialog, queue + QStringLiteral("/main dialog"));
            checker.checkTabTexts(dialog.tabWidget);
        }
        for (Tab *page : qAsConst(dialog.tabs))
            QVERIFY2(seen.contains(page), qPrintable(page->tabName() + QStringLiteral(" never enabled")));

        // The inner dialogs, each shown on its own.
        QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Quorvan_Color")));
        const QList<QPair<QDialog *, QString>> inner = {
            {dialog.profileDialog, QStringLiteral("profile list")},
            {dialog.profileSaveDialog, QStringLiteral("profile save")},
            {dialog.profileDialog->editDialog, QStringLiteral("profile edit")},
            {dialog.imagingTab->colorDialog(), QStringLiteral("colour adjustment")},
            {dialog.imagingTab->monoAdjustmentDialog(), QStringLiteral("monochrome adjustment")},
            {dialog.jobTab->accountListDialog, QStringLiteral("account-ID list")},
            {dialog.jobTab->accountEditDialog, QStringLiteral("account-ID editor")},
            {dialog.aboutDialog, QStringLiteral("About")},
        };
        for (const auto &each : inner) {
            each.first->show();
            QVERIFY(QTest::qWaitForWindowExposed(each.first));
            checker.check(each.first, each.second);
            each.first->hide();
        }
        QVERIFY2(checker.checked() > 500, qPrintable(QString::number(checker.checked())));
        // One line each: a failure message would be cut short.
        const QStringList faults = checker.faults();
        for (const QString &line : faults)
            qInfo().noquote() << line;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(faults.size())));
    }
};

int main(int argc, char **argv)
{
    return languagechild::main<TextsFitChecks>(argc, argv, languageVariable);
}

#include "tst_textsfit.moc"
