#include "zeltabwidget.h"

#include "zeltabbar.h"

#include <QPainter>

ZelTabWidget::ZelTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new ZelTabBar);
}

void ZelTabWidget::paintEvent(QPaintEvent *event)
{
    QTabWidget::paintEvent(event);
    QPainter painter(this);
    const QTabBar *tabs = tabBar();
    // The bar stands at the top-left corner; the column under it is shaded.
    painter.fillRect(QRect(QPoint(0, tabs->height()), QPoint(tabs->width() - 1, height() - 1)),
                     QColor(0, 0, 0, 127));
}
