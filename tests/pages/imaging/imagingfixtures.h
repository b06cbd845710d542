#pragma once

// Option stores from the imaging fixture PPDs through the PPD import, and a
// way past modal dialogs.

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <cups/ppd.h>

#include <functional>

namespace imagingfixtures {

// The store of tests/fixtures/<name>, for the queue "ImagingQueue".
inline OptionStore *loadStore(const char *name)
{
    const QByteArray path = QByteArray(HALVANE_FIXTURES) + '/' + name;
    ppd_file_t *ppd = ppdOpenFile(path.constData());
    if (!ppd)
        qFatal("cannot open the fixture %s", path.constData());
    auto *store = new OptionStore;
    store->setPrinterName(QStringLiteral("ImagingQueue"));
    importPpd(ppd, store);
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
