#pragma once

#include <QObject>

class OptionStore;

// Holds an option store that stopped being current until control is back in
// the event loop that dropped it. Page code and a (nested) constraint pass may
// still hold pointers into the store when it is dropped, and a modal box in
// between does not count as being back: deleteLater waits for the loop level
// it was called from.
class RetiredStore : public QObject
{
    Q_OBJECT

public:
    // Takes the store over and frees it later; none is ignored.
    static void release(OptionStore *store);
    // Stores handed over and not freed yet.
    static int pending();

    ~RetiredStore() override;

private:
    explicit RetiredStore(OptionStore *store);

    OptionStore *store;
};
