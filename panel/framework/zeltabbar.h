#pragma once

#include <QTabBar>

// Tab bar of the main dialog: the style draws each tab's frame, the bar then
// paints icon and text side by side itself, as the tabs stand in a column.
class ZelTabBar : public QTabBar
{
public:
    explicit ZelTabBar(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
