#include "pagewidgets.h"

#include <QLabel>

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
