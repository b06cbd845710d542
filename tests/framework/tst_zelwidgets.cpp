#include <QtTest>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>

#include "comboboxex.h"
#include "zelbuttongroup.h"
#include "zelcheckboxbutton.h"
#include "zeltabbar.h"
#include "zeltabwidget.h"

// The option widgets on their own: selection, signals and their order,
// icons, caption line, error marks, greying and the combo box's list width.
class TestZelWidgets : public QObject
{
    Q_OBJECT

    QWidget *m_page = nullptr;

    ZelButtonGroup *collateGroup()
    {
        auto *group = new ZelButtonGroup(m_page, QStringLiteral("Collate: "));
        group->addButton(QStringLiteral("Off"), QStringLiteral(":/icons/collate-off"));
        group->addButton(QStringLiteral("On"), QStringLiteral(":/icons/collate-on"));
        return group;
    }

    static QString captionText(ZelButtonGroup *group) { return group->captionLabel()->text(); }
    static QColor captionColour(ZelButtonGroup *group)
    {
        return group->captionLabel()->palette().color(QPalette::Active, group->captionLabel()->foregroundRole());
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QAbstractButton *>();
        // Every icon a button or the binding names must be compiled in.
        for (const char *name : {":/icons/error", ":/icons/tab-basic", ":/icons/tab-basic-constraint",
                                 ":/icons/collate-on", ":/icons/collate-on-selected",
                                 ":/icons/collate-off", ":/icons/collate-off-selected"})
            QVERIFY2(!QIcon(QString::fromLatin1(name)).pixmap(16, 16).isNull(), name);
    }

    void init() { m_page = new QWidget; }
    void cleanup() { delete m_page; m_page = nullptr; }

    void metaObjectNames()
    {
        ComboBoxEx combo;
        ZelButtonGroup group(m_page, QString());
        ZelCheckBoxButton button(m_page, QString(), QIcon());
        QCOMPARE(QString(combo.metaObject()->className()), QString("ComboBoxEx"));
        QCOMPARE(QString(group.metaObject()->className()), QString("ZelButtonGroup"));
        QCOMPARE(QString(button.metaObject()->className()), QString("ZelCheckBoxButton"));
    }

    void selectByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("checked");
        QTest::newRow("second") << "On" << 1;
        QTest::newRow("first") << "Off" << 0;
        QTest::newRow("no such name") << "Bogus" << 0;
        QTest::newRow("case matters") << "on" << 0;
    }
    void selectByName()
    {
        QFETCH(QString, name);
        QFETCH(int, checked);
        ZelButtonGroup *group = collateGroup();
        QCOMPARE(group->checkedIndex(), -1);
        QCOMPARE(group->checkedName(), QString());
        QSignalSpy byIndex(group, SIGNAL(buttonClicked(int)));
        QSignalSpy byButton(group, SIGNAL(buttonClicked(QAbstractButton*)));

        group->select(name);

        QCOMPARE(group->checkedIndex(), checked);
        const QStringList plain = {":/icons/collate-off", ":/icons/collate-on"};
        for (int i = 0; i < 2; ++i)
            QCOMPARE(group->shownIconPath(i), i == checked ? plain[i] + "-selected" : plain[i]);
        QCOMPARE(captionText(group), "Collate:  " + group->buttonNames().at(checked));
        QCOMPARE(byIndex.count(), 0);
        QCOMPARE(byButton.count(), 0);
    }

    void userClickSignalsAfterIconsAndCaption()
    {
        ZelButtonGroup *group = collateGroup();
        group->select("On");
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));

        QStringList seen;
        connect(group, QOverload<QAbstractButton *>::of(&ZelButtonGroup::buttonClicked), this,
                [&](QAbstractButton *b) {
                    seen << "button:" + b->accessibleName() + " icon:" + group->shownIconPath(0)
                                + " caption:" + captionText(group);
                });
        connect(group, QOverload<int>::of(&ZelButtonGroup::buttonClicked), this,
                [&](int index) { seen << "index:" + QString::number(index); });

        QTest::mouseClick(group->button(0), Qt::LeftButton);
        QCOMPARE(seen, QStringList({"button:Off icon::/icons/collate-off-selected caption:Collate:  Off",
                                    "index:0"}));
        // The checked button again: both steps and both signals once more.
        seen.clear();
        QTest::mouseClick(group->button(0), Qt::LeftButton);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(group->checkedIndex(), 0);
    }

    void errorMarks()
    {
        ZelButtonGroup *group = collateGroup();
        group->select("On");
        const QString img = "<img src=':/icons/error'>";
        const QString shown = captionText(group);
        group->setError("first");
        group->setError("second");
        QCOMPARE(captionText(group).count(img), 1);
        QCOMPARE(group->captionLabel()->toolTip(), QString("second"));
        QCOMPARE(group->captionLabel()->textFormat(), Qt::RichText);

        // Taken off, the caption is back exactly, with no blank left behind,
        // however often it was marked and cleared.
        group->clearError();
        QCOMPARE(captionText(group), shown);
        QCOMPARE(group->captionLabel()->toolTip(), QString());

        for (int pass = 0; pass < 3; ++pass) {
            group->setErrorIcon(true);
            group->setErrorIcon(true);
            QCOMPARE(captionText(group), shown + " " + img + " ");
            QCOMPARE(group->captionLabel()->toolTip(), QString());
            group->setErrorIcon(false);
            QCOMPARE(captionText(group), shown);
        }
        group->setError("message");
        group->setErrorIcon(true);
        QCOMPARE(captionText(group).count(img), 1);
        group->setErrorIcon(false);
        QCOMPARE(captionText(group), shown);

        // Rebuilding the caption line drops the image but keeps the tool tip.
        group->setError("kept");
        group->constructLabel();
        QVERIFY(!captionText(group).contains(img));
        QCOMPARE(group->captionLabel()->toolTip(), QString("kept"));
    }

    void greyingAndCaptionColour()
    {
        ZelButtonGroup *group = collateGroup();
        group->select("Off");
        const QColor enabledColour = captionColour(group);
        QCOMPARE(enabledColour, m_page->palette().color(QPalette::WindowText));

        group->setEnabled(false);
        QCOMPARE(captionColour(group), QColor("#9f9e9e"));
        QVERIFY(!group->isEnabled());
        group->enableButton(1, false);
        group->enableButton(group->button(0), false);
        QVERIFY(group->button(1)->isEnabledTo(group));
        QVERIFY(group->button(0)->isEnabledTo(group));

        group->setEnabled(true);
        QCOMPARE(captionColour(group), enabledColour);
        group->enableButton(1, false);
        QVERIFY(!group->button(1)->isEnabled());
        // A disabled button can still be selected by the program.
        group->select("On");
        QCOMPARE(group->checkedIndex(), 1);

        // A disabled ancestor makes the group not enabled as well.
        group->enableButton(1, true);
        m_page->setEnabled(false);
        group->enableButton(1, false);
        m_page->setEnabled(true);
        QVERIFY(group->button(1)->isEnabled());
    }

    void outOfRangeAndEmptyAreNoOps_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("position");
        QTest::newRow("empty group, 0") << true << 0;
        QTest::newRow("negative") << false << -1;
        QTest::newRow("past the end") << false << 2;
        QTest::newRow("far past the end") << false << 99;
    }
    void outOfRangeAndEmptyAreNoOps()
    {
        QFETCH(bool, empty);
        QFETCH(int, position);
        ZelButtonGroup *group = empty ? new ZelButtonGroup(m_page, "Collate: ") : collateGroup();
        if (!empty)
            group->select("On");
        const int before = group->checkedIndex();
        const QString captionBefore = captionText(group);

        group->setButton(position);
        group->enableButton(position, false);
        QCOMPARE(group->button(position), static_cast<QPushButton *>(nullptr));
        QCOMPARE(group->iconPath(position), QString());
        group->select("On");
        group->setButton(static_cast<QAbstractButton *>(nullptr));
        group->enableButton(static_cast<QAbstractButton *>(nullptr), true);

        QCOMPARE(group->checkedIndex(), before);
        if (empty) {
            QCOMPARE(captionText(group), captionBefore);
            QCOMPARE(group->checkedName(), QString());
            QVERIFY(group->buttonNames().isEmpty());
            group->constructLabel();
            QCOMPARE(captionText(group), QString("Collate:  "));
        }
    }

    // A check-box button with a combo box holding None, Left, Right that
    // stands for None while unchecked, and a caption with "no_default".
    void checkBoxButtonDependents()
    {
        auto *button = new ZelCheckBoxButton(m_page, "Staple", QIcon(":/icons/collate-on"));
        auto *combo = new ComboBoxEx;
        combo->setParent(m_page);
        combo->addItems({"None", "Left", "Right"});
        auto *caption = new QLabel("Position:", m_page);
        button->addDependent(combo, "None");
        button->addDependent(caption, "no_default");
        QCOMPARE(button->dependents(), QList<QWidget *>({combo, caption}));
        QCOMPARE(button->dependentValue(combo), QString("None"));
        QCOMPARE(button->dependentValue(caption), QString("no_default"));
        QCOMPARE(button->dependentValue(m_page), QString());

        button->initDependents();
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QString("Left"));
        QCOMPARE(combo->itemText(1), QString("Right"));
        QVERIFY(!combo->isEnabled());
        QVERIFY(!caption->isEnabled());
        QVERIFY(button->isEnabled());

        QStringList seen;
        connect(button, QOverload<bool>::of(&ZelCheckBoxButton::toggled), this, [&](bool state) {
            seen << QString("bool:%1 combo enabled:%2").arg(state).arg(combo->isEnabled());
        });
        connect(button, QOverload<int>::of(&ZelCheckBoxButton::toggled), this,
                [&](int state) { seen << QString("int:%1").arg(state); });
        button->setChecked(true);
        QCOMPARE(seen, QStringList({"bool:1 combo enabled:1", "int:1"}));
        QVERIFY(caption->isEnabled());

        // Setting the state it already has emits nothing.
        seen.clear();
        button->setChecked(true);
        QVERIFY(seen.isEmpty());

        // Clicking the icon toggles the box, with the same chain.
        QTest::mouseClick(button->iconButton(), Qt::LeftButton);
        QVERIFY(!button->isChecked());
        QCOMPARE(seen, QStringList({"bool:0 combo enabled:0", "int:0"}));
        QTest::mouseClick(button->iconButton(), Qt::LeftButton);
        QVERIFY(button->isChecked());
    }

    void checkBoxButtonWithEmptyDependentIsDisabled()
    {
        auto *button = new ZelCheckBoxButton(m_page, "Staple", QIcon());
        auto *full = new ComboBoxEx;
        full->setParent(m_page);
        full->addItems({"None", "Left"});
        auto *empty = new ComboBoxEx;
        empty->setParent(m_page);
        button->addDependent(full, "None");
        button->addDependent(empty, "None");
        button->setChecked(true);
        button->initDependents();
        QVERIFY(!button->isEnabled());
        QVERIFY(!button->isChecked());
        QVERIFY(!full->isEnabled());
        QCOMPARE(full->count(), 1);
    }

    void comboListWidth()
    {
        ComboBoxEx narrow;
        narrow.addItems({"A4", "A5"});
        narrow.resize(120, narrow.sizeHint().height());
        QCOMPARE(narrow.popupWidth(), 120);

        const QString wide = QString(60, QLatin1Char('W'));
        ComboBoxEx broad;
        broad.addItem(wide);
        broad.resize(120, broad.sizeHint().height());
        QStyleOptionComboBox option;
        option.initFrom(&broad);
        const int content = broad.fontMetrics().horizontalAdvance(wide);
        QVERIFY(content > 120);
        QCOMPARE(broad.popupWidth(),
                 broad.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(content, 0), &broad).width());

        // An icon widens its item by the icon width and 4.
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        ComboBoxEx withIcon;
        withIcon.addItem(QIcon(pixmap), wide);
        withIcon.resize(120, withIcon.sizeHint().height());
        QCOMPARE(withIcon.popupWidth() - broad.popupWidth(), withIcon.iconSize().width() + 4);

        // From the eleventh item on the list gets a scroll bar.
        ComboBoxEx ten, eleven;
        for (int i = 0; i < 10; ++i) {
            ten.addItem(wide);
            eleven.addItem(wide);
        }
        eleven.addItem(wide);
        ten.resize(120, 30);
        eleven.resize(120, 30);
        QVERIFY(eleven.popupWidth() > ten.popupWidth());
        QCOMPARE(eleven.popupWidth() - ten.popupWidth(),
                 eleven.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, eleven.view()->verticalScrollBar()));
    }

    void comboShowPopupFixesListWidth()
    {
        ComboBoxEx combo;
        combo.addItem(QString(60, QLatin1Char('W')));
        combo.resize(120, 30);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        const int expected = combo.popupWidth();
        combo.showPopup();
        QCOMPARE(combo.view()->window()->minimumWidth(), expected);
        QCOMPARE(combo.view()->window()->maximumWidth(), expected);
        combo.hidePopup();
    }

    // A disabled tab paints no text: its picture does not change with it.
    void disabledTabShowsNoText()
    {
        auto render = [](const QString &second, bool secondEnabled) {
            ZelTabBar bar;
            bar.setStyleSheet("QTabBar::tab { width: 150px; height: 40px; }");
            bar.setIconSize(QSize(28, 28));
            bar.addTab(QIcon(":/icons/tab-basic"), "Basic");
            bar.addTab(QIcon(":/icons/tab-basic"), second);
            bar.setTabEnabled(1, secondEnabled);
            bar.resize(bar.sizeHint());
            QImage image(bar.size(), QImage::Format_ARGB32);
            image.fill(Qt::black);
            bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image.copy(bar.tabRect(1));
        };
        QCOMPARE(render("Layout", false), render("", false));
        QVERIFY(render("Layout", true) != render("", true));
    }

    void stripUnderTabsIsDarkened()
    {
        auto pixelBelowTabs = [](QTabWidget &tabs) {
            tabs.setTabPosition(QTabWidget::West);
            tabs.addTab(new QWidget, "Basic");
            tabs.addTab(new QWidget, "Layout");
            tabs.resize(300, 400);
            tabs.setTabEnabled(1, false);
            tabs.show();
            if (!QTest::qWaitForWindowExposed(&tabs))
                return QColor();
            QImage image(tabs.size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            tabs.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            return image.pixelColor(1, tabs.height() - 2);
        };
        QTabWidget plain;
        ZelTabWidget shaded;
        QVERIFY(dynamic_cast<ZelTabBar *>(shaded.bar()) != nullptr);
        const QColor base = pixelBelowTabs(plain);
        const QColor dark = pixelBelowTabs(shaded);
        // Half-transparent black over the base colour.
        QVERIFY2(qAbs(dark.red() - base.red() * 128 / 255) <= 2,
                 qPrintable(QString("%1 over %2").arg(dark.name(), base.name())));
        QVERIFY(qAbs(dark.green() - base.green() * 128 / 255) <= 2);
    }
};

QTEST_MAIN(TestZelWidgets)
#include "tst_zelwidgets.moc"
