#pragma once

#include "tab.h"

// The Finishing page: stapling, punching, folding and separation.
class FinishingTab : public Tab
{
    Q_OBJECT

public:
    explicit FinishingTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
};
