#pragma once

#include "tab.h"

class QCheckBox;
class ZelButtonGroup;

// The Layout page: booklet binding and booklet fold. The base class does the
// loading, marking, greying and collecting.
class BookletTab : public Tab
{
    Q_OBJECT

public:
    explicit BookletTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    void addCustomConstraints() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    QList<DetailRow> detailRows() override;

    ZelButtonGroup *bookletGroup = nullptr;
    QCheckBox *foldBox = nullptr;

private:
    void layOut();
};
