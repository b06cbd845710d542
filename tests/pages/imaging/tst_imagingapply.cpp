// The Imaging page and its adjustment dialogs on a sample queue of the
// private cupsd, through the main dialog: chosen on the printer page, edited,
// applied to the settings file and lpoptions, and loaded again. Runs as an
// ordinary user: the panel refuses root, and lpoptions run by root would
// write the system-wide file.
#include "adjustmentdialog.h"
#include "boxrecorder.h"
#include "comboboxex.h"
#include "dialogsession.h"
#include "imagingfixtures.h"
#include "imagingtab.h"
#include "monodialog.h"
#include "paneldriver.h"
#include "printertab.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "storedsettings.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>


namespace {
const QString queue = QStringLiteral("Quorvan_Office");

// The queue's marked choices as "lpoptions -p QUEUE -l" lists them.
QHash<QString, QString> markedChoices()
{
    QHash<QString, QString> values;
    const ProcessResult listed = ProcessRunner::run(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue, QStringLiteral("-l")});
    if (!listed.succeeded())
        return values;
    for (const QByteArray &line : listed.standardOutput.split('\n')) {
        const int slash = line.indexOf('/');
        const int colon = line.indexOf(':');
        if (slash <= 0 || colon < slash)
            continue;
        for (const QByteArray &word : line.mid(colon + 1).split(' ')) {
            if (word.startsWith('*'))
                values.insert(QString::fromUtf8(line.left(slash)), QString::fromUtf8(word.mid(1)));
        }
    }
    return values;
}
}

class ImagingApplyTest : public QObject
{
    Q_OBJECT

    DialogSession session{QStringLiteral("tst-imaging-apply"), DialogSession::PrivateCups};

    bool choose(ZelDialog &dialog) { return paneldriver::choosePrinterAndPage(dialog, queue, dialog.imagingTab); }

private slots:
    void initTestCase() { QVERIFY2(session.start() && session.freshUser(), session.whyNot()); }

    void cleanup() { DialogSession::forgetState(); }

    void editApplyAndReload()
    {
        BoxRecorder boxes;
        QHash<QString, QString> applied;
        {
            ZelDialog dialog;
            QVERIFY(choose(dialog));
            ImagingTab *page = dialog.imagingTab;

            page->thriftinkGroup()->button(1)->click();
            page->levelBox()->setCurrentIndex(3);

            onNextModal([page](QWidget *) {
                adjustmentDialog *color = page->colorDialog();
                color->customCheckBox()->setChecked(true);
                color->hslButton()->setChecked(true);
                color->hueComboBox()->setCurrentIndex(4);
                color->edit("CaHc")->setText(QStringLiteral("-1.5"));
                color->edit("Cast")->setText(QStringLiteral("0.29"));
                color->buttons()->button(QDialogButtonBox::Ok)->click();
            });
            page->settingsButton()->click();
            // Tried out and cancelled: stays out of the settings.
            onNextModal([page](QWidget *) {
                page->colorDialog()->slider("Cabt")->setValue(800);
                page->colorDialog()->buttons()->button(QDialogButtonBox::Cancel)->click();
            });
            page->settingsButton()->click();

            boxes.boxes.clear();
            dialog.slotButtonApply();
            QCOMPARE(boxes.boxes, QStringList{"Success|Settings applied."});
            applied = page->getOptions();
        }

        const QHash<QString, QString> stored = storedsettings::read(session.settingsPath(queue));
        QCOMPARE(stored.value("Thft"), QString("Level4"));
        QCOMPARE(stored.value("Cadj"), QString("True"));
        QCOMPARE(stored.value("CaColorSpace"), QString("0"));
        QCOMPARE(stored.value("HueIndex"), QString("4"));
        QCOMPARE(stored.value("fCaHc"), QString("-1.5"));
        QCOMPARE(stored.value("CaHc"), QString("-1.0"));
        QCOMPARE(stored.value("fCast"), QString("0.29"));
        QCOMPARE(stored.value("fCabt"), QString("0"));
        QCOMPARE(stored.value("Madj"), QString("False"));
        QCOMPARE(stored.value("ColorModel"), QString("CMYK"));

        const QHash<QString, QString> defaults = markedChoices();
        QCOMPARE(defaults.value("Thft"), QString("Level4"));
        QCOMPARE(defaults.value("Cadj"), QString("True"));
        QCOMPARE(defaults.value("CaColorSpace"), QString("0"));
        QCOMPARE(defaults.value("CaHc"), QString("-1.0"));
        QCOMPARE(defaults.value("Cast"), QString("0.0"));
        QCOMPARE(defaults.value("Cabt"), QString("0.0"));

        // A later start shows what was applied.
        ZelDialog again;
        QVERIFY(choose(again));
        ImagingTab *page = again.imagingTab;
        QCOMPARE(page->thriftinkGroup()->checkedIndex(), 1);
        QCOMPARE(page->levelBox()->currentIndex(), 3);
        QVERIFY(page->colorDialog()->customCheckBox()->isChecked());
        QCOMPARE(page->colorDialog()->slider("Cast")->value(), 29);
        QCOMPARE(page->colorDialog()->slider("CaHc")->value(), -150);
        QCOMPARE(page->colorDialog()->hueComboBox()->currentIndex(), 4);
        QCOMPARE(page->getOptions(), applied);
    }
};

QTEST_MAIN(ImagingApplyTest)
#include "tst_imagingapply.moc"
