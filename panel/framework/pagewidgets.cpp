#include "pagewidgets.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include "comboboxex.h"

QLabel *newCaption(QWidget *parent, const QString &text, const QString &accessibleName)
{
    auto *label = new QLabel(text, parent);
    label->setAccessibleName(accessibleName);
    return label;
}

ComboBoxEx *newComboBox(QWidget *parent, const QString &accessibleName, int width)
{
    auto *combo = new ComboBoxEx;
    combo->setParent(parent);
    combo->setAccessibleName(accessibleName);
    if (width > 0)
        combo->setFixedWidth(width);
    return combo;
}

QFrame *newLine(QFrame::Shape shape)
{
    auto *line = new QFrame;
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

QString redLabelStyle(const QWidget *page)
{
    const QPalette palette = QApplication::palette();
    const QString background = palette.brush(palette.currentColorGroup(), page->backgroundRole()).color().name();
    return QStringLiteral("QLabel{color: red; font-family: Sans; font-size: 12px; border-width: 1px; "
                          "border-color: %1; border-style: solid}")
        .arg(background);
}
