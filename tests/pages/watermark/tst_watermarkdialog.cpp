// The Watermark page inside the real main dialog, on the private cupsd's
// sample queue, as the ordinary user the panel needs (and lpoptions run by
// root would write the system-wide file): a custom watermark made, applied
// to the settings file and lpoptions, and found again after a restart; a
// name typed without New reaching the printer on every road that collects the
// settings; the Basic page's grey printing greying the watermark colours.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "panel/modalhelper.h"
#include "paneldriver.h"
#include "storedsettings.h"

#include "customwatermarkformat.h"
#include "generaltab.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "profiledialog.h"
#include "profilesavedialog.h"
#include "sessionstate.h"
#include "watermarktab.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTextEdit>
#include <QtTest>

namespace {
const QString queue = QStringLiteral("Quorvan_Watermark");
// A blank and every character the printer form must escape that the field takes.
const QString customText = QStringLiteral("Say \"hi\" $5! C:\\x @home");

bool itemGreyed(const QComboBox *list, const QString &text)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(list->model());
    const QStandardItem *item = model->item(list->findText(text));
    return item && !(item->flags() & Qt::ItemIsEnabled);
}

// A value as "lpoptions -p QUEUE" prints it: in single quotes, taken as
// they stand, when it holds a blank; else with backslashes escaped.
QString shownValue(const QByteArray &output, const QByteArray &key)
{
    const QByteArray start = ' ' + key + '=';
    const int at = output.indexOf(start);
    if (at < 0)
        return QStringLiteral("<missing>");
    const QByteArray rest = output.mid(at + start.size());
    if (rest.startsWith('\'')) {
        const int end = rest.indexOf('\'', 1);
        return end < 0 ? QStringLiteral("<unterminated>") : QString::fromUtf8(rest.mid(1, end - 1));
    }
    QByteArray value;
    for (int i = 0; i < rest.size() && !QChar::isSpace(uchar(rest.at(i))); ++i) {
        if (rest.at(i) == '\\' && i + 1 < rest.size())
            ++i;
        value += rest.at(i);
    }
    return QString::fromUtf8(value);
}

// The queue's option as libcups has it from the user's lpoptions file.
QString destOption(const QString &name)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    if (!dest)
        return QStringLiteral("<no queue>");
    const QString value = QString::fromUtf8(cupsGetOption(name.toUtf8().constData(), dest->num_options, dest->options));
    cupsFreeDests(1, dest);
    return value;
}

// The roads that collect the settings.
enum Road { ApplyButton, OkButton, SaveAs, SaveThroughTheList };

// A profile saved in a save dialog shown, as a user fills it in.
void saveProfileIn(ProfileSaveDialog *save, const QString &name)
{
    QVERIFY(save->isVisible());
    save->findChild<QLineEdit *>()->setText(name);
    save->findChild<QTextEdit *>()->setPlainText(QStringLiteral("typed, not added"));
    QPushButton *ok = save->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QVERIFY(ok->isEnabled());
    ok->click();
    QVERIFY(!save->isVisible());
}
}
Q_DECLARE_METATYPE(Road)

class WatermarkDialogTest : public QObject
{
    Q_OBJECT

    DialogSession session{QStringLiteral("tst-watermark-dialog"), DialogSession::PrivateCups};

    bool choose(ZelDialog &dialog) { return paneldriver::choosePrinterAndPage(dialog, queue, dialog.watermarkTab); }

    void select(QComboBox *list, const QString &text)
    {
        const int item = list->findText(text);
        QVERIFY2(item >= 0, qPrintable(text));
        list->setCurrentIndex(item);
    }

    // A click on the Basic page's colour-mode button of that choice.
    void clickColorMode(ZelDialog &dialog, const QString &choice)
    {
        paneldriver::clickChoice(dialog.generalTab->colorModeGroup(), QStringLiteral("ColorModel"), choice);
    }

private slots:
    // Both tests work on the same user's settings file.
    void initTestCase() { QVERIFY2(session.start() && session.freshUser(), session.whyNot()); }

    void cleanup() { DialogSession::forgetState(); }

    void customWatermarkAppliedAndBackAfterARestart()
    {
        BoxRecorder boxes;
        QHash<QString, QString> applied;
        {
            ZelDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(choose(dialog));
            WatermarkTab *page = dialog.watermarkTab;
            QVERIFY(!page->chkButWatermark->isChecked());
            QVERIFY(!page->cmbBxWtxt->isEnabled());

            page->chkButWatermark->iconButton()->click();
            QVERIFY(page->cmbBxWtxt->isEnabled());
            page->cmbBxWsze->setCurrentIndex(3);
            select(page->cmbBxClr, "Red");
            page->chkBxWFlg->setChecked(true);
            QTest::keyClicks(page->lnEditCustomWatermark, customText);
            QCOMPARE(page->lnEditCustomWatermark->text(), customText);
            QVERIFY(page->butNewCustomWatermark->isEnabled());
            page->butNewCustomWatermark->click();
            QCOMPARE(page->cmbBxWtxt->currentText(), customText);

            dialog.slotButtonApply();
            QCOMPARE(boxes.boxes, QStringList{"Success|Settings applied."});
            applied = page->getOptions();
        }

        const QString printerForm = CustomWatermarkFormat::printerForm(customText);
        const QString cfg = session.settingsPath(queue);
        QCOMPARE(storedsettings::values(cfg, "CustomWatermarkStore"), QStringList{customText + "=0 3 0 23 0 0 1"});
        QCOMPARE(storedsettings::values(cfg, "CustomWatermarkSet"), QStringList{customText});
        const QHash<QString, QString> stored = storedsettings::read(cfg);
        QCOMPARE(stored.value("Wtxt"), printerForm);
        QCOMPARE(stored.value("Wren"), QString("True"));
        QCOMPARE(stored.value("Wclr"), QString("Red"));
        QCOMPARE(stored.value("Wflg"), QString("True"));
        QCOMPARE(applied.value("Wtxt"), printerForm);

        // lpoptions read the text back exactly as it was typed.
        QByteArray listed;
        const QHash<QString, QString> defaults = paneldriver::queueDefaults(queue, &listed);
        QCOMPARE(shownValue(listed, "Wtxt"), customText);
        QCOMPARE(destOption("Wtxt"), customText);
        QCOMPARE(defaults.value("Wren"), QString("True"));
        QCOMPARE(defaults.value("Wsze"), QString("24"));
        QCOMPARE(defaults.value("Wclr"), QString("Red"));

        // A later start lists it, shows it and its controls.
        DialogSession::forgetState();
        ZelDialog again;
        QVERIFY(choose(again));
        WatermarkTab *page = again.watermarkTab;
        QVERIFY(page->chkButWatermark->isChecked());
        const int separator = page->cmbBxWtxt->count() - 2;
        QCOMPARE(page->cmbBxWtxt->itemText(separator), QString());
        QCOMPARE(page->cmbBxWtxt->itemText(separator + 1), customText);
        QCOMPARE(page->cmbBxWtxt->currentText(), customText);
        QCOMPARE(page->lnEditCustomWatermark->text(), customText);
        QCOMPARE(page->cmbBxWsze->currentIndex(), 3);
        QCOMPARE(page->cmbBxClr->currentText(), QString("Red"));
        QVERIFY(page->chkBxWFlg->isChecked());
        QVERIFY(page->butDeleteCustomWatermark->isEnabled());
        QCOMPARE(page->getOptions(), applied);
    }

    // A name typed into the field and neither added with New nor saved: the
    // settings collected by each road send it, as the page shows it then.
    void typedNameReachesThePrinter_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Apply") << ApplyButton << "Internal use";
        QTest::newRow("OK") << OkButton << "Internal only";
        QTest::newRow("Save As...") << SaveAs << "For staff";
        QTest::newRow("Save... in the profile list") << SaveThroughTheList << "For staff only";
    }

    void typedNameReachesThePrinter()
    {
        QFETCH(Road, road);
        QFETCH(QString, typed);
        QVERIFY2(session.freshUser(), session.whyNot());
        const QString profileName = QStringLiteral("Stamped");
        BoxRecorder boxes;
        ZelDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(choose(dialog));
        WatermarkTab *page = dialog.watermarkTab;
        page->chkButWatermark->iconButton()->click();
        QCOMPARE(page->cmbBxWtxt->currentText(), QString("CONFIDENTIAL"));
        QTest::keyClicks(page->lnEditCustomWatermark, typed);
        QCOMPARE(page->lnEditCustomWatermark->text(), typed);

        switch (road) {
        case ApplyButton:
            dialog.buttonBox->button(QDialogButtonBox::Apply)->click();
            break;
        case OkButton:
            dialog.buttonBox->button(QDialogButtonBox::Ok)->click();
            QVERIFY(!dialog.isVisible());
            break;
        case SaveAs:
            dialog.saveAsButton->click();
            saveProfileIn(dialog.profileSaveDialog, profileName);
            break;
        case SaveThroughTheList: {
            dialog.profilesButton->click();
            ProfileDialog *list = dialog.profileDialog;
            QVERIFY(list->isVisible());
            onNextModal([&](QWidget *modal) { saveProfileIn(qobject_cast<ProfileSaveDialog *>(modal), profileName); },
                        list);
            list->saveButton->click();
            list->close();
            break;
        }
        }
        QCOMPARE(page->cmbBxWtxt->currentText(), typed);

        const bool applied = road == ApplyButton || road == OkButton;
        QCOMPARE(boxes.boxes, applied ? QStringList{"Success|Settings applied."} : QStringList());
        const QString written =
            applied ? session.settingsPath(queue) : session.userDir() + profileName + QStringLiteral(".cfg");
        const QHash<QString, QString> stored = storedsettings::read(written);
        QCOMPARE(storedsettings::values(written, "Wtxt"), QStringList{CustomWatermarkFormat::printerForm(typed)});
        QCOMPARE(stored.value("Wren"), QString("True"));
        QCOMPARE(storedsettings::values(written, "CustomWatermarkStore"), QStringList{typed + "=0 8 3 23 0 0 0"});
        QCOMPARE(storedsettings::values(written, "CustomWatermarkSet"), QStringList{typed});

        QByteArray listed;
        paneldriver::queueDefaults(queue, &listed);
        if (applied) {
            QCOMPARE(shownValue(listed, "Wtxt"), typed);
            QCOMPARE(destOption("Wtxt"), typed);
        } else {
            // A profile reaches the queue only through a later Apply.
            QCOMPARE(shownValue(listed, "Wtxt"), QString("Confidential"));
        }
    }

    void greyPrintingGreysTheWatermarkColours()
    {
        ZelDialog dialog;
        QVERIFY(choose(dialog));
        WatermarkTab *page = dialog.watermarkTab;
        if (!page->chkButWatermark->isChecked())
            page->chkButWatermark->iconButton()->click();
        select(page->cmbBxClr, "Red");

        clickColorMode(dialog, "Gray");
        for (const char *colour : {"Red", "Green", "Blue"})
            QVERIFY2(itemGreyed(page->cmbBxClr, colour), colour);
        QVERIFY(!itemGreyed(page->cmbBxClr, "Black"));
        QCOMPARE(page->cmbBxClr->currentText(), QString("Black"));
        QCOMPARE(page->getOptions().value("Wclr"), QString("Black"));
        QCOMPARE(paneldriver::shownButtons(dialog), paneldriver::buttonsShowing(true));

        clickColorMode(dialog, "CMYK");
        QVERIFY(!itemGreyed(page->cmbBxClr, "Red"));
        select(page->cmbBxClr, "Green");
        QCOMPARE(page->getOptions().value("Wclr"), QString("Green"));
    }
};

QTEST_MAIN(WatermarkDialogTest)
#include "tst_watermarkdialog.moc"
