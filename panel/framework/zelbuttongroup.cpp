#include "zelbuttongroup.h"

#include "errormark.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace {
const char *const iconPathProperty = "zelIconPath";
}

ZelButtonGroup::ZelButtonGroup(QWidget *parent, const QString &caption)
    : QFrame(parent),
      m_layout(new QGridLayout),
      m_group(new QButtonGroup),
      m_captionLabel(new QLabel(caption, this)),
      m_caption(caption)
{
    m_layout->setSpacing(3);
    const QPalette source = parent ? parent->palette() : palette();
    m_captionColour = source.color(QPalette::Current, QPalette::WindowText);
    setStyleSheet(QStringLiteral("QPushButton{ border: none; outline: none; }"));
    setFocusPolicy(Qt::StrongFocus);
    m_layout->addWidget(m_captionLabel, 0, 0, 1, 4, Qt::AlignLeft);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setLayout(m_layout);

    m_group->setExclusive(true);
    connect(m_group, SIGNAL(buttonClicked(QAbstractButton*)),
            this, SLOT(setButton(QAbstractButton*)), Qt::UniqueConnection);
    connect(m_group, SIGNAL(buttonClicked(QAbstractButton*)),
            this, SLOT(emit_buttonClicked(QAbstractButton*)));
}

ZelButtonGroup::~ZelButtonGroup()
{
    delete m_group;
}

void ZelButtonGroup::addButton(const QString &name, const QString &iconPath)
{
    auto *pushButton = new QPushButton(this);
    pushButton->setAccessibleName(name);
    pushButton->setIconSize(QSize(50, 50));
    pushButton->setCheckable(true);
    pushButton->setFocusPolicy(Qt::StrongFocus);

    m_buttons.append(pushButton);
    m_iconPaths.append(iconPath);
    m_group->addButton(pushButton);
    m_layout->addWidget(pushButton, 1, m_nextColumn++, 1, 1, Qt::AlignLeft);
    showIcon(m_buttons.size() - 1, iconPath);
}

void ZelButtonGroup::showIcon(int position, const QString &path)
{
    if (position < 0 || position >= m_buttons.size())
        return;
    m_buttons[position]->setIcon(QIcon(path));
    m_buttons[position]->setProperty(iconPathProperty, path);
}

QString ZelButtonGroup::shownIconPath(int position) const
{
    if (position < 0 || position >= m_buttons.size())
        return QString();
    return m_buttons[position]->property(iconPathProperty).toString();
}

void ZelButtonGroup::select(const QString &name)
{
    if (m_buttons.isEmpty())
        return;
    bool matched = false;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->accessibleName() == name) {
            showIcon(i, m_iconPaths[i] + QLatin1String("-selected"));
            m_buttons[i]->setChecked(true);
            matched = true;
        } else {
            showIcon(i, m_iconPaths[i]);
        }
    }
    if (!matched) {
        showIcon(0, m_iconPaths[0] + QLatin1String("-selected"));
        m_buttons[0]->setChecked(true);
    }
    if (m_group->checkedButton())
        constructLabel();
    else
        m_captionLabel->setText(m_caption);
}

QString ZelButtonGroup::checkedName() const
{
    const QAbstractButton *checked = m_group->checkedButton();
    return checked ? checked->accessibleName() : QString();
}

int ZelButtonGroup::checkedIndex() const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i]->isChecked())
            return i;
    }
    return -1;
}

QStringList ZelButtonGroup::buttonNames() const
{
    QStringList names;
    for (const QPushButton *pushButton : m_buttons)
        names.append(pushButton->accessibleName());
    return names;
}

QPushButton *ZelButtonGroup::button(int position) const
{
    return m_buttons.value(position, nullptr);
}

void ZelButtonGroup::setEnabled(bool enabled)
{
    QFrame::setEnabled(enabled);
    setCaptionEnabled(enabled);
}

void ZelButtonGroup::setButton(int button_index)
{
    if (button_index < 0 || button_index >= m_buttons.size())
        return;
    select(m_buttons[button_index]->accessibleName());
}

void ZelButtonGroup::setButton(QAbstractButton *button)
{
    if (!button)
        return;
    select(button->accessibleName());
}

void ZelButtonGroup::enableButton(QAbstractButton *button, bool enabled)
{
    if (!button || !isEnabled())
        return;
    button->setEnabled(enabled);
}

void ZelButtonGroup::enableButton(int index, bool enabled)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    enableButton(m_buttons[index], enabled);
}

void ZelButtonGroup::setCaptionEnabled(bool enabled)
{
    QPalette palette = m_captionLabel->palette();
    const QBrush brush(enabled ? m_captionColour : QColor(QStringLiteral("#9f9e9e")), Qt::SolidPattern);
    palette.setBrush(QPalette::All, m_captionLabel->foregroundRole(), brush);
    m_captionLabel->setPalette(palette);
}

void ZelButtonGroup::setError(const QString &message)
{
    ErrorMark::append(m_captionLabel);
    m_captionLabel->setToolTip(message);
    m_captionLabel->setStyleSheet(QStringLiteral(
        "QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }"));
}

void ZelButtonGroup::clearError()
{
    ErrorMark::remove(m_captionLabel);
    m_captionLabel->setToolTip(QString());
}

void ZelButtonGroup::setErrorIcon(bool on)
{
    if (on)
        ErrorMark::append(m_captionLabel);
    else
        ErrorMark::remove(m_captionLabel);
}

void ZelButtonGroup::constructLabel()
{
    m_captionLabel->setText(m_caption + QLatin1Char(' ') + checkedName());
}

void ZelButtonGroup::emit_buttonClicked(QAbstractButton *button)
{
    emit buttonClicked(button);
    emit buttonClicked(m_buttons.indexOf(static_cast<QPushButton *>(button)));
}
