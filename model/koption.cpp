#include "koption.h"

#include "kchoice.h"

kOption::kOption(const QString &keyword, const QString &text)
    : m_keyword(keyword), m_text(text)
{
}

kOption::~kOption()
{
    qDeleteAll(m_choices);
}

bool kOption::isValid() const
{
    return !(m_keyword == QLatin1String("KNULL") && m_text == QLatin1String("KNULL"));
}

void kOption::addChoice(const QString &name, const QString &text)
{
    m_choices.append(new kChoice(this, name, text));
}

kChoice *kOption::choiceByName(const QString &name) const
{
    for (kChoice *choice : m_choices) {
        if (choice->name() == name)
            return choice;
    }
    return nullptr;
}

kChoice *kOption::choiceByText(const QString &text) const
{
    for (kChoice *choice : m_choices) {
        if (choice->text() == text)
            return choice;
    }
    return nullptr;
}

bool kOption::hasChoice(const QString &name) const
{
    return choiceByName(name) != nullptr;
}

void kOption::setDefault(kChoice *choice)
{
    if (choice && m_choices.contains(choice))
        m_default = choice;
}

QString kOption::defaultName() const
{
    return m_default ? m_default->name() : m_keyword + QLatin1String("NULL");
}

void kOption::select(kChoice *choice)
{
    // The old choice stays recorded as marked when the new one is not ours:
    // its blocks are withdrawn all the same.
    if (m_marked)
        m_marked->unmark();
    if (choice && m_choices.contains(choice)) {
        m_marked = choice;
        m_marked->mark();
    }
}
