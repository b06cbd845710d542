#pragma once

// Shared by the Job page tests: the page bound to a store from the job
// fixture PPD (or a variant of it) behind a stand-in for the main dialog's
// constraint pass, and the user's ways of changing its widgets.

#include "pages/pagefixture.h"
#include "pages/pagepass.h"

#include "jobtab.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMultiHash>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace jobfixture {

const QString jobPpd = QStringLiteral("cups-job.ppd");
const QString errorImage = QStringLiteral("<img src=':/icons/error'>");
using Lines = QList<QPair<QString, QString>>;
// Text replacements made in a copy of the fixture PPD.
using Edits = QList<QPair<QString, QString>>;

// The fixture's text with each pair's first text replaced by its second.
inline QString writeEdited(const QTemporaryDir &dir, const Edits &edits)
{
    QFile in(pagefixture::fixturePath(jobPpd));
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read the job fixture");
    QByteArray text = in.readAll();
    for (const auto &edit : edits) {
        if (!text.contains(edit.first.toUtf8()))
            qFatal("the job fixture holds no %s", qPrintable(edit.first));
        text.replace(edit.first.toUtf8(), edit.second.toUtf8());
    }
    static int serial = 0;
    const QString path = dir.filePath(QStringLiteral("job-edited-%1.ppd").arg(++serial));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline bool marked(const QLabel *label)
{
    return label->text().contains(errorImage);
}

// The page as the collector takes it: its option values, then its own keys
// with every value kept.
inline QMultiHash<QString, QString> snapshotOf(JobTab &page)
{
    QMultiHash<QString, QString> snapshot;
    const QHash<QString, QString> options = page.getOptions();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it)
        snapshot.replace(it.key(), it.value());
    const QMultiHash<QString, QString> extra(page.getExtraOptions());
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        snapshot.insert(it.key(), it.value());
    return snapshot;
}

inline QStringList sortedLines(const QMultiHash<QString, QString> &snapshot)
{
    QStringList lines;
    for (auto it = snapshot.constBegin(); it != snapshot.constEnd(); ++it)
        lines << it.key() + QLatin1Char('=') + it.value();
    lines.sort();
    return lines;
}

// As a click does: nothing happens on a greyed button.
inline void click(ZelCheckBoxButton *button)
{
    button->iconButton()->click();
}

// Replaces the field's text key by key, as typing does.
inline void type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// The item of that text becomes current, as a pick from the list does.
inline bool pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    return true;
}

inline QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// The page and its pass, made anew for every test function.
class JobPageTest : public PageTest
{
    Q_OBJECT
protected:
    std::unique_ptr<PassDialog> m_pass;
    JobTab *m_page = nullptr;

    // A fresh page behind a fresh pass; the old ones go first.
    void newPage()
    {
        m_pass.reset(new PassDialog);
        m_page = new JobTab(m_pass.get());
        m_pass->page = m_page;
        m_page->show();
    }

    // A printer change: a store from the PPD, the settings file holding
    // lines, the page reloaded and the pass that follows.
    void load(const Lines &stored = {}, const QString &ppd = pagefixture::fixturePath(jobPpd))
    {
        m_ppd = ppd;
        pagefixture::useStore(pagefixture::storeFromPpd(ppd), m_dir, stored);
        m_page->retranslateUi();
        m_page->reload();
        m_pass->setConstraints();
    }

    // What Apply would write, then the same printer selected again.
    void reloadFromSnapshot()
    {
        const QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        Lines lines;
        for (auto it = snapshot.constBegin(); it != snapshot.constEnd(); ++it)
            lines << qMakePair(it.key(), it.value());
        load(lines, m_ppd);
    }

    QString m_ppd;

    // The page's own keys, every value kept.
    QMultiHash<QString, QString> extras() const { return QMultiHash<QString, QString>(m_page->getExtraOptions()); }
};
}
