#include "watermarktab.h"

WatermarkTab::WatermarkTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void WatermarkTab::setTabName()
{
    pageTitle = tr("Watermark");
}

void WatermarkTab::buildUi()
{
    pageTitle = tr("Watermark");
}

QIcon WatermarkTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark"));
}

QIcon WatermarkTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark-constraint"));
}

bool WatermarkTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}

QList<Tab::DetailRow> WatermarkTab::detailRows()
{
    return {
        {QStringLiteral("Wren"), tr("Watermark")},
        {QStringLiteral("Wtxt"), tr("Text")},
    };
}
