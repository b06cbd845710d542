#pragma once

// A page's own turn of the main dialog's constraint pass, for page tests
// that bind one page without the dialog: the steps the dialog runs for each
// page, repeated while the page moved a selection, at most ten times.

#include "optionstore.h"
#include "tab.h"

#include <QWidget>

class PassDialog : public QWidget
{
    Q_OBJECT
public:
    Tab *page = nullptr;
    bool consistent = true;
    int passes = 0;
    int rounds = 0;

public slots:
    void setConstraints()
    {
        if (!currentOptionStore || !page)
            return;
        ++passes;
        page->setHasConflict(false);
        const bool changed = page->enableOptions();
        if (page->isSupported()) {
            page->updateDependentControls();
            page->clearConflictMarks();
            page->markCustomConstraints();
        }
        consistent = !page->hasConflict();
        if (!changed) {
            rounds = 0;
            return;
        }
        if (rounds++ <= 9)
            setConstraints();
        else
            rounds = 0;
    }
};

