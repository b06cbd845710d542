#include "zelcheckboxbutton.h"

#include "comboboxex.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

ZelCheckBoxButton::ZelCheckBoxButton(QWidget *parent, const QString &text, const QIcon &icon)
    : QFrame(parent),
      m_iconButton(new QPushButton(icon, QString(), this)),
      m_checkBox(new QCheckBox(this)),
      m_layout(new QGridLayout)
{
    Q_UNUSED(text)
    m_iconButton->setIconSize(QSize(50, 50));
    m_iconButton->setStyleSheet(QStringLiteral("border: none; outline: none;"));
    m_checkBox->setStyleSheet(QStringLiteral("margin: 0px"));

    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_iconButton, 0, 0, Qt::AlignBottom);
    m_layout->addWidget(m_checkBox, 0, 0, Qt::AlignBottom | Qt::AlignLeft);
    setLayout(m_layout);
    setMinimumSize(50, 50);

    connect(m_iconButton, SIGNAL(clicked()), m_checkBox, SLOT(toggle()));
    // Dependents follow first, then the page hears of it, then the dependent
    // combo boxes are re-applied.
    connect(m_checkBox, SIGNAL(toggled(bool)), this, SLOT(set_enabled(bool)), Qt::UniqueConnection);
    connect(m_checkBox, SIGNAL(toggled(bool)), this, SLOT(emit_toggled()), Qt::UniqueConnection);
    connect(m_checkBox, SIGNAL(toggled(bool)), this, SLOT(fire_signals()), Qt::UniqueConnection);
}

ZelCheckBoxButton::~ZelCheckBoxButton() = default;

void ZelCheckBoxButton::addDependent(QWidget *widget, const QString &value)
{
    m_dependents.append(widget);
    m_dependentValues.append(value);
}

QString ZelCheckBoxButton::dependentValue(QWidget *widget) const
{
    const int index = m_dependents.indexOf(widget);
    return index < 0 ? QString() : m_dependentValues.at(index);
}

void ZelCheckBoxButton::setChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool ZelCheckBoxButton::isChecked() const
{
    return m_checkBox->isChecked();
}

void ZelCheckBoxButton::initDependents()
{
    const bool wasChecked = isChecked();
    bool emptyDependent = false;
    for (int i = 0; i < m_dependents.size(); ++i) {
        auto *combo = qobject_cast<ComboBoxEx *>(m_dependents[i]);
        if (!combo)
            continue;
        if (combo->count() == 0)
            emptyDependent = true;
        const int item = combo->findText(m_dependentValues[i], Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            combo->removeItem(item);
    }
    if (emptyDependent) {
        QFrame::setEnabled(false);
        setChecked(false);
    } else {
        setChecked(wasChecked);
    }
    if (!isChecked())
        set_enabled(false);
}

void ZelCheckBoxButton::set_enabled(bool toggle)
{
    for (QWidget *widget : qAsConst(m_dependents)) {
        if (widget)
            widget->setEnabled(toggle);
    }
}

void ZelCheckBoxButton::emit_toggled()
{
    const bool state = isChecked();
    emit toggled(state);
    emit toggled(state ? 1 : 0);
}

void ZelCheckBoxButton::fire_signals()
{
    for (QWidget *widget : qAsConst(m_dependents)) {
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            combo->setCurrentIndex(combo->currentIndex());
    }
}
