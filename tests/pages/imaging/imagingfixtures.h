#pragma once

// Option stores from the imaging fixture PPDs through the PPD import, and a
// way past modal dialogs.

#include "fixturestore.h"
#include "optionstore.h"
#include "panel/modalhelper.h"

namespace imagingfixtures {

// The store of tests/fixtures/<name>, for the queue "ImagingQueue".
inline OptionStore *loadStore(const char *name)
{
    return fixturestore::importFixture(fixturestore::fixturePath(QString::fromLatin1(name)),
                                       QStringLiteral("ImagingQueue"));
}

} // namespace imagingfixtures
