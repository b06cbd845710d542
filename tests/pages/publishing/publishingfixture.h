#pragma once

// Option stores for the Publishing page tests, read from the fixture PPDs
// through the program's PPD import.

#include "fixturestore.h"
#include "optionstore.h"

namespace publishingfixture {

// A new store from tests/fixtures/<name>, for the queue "PubQueue".
inline OptionStore *storeFrom(const QString &name)
{
    return fixturestore::importFixture(fixturestore::fixturePath(name), QStringLiteral("PubQueue"));
}
}
