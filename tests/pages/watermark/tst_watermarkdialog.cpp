// The Watermark page inside the real main dialog, on the private cupsd's
// sample queue, as the ordinary user the panel needs (and lpoptions run by
// root would write the system-wide file): a custom watermark made, applied
// to the settings file and lpoptions, and found again after a restart; the
// Basic page's grey printing greying the watermark colours.
#include "boxrecorder.h"
#include "panel/commandstandin.h"
#include "paneldriver.h"

#include "customwatermarkformat.h"
#include "generaltab.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "watermarktab.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

// Every line of a settings file, as written.
QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
}

class WatermarkDialogTest : public QObject
{
    Q_OBJECT

    QString m_userDir;
    QTemporaryDir m_home;
    QByteArray m_savedHome;

    void choose(ZelDialog &dialog)
    {
        QVERIFY2(paneldriver::choosePrinter(dialog, queue), "the private cupsd lists no watermark queue");
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), queue);
        QVERIFY(dialog.tabWidget->isTabEnabled(dialog.tabWidget->indexOf(dialog.watermarkTab)));
        dialog.tabWidget->setCurrentWidget(dialog.watermarkTab);
    }

    void select(QComboBox *list, const QString &text)
    {
        const int item = list->findText(text);
        QVERIFY2(item >= 0, qPrintable(text));
        list->setCurrentIndex(item);
    }

    // A click on the Basic page's colour-mode button of that choice.
    void clickColorMode(ZelDialog &dialog, const QString &choice)
    {
        const kChoice *wanted = currentOptionStore->option(QStringLiteral("ColorModel"))->choiceByName(choice);
        QVERIFY(wanted);
        ZelButtonGroup *group = dialog.generalTab->colorModeGroup();
        const int position = group->buttonNames().indexOf(wanted->text());
        QVERIFY2(position >= 0, qPrintable(wanted->text()));
        group->button(position)->click();
        QCOMPARE(currentOptionStore->option(QStringLiteral("ColorModel"))->markedChoice(), wanted);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(geteuid() != 0, "the panel refuses root: run this as an ordinary user (CTest does)");
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        QVERIFY(m_home.isValid());
        m_savedHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toUtf8()); // lpoptions writes ~/.cups here
        m_userDir = paneldriver::preparePanelUser(
            QStringLiteral("tst-watermark-dialog-%1").arg(QCoreApplication::applicationPid()));
        QVERIFY2(!m_userDir.isEmpty(), "/usr/share/quorvan must be writable for every user");
    }

    void cleanupTestCase()
    {
        paneldriver::removePanelUser(m_userDir);
        qputenv("HOME", m_savedHome);
    }

    void customWatermarkAppliedAndBackAfterARestart()
    {
        BoxRecorder boxes;
        QHash<QString, QString> applied;
        {
            ZelDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            choose(dialog);
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
        const QStringList lines = fileLines(m_userDir + queue + QStringLiteral(".cfg"));
        QCOMPARE(lines.filter(QRegularExpression("^CustomWatermarkStore=")),
                 QStringList{"CustomWatermarkStore=" + customText + "=0 3 0 23 0 0 1"});
        QCOMPARE(lines.filter(QRegularExpression("^CustomWatermarkSet=")),
                 QStringList{"CustomWatermarkSet=" + customText});
        const QHash<QString, QString> stored = paneldriver::readSettingsFile(m_userDir + queue + QStringLiteral(".cfg"));
        QCOMPARE(stored.value("Wtxt"), printerForm);
        QCOMPARE(stored.value("Wren"), QString("True"));
        QCOMPARE(stored.value("Wclr"), QString("Red"));
        QCOMPARE(stored.value("Wflg"), QString("True"));
        QCOMPARE(applied.value("Wtxt"), printerForm);

        // lpoptions read the text back exactly as it was typed.
        const ProcessResult readBack = ProcessRunner::run(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue});
        QVERIFY2(readBack.succeeded(), readBack.standardError.constData());
        QCOMPARE(shownValue(readBack.standardOutput, "Wtxt"), customText);
        QCOMPARE(destOption("Wtxt"), customText);
        const QHash<QString, QString> defaults = parseLpoptionsOutput(readBack.standardOutput);
        QCOMPARE(defaults.value("Wren"), QString("True"));
        QCOMPARE(defaults.value("Wsze"), QString("24"));
        QCOMPARE(defaults.value("Wclr"), QString("Red"));

        // A later start lists it, shows it and its controls.
        ZelDialog again;
        choose(again);
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

    void greyPrintingGreysTheWatermarkColours()
    {
        ZelDialog dialog;
        choose(dialog);
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
        QVERIFY(dialog.buttonBox->button(QDialogButtonBox::Apply)->isEnabled());

        clickColorMode(dialog, "CMYK");
        QVERIFY(!itemGreyed(page->cmbBxClr, "Red"));
        select(page->cmbBxClr, "Green");
        QCOMPARE(page->getOptions().value("Wclr"), QString("Green"));
    }
};

QTEST_MAIN(WatermarkDialogTest)
#include "tst_watermarkdialog.moc"
