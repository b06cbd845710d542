#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "sessionstate.h"
#include "tab.h"

#include "fixturestore.h"

using fixturestore::writeSettings;


// Stands in for the main dialog: only its setConstraints() slot matters here.
class PassRecorder : public QWidget
{
    Q_OBJECT
public:
    QStringList *log = nullptr;
public slots:
    void setConstraints()
    {
        if (log)
            log->append("pass");
    }
};

// A page with one widget of each kind the binding knows.
class TestPage : public Tab
{
    Q_OBJECT
public:
    explicit TestPage(QWidget *dialog, bool titled = true)
        : Tab(dialog), m_titled(titled)
    {
        buildUi();
        connectWidgets();
    }

    QStringList log;
    ComboBoxEx *pageSize = nullptr;
    QLabel *pageSizeLabel = nullptr;
    QWidget *pageSizeBox = nullptr;
    ComboBoxEx *inputSlot = nullptr;
    QLabel *inputSlotLabel = nullptr;
    QCheckBox *booklet = nullptr;
    ZelButtonGroup *collate = nullptr;
    ZelButtonGroup *duplex = nullptr;
    ZelCheckBoxButton *staple = nullptr;
    ComboBoxEx *stapleLocation = nullptr;
    QLabel *stapleCaption = nullptr;
    QSlider *hue = nullptr;
    QSlider *brightness = nullptr;
    QRadioButton *mirror = nullptr;
    QLineEdit *jobName = nullptr;

    void setTabName() override
    {
        if (m_titled)
            pageTitle = QStringLiteral("Test");
    }
    bool isSupported() override { return true; }

    void buildUi() override
    {
        setTabName();
        pageSize = new ComboBoxEx;
        pageSizeBox = new QWidget(this);
        pageSize->setParent(pageSizeBox);
        pageSizeLabel = new QLabel(QStringLiteral("old caption"), pageSizeBox);
        optionWidgets.insert("PageSize", pageSize);
        labelWidgets.insert("PageSize", pageSizeLabel);
        containerWidgets.insert("PageSize", pageSizeBox);

        inputSlot = new ComboBoxEx;
        inputSlot->setParent(this);
        inputSlotLabel = new QLabel(QStringLiteral("Tray"), this);
        optionWidgets.insert("InputSlot", inputSlot);
        labelWidgets.insert("InputSlot", inputSlotLabel);

        booklet = new QCheckBox(this);
        optionWidgets.insert("Booklet", booklet);
        labelWidgets.insert("Booklet", booklet);

        collate = new ZelButtonGroup(this, QStringLiteral("Collate: "));
        collate->addButton(QStringLiteral("Off"), QStringLiteral(":/icons/collate-off"));
        collate->addButton(QStringLiteral("On"), QStringLiteral(":/icons/collate-on"));
        optionWidgets.insert("Collate", collate);
        labelWidgets.insert("Collate", collate);

        duplex = new ZelButtonGroup(this, QStringLiteral("Two-sided: "));
        for (const char *name : {"Off", "Long edge", "Short edge"})
            duplex->addButton(QString::fromLatin1(name), QStringLiteral(":/icons/collate-off"));
        optionWidgets.insert("Duplex", duplex);
        labelWidgets.insert("Duplex", duplex);

        staple = new ZelCheckBoxButton(this, QStringLiteral("Staple"), QIcon(QStringLiteral(":/icons/collate-on")));
        stapleLocation = new ComboBoxEx;
        stapleLocation->setParent(this);
        stapleCaption = new QLabel(QStringLiteral("Position"), this);
        staple->addDependent(stapleLocation, QStringLiteral("None"));
        staple->addDependent(stapleCaption, QStringLiteral("no_default"));
        optionWidgets.insert("StapleMode", staple);
        optionWidgets.insert("StapleLocation", stapleLocation);
        labelWidgets.insert("StapleLocation", stapleCaption);
        checkBoxButtons.append(staple);

        hue = new QSlider(this);
        hue->setRange(-10, 10);
        optionWidgets.insert("CaHueMaster", hue);
        brightness = new QSlider(this);
        brightness->setRange(-10, 10);
        optionWidgets.insert("Brightness", brightness);

        mirror = new QRadioButton(this);
        optionWidgets.insert("Mirror", mirror);

        jobName = new QLineEdit(this);
        optionWidgets.insert("JobName", jobName);
    }

    void markOptionFromWidget(int value, QObject *widget) override
    {
        log << "mark:" + keywordOf(widget);
        Tab::markOptionFromWidget(value, widget);
    }

private:
    bool m_titled;
};

namespace {
kOption *addOption(OptionStore *store, const QString &keyword, const QString &text,
                   const QList<QPair<QString, QString>> &choices, const QString &defaultName)
{
    auto *option = new kOption(keyword, text);
    option->setFromPpd(true);
    for (const auto &choice : choices)
        option->addChoice(choice.first, choice.second);
    option->setDefault(option->choiceByName(defaultName));
    store->addOption(option);
    return option;
}

const QString errorImage = QStringLiteral("<img src=':/icons/error'>");
}

// Binding, greying and marking of a page on a real option store.
class TestTab : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    fixturestore::CurrentStore m_store;
    PassRecorder *m_dialog = nullptr;
    TestPage *m_page = nullptr;

    // The options of framework-page.ppd, or of framework-reduced.ppd (no
    // PageSize, Collate, Booklet or StapleMode; Duplex without default).
    // Option17 has the strongest level; tests tie what they block to its "On".
    OptionStore *buildStore(bool reduced = false)
    {
        return fixturestore::importFixture(
            fixturestore::fixturePath(reduced ? QStringLiteral("framework-reduced.ppd") : QStringLiteral("framework-page.ppd")),
            QStringLiteral("TestQueue"));
    }

    void useStore(OptionStore *store) { m_store.reset(store); }

    void block(const QString &keyword, const QStringList &choiceNames)
    {
        for (const QString &name : choiceNames)
            m_store->addConstraint("Option17", "On", keyword, name);
        m_store->selectChoice("Option17", "On");
    }

    QString marked(const QString &keyword) const
    {
        const kChoice *choice = m_store->option(keyword)->markedChoice();
        return choice ? choice->name() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    // The store has what the test page binds.
    void storeMatchesTheFixture()
    {
        QCOMPARE(m_store->option("Duplex")->choiceCount(), 3);
        QCOMPARE(m_store->option("Brightness")->choiceByName("3")->text(), QString("3.0"));
        QCOMPARE(m_store->option("Option17")->level(), 0);
        QCOMPARE(marked("Collate"), QString("True"));
        QVERIFY(!m_store->option("InputSlot"));
        useStore(buildStore(true));
        QVERIFY(!m_store->option("PageSize"));
        QVERIFY(!m_store->option("Duplex")->defaultChoice());
    }

    void init()
    {
        activeSettingsPath = m_dir.filePath("TestQueue.cfg");
        QFile::remove(activeSettingsPath);
        useStore(buildStore());
        m_dialog = new PassRecorder;
        m_page = new TestPage(m_dialog);
        m_dialog->log = &m_page->log;
    }

    void cleanup()
    {
        delete m_dialog; // and the page with it
        m_dialog = nullptr;
        m_page = nullptr;
        m_store.reset();
    }

    // ---- filling -------------------------------------------------------

    void valueSetters_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("settings"); // lines; empty: no file
        QTest::addColumn<QString>("expected");     // widgetValue after reload

        QTest::newRow("combo, no file") << "PageSize" << QStringList() << "A4";
        QTest::newRow("combo, stored") << "PageSize" << QStringList{"PageSize=Letter"} << "Letter";
        QTest::newRow("combo, no such choice") << "PageSize" << QStringList{"PageSize=Legal2"} << "A4";
        QTest::newRow("combo, empty value") << "PageSize" << QStringList{"PageSize="} << "A4";
        QTest::newRow("combo, first line wins")
            << "PageSize" << QStringList{"PageSize=Legal", "PageSize=Letter"} << "Legal";
        QTest::newRow("combo, key case matters") << "PageSize" << QStringList{"pagesize=Letter"} << "A4";
        QTest::newRow("check box, stored True") << "Booklet" << QStringList{"Booklet=True"} << "True";
        QTest::newRow("check box, default") << "Booklet" << QStringList() << "False";
        QTest::newRow("check box, no such choice") << "Booklet" << QStringList{"Booklet=true"} << "False";
        QTest::newRow("group, default") << "Collate" << QStringList() << "True";
        QTest::newRow("group, stored") << "Collate" << QStringList{"Collate=False"} << "False";
        QTest::newRow("group, no such choice") << "Collate" << QStringList{"Collate=Maybe"} << "True";
        QTest::newRow("check-box button, stored") << "StapleMode" << QStringList{"StapleMode=True"} << "True";
        QTest::newRow("check-box button, default") << "StapleMode" << QStringList() << "False";
    }
    void valueSetters()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, settings);
        QFETCH(QString, expected);
        if (!settings.isEmpty())
            writeSettings(settings);
        m_page->reload();
        kOption *option = m_store->option(keyword);
        QCOMPARE(m_page->widgetValue(m_page->optionWidgets.value(keyword), option), expected);
        QCOMPARE(marked(keyword), expected);
        QCOMPARE(m_page->getOptions().value(keyword), expected);
        // Filling marked and passed nothing through the widgets' signals.
        QVERIFY(!m_page->log.contains("pass"));
    }

    void comboFilledInChoiceOrder()
    {
        m_page->reload();
        QCOMPARE(m_page->pageSize->count(), 3);
        QCOMPARE(m_page->pageSize->itemText(0), QString("A4"));
        QCOMPARE(m_page->pageSize->itemText(2), QString("Legal"));
        QCOMPARE(m_page->pageSize->currentText(), QString("A4"));
        QCOMPARE(m_page->pageSize->itemIcon(0).isNull(), true);
        QVERIFY(!m_page->pageSize->itemData(0).isValid());
        QVERIFY(m_page->pageSize->isEnabled());
        QCOMPARE(m_page->pageSize->sizeAdjustPolicy(), QComboBox::AdjustToContents);
    }

    void captionsFollowTheStore()
    {
        m_page->reload();
        QCOMPARE(m_page->pageSizeLabel->text(), QString("Page Size:"));
        QCOMPARE(m_page->booklet->text(), QString("Booklet"));
        QVERIFY(m_page->pageSizeBox->isEnabled());
        // The option of InputSlot is missing from every store here.
        QVERIFY(!m_page->inputSlot->isEnabled());
        QCOMPARE(m_page->inputSlot->count(), 0);
        QVERIFY(!m_page->inputSlotLabel->isEnabled());
        QCOMPARE(m_page->inputSlotLabel->text(), QString("Tray"));
    }

    void missingOptions()
    {
        m_page->reload();
        m_page->booklet->setChecked(true);
        useStore(buildStore(true));
        m_page->reload();
        QCOMPARE(m_page->pageSize->count(), 0);
        QVERIFY(!m_page->pageSize->isEnabled());
        QVERIFY(!m_page->pageSizeLabel->isEnabled());
        QCOMPARE(m_page->pageSizeLabel->text(), QString("Page Size:"));
        QVERIFY(!m_page->pageSizeBox->isEnabled());
        QVERIFY(!m_page->collate->isEnabled());
        QVERIFY(!m_page->booklet->isEnabled());
        QVERIFY(!m_page->booklet->isChecked());
        const QHash<QString, QString> options = m_page->getOptions();
        for (const char *keyword : {"PageSize", "Collate", "Booklet", "StapleMode", "InputSlot", "JobName"})
            QVERIFY2(!options.contains(keyword), keyword);
        QCOMPARE(m_page->getOptions(), m_page->options);
        QVERIFY(m_page->getExtraOptions().isEmpty());
        // Nothing to grey, nothing to mark, and no crash.
        QVERIFY(!m_page->enableOptions());
        m_page->markConflict("PageSize");
    }

    // The setter disables a group with nothing to select; the greying that
    // follows in reload hands it back to the user, who may pick a choice.
    void groupWithoutDefault()
    {
        useStore(buildStore(true));
        m_page->setButtonGroupValue(m_page->duplex, m_store->option("Duplex"));
        QVERIFY(!m_page->duplex->isEnabled());
        QCOMPARE(m_page->duplex->captionLabel()->palette().color(QPalette::WindowText), QColor("#9f9e9e"));
        QCOMPARE(m_page->duplex->checkedIndex(), -1);
        m_page->reload();
        QVERIFY(m_page->duplex->isEnabled());
        QCOMPARE(marked("Duplex"), QString());
        QVERIFY(!m_page->getOptions().contains("Duplex"));
    }

    void noStoreIsHarmless()
    {
        currentOptionStore = nullptr;
        m_page->reload();
        m_page->updateLabels();
        m_page->loadWidgetsFromOptions();
        m_page->markAllOptions();
        QVERIFY(!m_page->enableOptions());
        QVERIFY(m_page->getOptions().isEmpty());
        m_page->pageSize->addItem("A4");
        m_page->pageSize->addItem("Letter");
        m_page->pageSize->setCurrentIndex(1); // live signal: mark and pass
        m_page->CheckBoxMarkConstraintsWithSender(m_page->staple);
        m_page->staple->setChecked(true);
        QCOMPARE(m_page->pageSizeLabel->text(), QString("old caption"));
    }

    void uncheckedButtonStandsForItsDependentValue()
    {
        writeSettings({"StapleMode=False", "StapleLocation=Right"});
        m_page->reload();
        // initDependents took "None" out of the combo box ...
        QCOMPARE(m_page->stapleLocation->findText("None"), -1);
        QVERIFY(!m_page->stapleLocation->isEnabled());
        QVERIFY(!m_page->stapleCaption->isEnabled());
        // ... yet the unchecked button marks and reports it.
        QCOMPARE(marked("StapleLocation"), QString("None"));
        QCOMPARE(m_page->getOptions().value("StapleLocation"), QString("None"));

        m_page->log.clear();
        m_page->staple->setChecked(true);
        QVERIFY(m_page->stapleLocation->isEnabled());
        QCOMPARE(marked("StapleLocation"), m_page->widgetValue(m_page->stapleLocation,
                                                               m_store->option("StapleLocation")));
        QCOMPARE(m_page->getOptions().value("StapleMode"), QString("True"));
        // Dependents first, then the page's marking, each followed by a pass.
        QCOMPARE(m_page->log, QStringList({"mark:StapleLocation", "pass", "mark:StapleMode", "pass"}));
    }

    void sliderTexts_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("markedName");
        QTest::newRow("hue times ten") << "CaHueMaster" << 3 << "30" << "30";
        QTest::newRow("hue negative") << "CaHueMaster" << -2 << "-20" << "-20";
        QTest::newRow("hue zero") << "CaHueMaster" << 0 << "0" << "0";
        QTest::newRow("other, .0 appended") << "Brightness" << 3 << "3.0" << "3";
        QTest::newRow("other, negative") << "Brightness" << -2 << "-2.0" << "-2";
        QTest::newRow("other, zero") << "Brightness" << 0 << "0" << "0";
        QTest::newRow("other, no such choice: default") << "Brightness" << 7 << "7.0" << "0";
    }
    void sliderTexts()
    {
        QFETCH(QString, keyword);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, markedName);
        m_page->reload();
        auto *slider = qobject_cast<QSlider *>(m_page->optionWidgets.value(keyword));
        slider->setValue(value == 0 ? 1 : 0);
        slider->setValue(value); // live: marks through valueChanged
        QCOMPARE(m_page->widgetValue(slider, m_store->option(keyword)), text);
        QCOMPARE(marked(keyword), markedName);
        m_page->markAllOptions();
        QCOMPARE(marked(keyword), markedName);
    }

    void radioButtonMarksButReportsNothing()
    {
        m_page->reload();
        m_page->log.clear();
        m_page->mirror->setChecked(true);
        QCOMPARE(marked("Mirror"), QString("True"));
        QVERIFY(!m_page->getOptions().contains("Mirror"));
        QCOMPARE(m_page->log, QStringList({"mark:Mirror", "pass"}));
    }

    void markOptionFromNonWidgetMarksNothing()
    {
        m_page->reload();
        m_page->pageSize->setCurrentIndex(1);
        QCOMPARE(marked("PageSize"), QString("Letter"));
        QObject notAWidget;
        QTimer timer; // a plain QObject sender
        connect(&timer, SIGNAL(timeout()), m_page, SLOT(CheckBoxMarkConstraints()));
        QMetaObject::invokeMethod(m_page, "markOption", Q_ARG(int, 0));
        QMetaObject::invokeMethod(m_page, "markOption", Q_ARG(bool, true));
        m_page->markOptionFromWidget(0, &notAWidget);
        m_page->markOptionFromWidget(0, nullptr);
        QCOMPARE(marked("PageSize"), QString("Letter"));
        // A widget of the page that is not registered marks nothing either.
        m_page->markOptionFromWidget(1, m_page->pageSizeLabel);
        QCOMPARE(marked("PageSize"), QString("Letter"));
    }

    // ---- connections and signal order ------------------------------------

    void programmaticChangeMarksThenPasses()
    {
        m_page->reload();
        m_page->log.clear();
        m_page->pageSize->setCurrentIndex(2);
        QCOMPARE(m_page->log, QStringList({"mark:PageSize", "pass"}));
        QCOMPARE(marked("PageSize"), QString("Legal"));
    }

    void connectionsAreUnique_data()
    {
        QTest::addColumn<int>("extraConnects");
        QTest::addColumn<bool>("dialogLater");
        QTest::newRow("once") << 0 << false;
        QTest::newRow("three times") << 2 << false;
        QTest::newRow("dialog set later") << 1 << true;
    }
    void connectionsAreUnique()
    {
        QFETCH(int, extraConnects);
        QFETCH(bool, dialogLater);
        TestPage *page = m_page;
        std::unique_ptr<TestPage> own;
        PassRecorder later;
        if (dialogLater) {
            own.reset(new TestPage(nullptr));
            page = own.get();
            QVERIFY(!page->parentWidget());
            later.log = &page->log;
            page->setDialog(&later);
        }
        for (int i = 0; i < extraConnects; ++i)
            page->connectWidgets();
        page->reload();
        page->log.clear();

        page->pageSize->setCurrentIndex(1);
        page->booklet->setChecked(true);
        page->hue->setValue(3);
        page->mirror->setChecked(true);
        page->collate->button(0)->click();
        QCOMPARE(page->log, QStringList({"mark:PageSize", "pass", "mark:Booklet", "pass",
                                         "mark:CaHueMaster", "pass", "mark:Mirror", "pass",
                                         "mark:Collate", "pass"}));
        page->log.clear();
        page->staple->setChecked(true);
        QCOMPARE(page->log, QStringList({"mark:StapleLocation", "pass", "mark:StapleMode", "pass"}));
    }

    void pageWithoutDialogMarksOnly()
    {
        TestPage page(nullptr);
        page.reload();
        page.log.clear();
        page.pageSize->setCurrentIndex(1);
        QCOMPARE(page.log, QStringList({"mark:PageSize"}));
        // A "dialog" without the slot gets no connection and no warning.
        QWidget plain;
        page.setDialog(&plain);
        page.pageSize->setCurrentIndex(0);
        QCOMPARE(page.log, QStringList({"mark:PageSize", "mark:PageSize"}));
    }

    void reloadLeavesSignalsLive()
    {
        m_page->reload();
        for (QWidget *widget : qAsConst(m_page->optionWidgets))
            QVERIFY(!widget->signalsBlocked());
    }

    // ---- greying -----------------------------------------------------------

    void comboGreying_data()
    {
        QTest::addColumn<QStringList>("blocked");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("markedName");
        QTest::addColumn<bool>("moved");
        QTest::newRow("current blocked") << QStringList{"Letter"} << "A4" << "A4" << true;
        QTest::newRow("current and first blocked") << QStringList{"A4", "Letter"} << "Legal" << "Legal" << true;
        QTest::newRow("other blocked") << QStringList{"Legal"} << "Letter" << "Letter" << false;
        QTest::newRow("all blocked") << QStringList{"A4", "Letter", "Legal"} << "A4" << "Letter" << false;
    }
    void comboGreying()
    {
        QFETCH(QStringList, blocked);
        QFETCH(QString, current);
        QFETCH(QString, markedName);
        QFETCH(bool, moved);
        writeSettings({"PageSize=Letter"});
        m_page->reload();
        QCOMPARE(m_page->pageSize->currentText(), QString("Letter"));
        block("PageSize", blocked);
        m_page->log.clear();
        QSignalSpy changes(m_page->pageSize, SIGNAL(currentIndexChanged(int)));

        QCOMPARE(m_page->enableOptions(), moved);

        QCOMPARE(m_page->pageSize->currentText(), current);
        QCOMPARE(marked("PageSize"), markedName);
        QCOMPARE(changes.count(), 0);
        QVERIFY(!m_page->log.contains("pass"));
        auto *model = qobject_cast<QStandardItemModel *>(m_page->pageSize->model());
        for (int row = 0; row < 3; ++row) {
            QStandardItem *item = model->item(row);
            const bool grey = blocked.contains(item->text());
            QCOMPARE(bool(item->flags() & Qt::ItemIsEnabled), !grey);
            QCOMPARE(bool(item->flags() & Qt::ItemIsSelectable), !grey);
            QCOMPARE(item->data(Qt::ForegroundRole).isValid(), grey);
        }
        QVERIFY(!m_page->pageSize->signalsBlocked());

        // Freed again: exactly selectable and enabled, normal colour.
        m_store->selectChoice("Option17", "Off");
        m_page->enableOptions();
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(model->item(row)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            QVERIFY(!model->item(row)->data(Qt::ForegroundRole).isValid());
        }
    }

    void greyedItemUsesDisabledTextColour()
    {
        m_page->reload();
        block("PageSize", {"Legal"});
        m_page->enableOptions();
        QCOMPARE(m_page->pageSize->itemData(2, Qt::ForegroundRole).value<QColor>(),
                 m_page->pageSize->palette().color(QPalette::Disabled, QPalette::Text));
    }

    void disabledComboIsLeftAlone()
    {
        writeSettings({"PageSize=Letter"});
        m_page->reload();
        m_page->pageSize->setEnabled(false);
        block("PageSize", {"Letter"});
        QVERIFY(!m_page->enableOptions());
        QCOMPARE(m_page->pageSize->currentText(), QString("Letter"));
        auto *model = qobject_cast<QStandardItemModel *>(m_page->pageSize->model());
        QVERIFY(model->item(1)->flags() & Qt::ItemIsEnabled);
    }

    void comboKeepsSignalsBlockedDuringReload()
    {
        writeSettings({"PageSize=Letter"});
        m_page->reload();
        block("PageSize", {"Letter"});
        m_page->blockWidgetSignals(true);
        QVERIFY(m_page->enableOptionsForComboBox(m_page->pageSize, m_store->option("PageSize")));
        QVERIFY(m_page->pageSize->signalsBlocked());
        m_page->blockWidgetSignals(false);
    }

    void checkBoxGreying_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("checkedAfter");
        QTest::addColumn<bool>("enabledAfter");
        QTest::addColumn<QString>("markedName");
        QTest::addColumn<bool>("moved");
        QTest::newRow("box, True blocked while checked") << "Booklet" << true << "True" << false << false << "False" << true;
        QTest::newRow("box, True blocked while unchecked") << "Booklet" << false << "True" << false << false << "False" << false;
        QTest::newRow("box, False blocked while unchecked") << "Booklet" << false << "False" << true << false << "True" << true;
        QTest::newRow("box, nothing blocked") << "Booklet" << true << "" << true << true << "True" << false;
        QTest::newRow("button, True blocked while checked") << "StapleMode" << true << "True" << false << false << "False" << true;
        QTest::newRow("button, False blocked while unchecked") << "StapleMode" << false << "False" << true << false << "True" << true;
        QTest::newRow("button, nothing blocked") << "StapleMode" << false << "" << false << true << "False" << false;
    }
    void checkBoxGreying()
    {
        QFETCH(QString, keyword);
        QFETCH(bool, checkedBefore);
        QFETCH(QString, blocked);
        QFETCH(bool, checkedAfter);
        QFETCH(bool, enabledAfter);
        QFETCH(QString, markedName);
        QFETCH(bool, moved);
        writeSettings({keyword + "=" + (checkedBefore ? "True" : "False")});
        m_page->reload();
        if (!blocked.isEmpty())
            block(keyword, {blocked});
        m_page->log.clear();

        QCOMPARE(m_page->enableOptions(), moved);

        QWidget *widget = m_page->optionWidgets.value(keyword);
        const bool checked = keyword == "Booklet" ? m_page->booklet->isChecked() : m_page->staple->isChecked();
        QCOMPARE(checked, checkedAfter);
        QCOMPARE(widget->isEnabled(), enabledAfter);
        QCOMPARE(marked(keyword), markedName);
        // Outside reload a change of state runs a nested pass.
        QCOMPARE(m_page->log.contains("pass"), checkedBefore != checkedAfter);
    }

    void checkBoxButtonGreyedDuringReload()
    {
        writeSettings({"StapleMode=True"});
        block("StapleMode", {"True"});
        m_page->reload();
        QVERIFY(!m_page->staple->isChecked());
        QVERIFY(!m_page->staple->isEnabled());
        QCOMPARE(marked("StapleMode"), QString("False"));
        QVERIFY(!m_page->log.contains("pass"));
    }

    void buttonGroupGreying_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("blocked");
        QTest::addColumn<QString>("markedName");
        QTest::addColumn<int>("checked");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<bool>("moved");
        QTest::newRow("one free, marked free")
            << "None" << QStringList{"DuplexNoTumble", "DuplexTumble"} << "None" << 0 << false << false;
        QTest::newRow("marked blocked, moves to first free")
            << "DuplexNoTumble" << QStringList{"None", "DuplexNoTumble"} << "DuplexTumble" << 2 << false << true;
        QTest::newRow("one blocked")
            << "None" << QStringList{"None"} << "DuplexNoTumble" << 1 << true << true;
        QTest::newRow("all blocked, marked not first")
            << "DuplexTumble" << QStringList{"None", "DuplexNoTumble", "DuplexTumble"} << "None" << 0 << false << true;
        QTest::newRow("none blocked") << "DuplexTumble" << QStringList() << "DuplexTumble" << 2 << true << false;
    }
    void buttonGroupGreying()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, blocked);
        QFETCH(QString, markedName);
        QFETCH(int, checked);
        QFETCH(bool, groupEnabled);
        QFETCH(bool, moved);
        writeSettings({"Duplex=" + stored});
        m_page->reload();
        const QColor enabledColour = m_page->palette().color(QPalette::WindowText);
        block("Duplex", blocked);
        QSignalSpy clicks(m_page->duplex, SIGNAL(buttonClicked(int)));

        QCOMPARE(m_page->enableOptions(), moved);

        QCOMPARE(marked("Duplex"), markedName);
        QCOMPARE(m_page->duplex->checkedIndex(), checked);
        QCOMPARE(m_page->duplex->isEnabled(), groupEnabled);
        QCOMPARE(m_page->duplex->captionLabel()->palette().color(QPalette::WindowText), enabledColour);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(m_page->getOptions().value("Duplex"), markedName);
    }

    // All blocked, back on the first choice: nothing moved, so the
    // constraint pass is not asked to repeat without end.
    void allBlockedGroupSettles()
    {
        writeSettings({"Duplex=DuplexNoTumble"});
        m_page->reload();
        block("Duplex", {"None", "DuplexNoTumble", "DuplexTumble"});
        QVERIFY(m_page->enableOptions());
        QCOMPARE(marked("Duplex"), QString("None"));
        QVERIFY(!m_page->enableOptions());
        QVERIFY(!m_page->enableOptions());
        QCOMPARE(marked("Duplex"), QString("None"));
        QVERIFY(!m_page->duplex->isEnabled());
    }

    // A button whose name is the text of no choice of its option would mark
    // nothing when clicked, and Apply would drop the user's choice: it is
    // disabled, the others are not.
    void buttonMatchingNoChoiceIsDisabled_data()
    {
        QTest::addColumn<QStringList>("texts"); // of None, DuplexNoTumble, DuplexTumble
        QTest::addColumn<QList<bool>>("enabled");
        QTest::newRow("texts agree") << QStringList{"Off", "Long edge", "Short edge"} << QList<bool>{true, true, true};
        QTest::newRow("one differs in case") << QStringList{"Off", "Long Edge", "Short edge"}
                                             << QList<bool>{true, false, true};
        QTest::newRow("all in another language") << QStringList{"Aus", "Lange Kante", "Kurze Kante"}
                                                 << QList<bool>{false, false, false};
    }
    void buttonMatchingNoChoiceIsDisabled()
    {
        QFETCH(QStringList, texts);
        QFETCH(QList<bool>, enabled);
        addOption(m_store.get(), "Duplex", "Two-sided",
                  {{"None", texts.at(0)}, {"DuplexNoTumble", texts.at(1)}, {"DuplexTumble", texts.at(2)}}, "None");
        m_page->reload();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
        for (int round = 0; round < 2; ++round) { // the next pass keeps it so
            m_page->enableOptions();
            for (int position = 0; position < 3; ++position)
                QCOMPARE(m_page->duplex->button(position)->isEnabled(), enabled.at(position));
        }
        // A click on a disabled button marks nothing and runs no pass.
        for (int position = 1; position < 3; ++position) {
            if (enabled.at(position))
                continue;
            m_page->log.clear();
            QTest::mouseClick(m_page->duplex->button(position), Qt::LeftButton);
            QVERIFY(m_page->log.isEmpty());
            QCOMPARE(marked("Duplex"), QString("None"));
        }
    }

    void userClickOnGroupMarks()
    {
        m_page->reload();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
        m_page->log.clear();
        QTest::mouseClick(m_page->duplex->button(1), Qt::LeftButton);
        QCOMPARE(marked("Duplex"), QString("DuplexNoTumble"));
        QCOMPARE(m_page->log, QStringList({"mark:Duplex", "pass"}));
        // A blocked button cannot be clicked.
        block("Duplex", {"DuplexTumble"});
        m_page->enableOptions();
        m_page->log.clear();
        QTest::mouseClick(m_page->duplex->button(2), Qt::LeftButton);
        QVERIFY(m_page->log.isEmpty());
        QCOMPARE(marked("Duplex"), QString("DuplexNoTumble"));
    }

    // ---- marks -------------------------------------------------------------

    void setErrorMark_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("caption label") << "label";
        QTest::newRow("button group") << "group";
    }
    void setErrorMark()
    {
        QFETCH(QString, which);
        m_page->reload();
        QLabel *label = which == "label" ? m_page->pageSizeLabel : m_page->collate->captionLabel();
        QObject *target = which == "label" ? static_cast<QObject *>(m_page->pageSizeLabel) : m_page->collate;
        m_page->setErrorMark(target, "Too long", true);
        m_page->setErrorMark(target, "Too long", true);
        QCOMPARE(label->text().count(errorImage), 1);
        QCOMPARE(label->toolTip(), QString("Too long"));
        QVERIFY(!m_page->hasConflict());
        m_page->setErrorMark(target, QString(), false);
        QCOMPARE(label->text().count(errorImage), 0);
        QCOMPARE(label->toolTip(), QString());
        // Other widgets: nothing, no crash.
        m_page->setErrorMark(m_page->jobName, "x", true);
        m_page->setErrorMark(nullptr, "x", true);
    }

    void markConflict_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("conflict");
        QTest::newRow("label caption") << "PageSize" << true;
        QTest::newRow("check box") << "Booklet" << true;
        QTest::newRow("button group") << "Collate" << true;
        QTest::newRow("check-box button") << "StapleMode" << true;
        QTest::newRow("not registered") << "Nothing" << false;
        QTest::newRow("line edit") << "JobName" << false;
    }
    void markConflict()
    {
        QFETCH(QString, keyword);
        QFETCH(bool, conflict);
        m_page->reload();
        const QString captionBefore = m_page->pageSizeLabel->text();
        m_page->markConflict(keyword);
        QCOMPARE(m_page->hasConflict(), conflict);
        if (keyword == "PageSize")
            QCOMPARE(m_page->pageSizeLabel->text().count(errorImage), 1);
        if (keyword == "Booklet")
            QVERIFY(!m_page->booklet->icon().isNull());
        if (keyword == "Collate")
            QCOMPARE(m_page->collate->captionLabel()->text().count(errorImage), 1);

        m_page->clearConflictMarks();
        // Exactly as before, so captions do not grow a blank every pass.
        QCOMPARE(m_page->pageSizeLabel->text(), captionBefore);
        QVERIFY(m_page->booklet->icon().isNull());
        QCOMPARE(m_page->collate->captionLabel()->text().count(errorImage), 0);
        QCOMPARE(m_page->hasConflict(), conflict); // the pass clears the flag
        m_page->setHasConflict(false);
        QVERIFY(!m_page->hasConflict());
    }

    void customConstraints()
    {
        m_page->reload();
        m_page->addCustomConstraint(m_page->jobName, m_page->jobName);
        m_page->markCustomConstraints();
        QVERIFY(m_page->hasConflict());
        QCOMPARE(m_page->jobName->toolTip(), QString());

        m_page->setHasConflict(false);
        m_page->addCustomConstraint(m_page->jobName, m_page->pageSizeLabel); // replaces
        m_page->addCustomConstraint(m_page->booklet, m_page->booklet);
        m_page->addCustomConstraint(m_page->collate, m_page->collate);
        QCOMPARE(m_page->customConstraintWidgets->size(), 3);
        m_page->markCustomConstraints();
        m_page->markCustomConstraints();
        QVERIFY(m_page->hasConflict());
        QCOMPARE(m_page->pageSizeLabel->text().count(errorImage), 1);
        QCOMPARE(m_page->pageSizeLabel->toolTip(), QString());
        QVERIFY(!m_page->booklet->icon().isNull());
        QCOMPARE(m_page->collate->captionLabel()->text().count(errorImage), 1);

        m_page->removeCustomConstraint(m_page->booklet);
        m_page->removeCustomConstraint(m_page->mirror); // no such key
        QCOMPARE(m_page->customConstraintWidgets->size(), 2);
        m_page->reload(); // empties the registry and the marks
        QVERIFY(m_page->customConstraintWidgets->isEmpty());
        QCOMPARE(m_page->pageSizeLabel->text().count(errorImage), 0);
        m_page->setHasConflict(false);
        m_page->markCustomConstraints();
        QVERIFY(!m_page->hasConflict());
    }

    // ---- names and icons ---------------------------------------------------

    void tabNameAndIcons()
    {
        QCOMPARE(m_page->tabName(), QString("Test"));
        QVERIFY(!m_page->icon().pixmap(28, 28).isNull());
        QVERIFY(!m_page->constraintIcon().pixmap(28, 28).isNull());
        QCOMPARE(m_page->parentWidget(), static_cast<QWidget *>(m_dialog));
        QCOMPARE(m_page->contentsMargins(), QMargins(10, 10, 10, 10));
        QVERIFY(m_page->styleSheet().contains("ComboBoxEx{ margin-bottom: 8px }"));
    }

    void untitledPageWarnsOncePerCall()
    {
        TestPage page(nullptr, false);
        QStringList texts;
        QStringList titles;
        auto closeBox = [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                titles << box->windowTitle();
                box->close();
            }
        };
        for (int i = 0; i < 2; ++i) {
            QTimer::singleShot(0, this, closeBox);
            QCOMPARE(page.tabName(), QString("ERROR"));
        }
        QCOMPARE(texts, QStringList({"ERROR: tabName not init'd!", "ERROR: tabName not init'd!"}));
        QCOMPARE(titles, QStringList({"", ""}));
    }
};

QTEST_MAIN(TestTab)
#include "tst_tab.moc"
