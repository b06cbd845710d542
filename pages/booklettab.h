#pragma once

#include "tab.h"

// The Layout page: booklet and pages per sheet.
class BookletTab : public Tab
{
    Q_OBJECT

public:
    explicit BookletTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
};
