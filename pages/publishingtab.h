#pragma once

#include "tab.h"

// The Publishing page: covers, inserts and interleaves.
class PublishingTab : public Tab
{
    Q_OBJECT

public:
    explicit PublishingTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
};
