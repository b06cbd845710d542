#include "errormark.h"

#include <QLabel>

namespace {
const QString mark = QStringLiteral(" <img src=':/icons/error'> ");
// The image without its leading blank, as some marks were once appended.
const QString image = QStringLiteral("<img src=':/icons/error'> ");
}

QString ErrorMark::fragment()
{
    return mark;
}

QString ErrorMark::removedFrom(const QString &text)
{
    QString plain = text;
    plain.remove(mark);
    plain.remove(image);
    return plain;
}

void ErrorMark::append(QLabel *label)
{
    if (!label)
        return;
    const QString plain = removedFrom(label->text());
    label->setTextFormat(Qt::RichText);
    label->setText(plain + mark);
}

void ErrorMark::remove(QLabel *label)
{
    if (label)
        label->setText(removedFrom(label->text()));
}
