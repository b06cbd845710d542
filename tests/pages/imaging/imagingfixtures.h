#pragma once

// Option stores from the imaging fixture PPDs through the PPD import, and a
// way past modal dialogs.

#include "optionstore.h"
#include "panel/modalhelper.h"
#include "ppdimport.h"

#include <QByteArray>

#include <cups/ppd.h>

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

} // namespace imagingfixtures
