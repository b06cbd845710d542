#pragma once

// Option stores from the imaging fixture PPDs, and a way past modal dialogs.

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <cups/ppd.h>

#include <functional>

// Once the PPD import is part of the build the stores come through it, with
// the program's own options and rules; until then every option of the PPD is
// taken as it stands, its default marked, as the import leaves it.
#if __has_include("ppdimport.h")
#include "ppdimport.h"
#define IMAGING_TEST_IMPORT 1
#endif

namespace imagingfixtures {

inline void addPpdOption(OptionStore *store, ppd_option_t *source)
{
    auto *option = new kOption(QString::fromUtf8(source->keyword), QString::fromUtf8(source->text));
    option->setFromPpd(true);
    for (int i = 0; i < source->num_choices; ++i)
        option->addChoice(QString::fromUtf8(source->choices[i].choice), QString::fromUtf8(source->choices[i].text));
    option->setDefault(option->choiceByName(QString::fromUtf8(source->defchoice)));
    store->addOption(option);
    option->select(option->defaultChoice());
}

inline void addGroup(OptionStore *store, ppd_group_t *group)
{
    for (int i = 0; i < group->num_options; ++i)
        addPpdOption(store, group->options + i);
    for (int i = 0; i < group->num_subgroups; ++i)
        addGroup(store, group->subgroups + i);
}

// The store of tests/fixtures/<name>, for the queue "ImagingQueue".
inline OptionStore *loadStore(const char *name)
{
    const QByteArray path = QByteArray(HALVANE_FIXTURES) + '/' + name;
    ppd_file_t *ppd = ppdOpenFile(path.constData());
    if (!ppd)
        qFatal("cannot open the fixture %s", path.constData());
    auto *store = new OptionStore;
    store->setPrinterName(QStringLiteral("ImagingQueue"));
#ifdef IMAGING_TEST_IMPORT
    importPpd(ppd, store);
#else
    store->setModelName(QString::fromUtf8(ppd->modelname));
    bool rasterOrPdf = false;
    for (int i = 0; i < ppd->num_filters; ++i) {
        const QByteArray filter(ppd->filters[i]);
        rasterOrPdf |= filter.contains("zelfilter_ras_F") || filter.contains("zelfilter_pdf_F");
    }
    store->setRasterOrPdfFilter(rasterOrPdf);
    for (int i = 0; i < ppd->num_groups; ++i)
        addGroup(store, ppd->groups + i);
#endif
    ppdClose(ppd);
    return store;
}

inline QString marked(const QString &keyword)
{
    kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    const kChoice *choice = option ? option->markedChoice() : nullptr;
    return choice ? choice->name() : QString();
}

// Runs action on the next modal window that opens; the action must close it.
// Fails the test loudly when none opens.
inline void onNextModal(const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    auto *tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, tries]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (++*tries > 500) {
                timer->stop();
                qFatal("no modal window opened");
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete tries;
        action(modal);
    });
    timer->start();
}

} // namespace imagingfixtures
