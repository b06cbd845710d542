#include "comboboxex.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>

ComboBoxEx::ComboBoxEx()
    : QComboBox(nullptr)
{
}

int ComboBoxEx::popupWidth() const
{
    const int iconExtra = iconSize().width() + 4;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        int width = metrics.horizontalAdvance(itemText(i));
        if (!itemIcon(i).isNull())
            width += iconExtra;
        widest = qMax(widest, width);
    }

    QStyleOptionComboBox comboOption;
    initStyleOption(&comboOption);
    int width = style()->sizeFromContents(QStyle::CT_ComboBox, &comboOption,
                                          QSize(widest, 0), this).width();

    QAbstractItemView *list = view();
    if (list && count() > 10) {
        const QScrollBar *bar = list->verticalScrollBar();
        QStyleOptionSlider barOption;
        barOption.initFrom(bar);
        barOption.orientation = Qt::Vertical;
        barOption.minimum = bar->minimum();
        barOption.maximum = bar->maximum();
        barOption.sliderPosition = bar->sliderPosition();
        barOption.sliderValue = bar->value();
        barOption.singleStep = bar->singleStep();
        barOption.pageStep = bar->pageStep();
        barOption.upsideDown = bar->invertedAppearance();
        width += style()->pixelMetric(QStyle::PM_ScrollBarExtent, &barOption, bar);
    }
    return qMax(width, this->width());
}

void ComboBoxEx::showPopup()
{
    const int width = popupWidth();
    if (QAbstractItemView *list = view())
        list->window()->setFixedWidth(width);
    QComboBox::showPopup();
}
