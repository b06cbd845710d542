#include "lpoptionscommand.h"

#include "queuedefaults.h"
#include "queueppd.h"

#include <QFile>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace {
QStringList topLevelKeywords(ppd_file_t *ppd)
{
    QStringList keywords;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o)
            keywords << QString::fromLatin1(group.options[o].keyword);
    }
    return keywords;
}
}

bool LpoptionsCommand::ppdFileKeywords(const QString &ppdPath, QStringList *keywords)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(ppdPath).constData());
    if (!ppd)
        return false;
    *keywords = topLevelKeywords(ppd);
    ppdClose(ppd);
    return true;
}

bool LpoptionsCommand::queuePpdKeywords(const QString &queueName, QStringList *keywords, bool *unanswered)
{
    const QueuePpd queuePpd(queueName);
    if (unanswered)
        *unanswered = queuePpd.unanswered;
    if (!queuePpd.ppd)
        return false;
    *keywords = topLevelKeywords(queuePpd.ppd);
    return true;
}

QStringList LpoptionsCommand::arguments(const QString &queueName, const QStringList &keywords,
                                        const SettingsSnapshot &snapshot)
{
    // Attached, so a queue named "-x" is never taken for options.
    QStringList arguments = {QStringLiteral("-p") + queueName};
    for (const QString &keyword : keywords) {
        const QString value = snapshot.value(keyword);
        if (value.isEmpty())
            continue;
        arguments << QStringLiteral("-o") << keyword + QLatin1Char('=') + value;
    }
    return arguments;
}

ProcessResult LpoptionsCommand::run(const QStringList &arguments, int timeout)
{
    return ProcessRunner::run(QStringLiteral("lpoptions"), arguments, timeout);
}

LpoptionsCommand::Outcome LpoptionsCommand::readBack(const QString &queueName, const QStringList &arguments)
{
    const QueueDefaults defaults(queueName);
    if (!defaults.answered())
        return Outcome::Unanswered;
    if (!defaults.found())
        return Outcome::NotTaken;
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("-o") && !defaults.hold(arguments.at(i + 1)))
            return Outcome::NotTaken;
    }
    return Outcome::Taken;
}

LpoptionsCommand::Outcome LpoptionsCommand::apply(const QString &queueName, const SettingsSnapshot &snapshot,
                                                  int timeout)
{
    QStringList keywords;
    bool unanswered = false;
    if (!queuePpdKeywords(queueName, &keywords, &unanswered))
        return unanswered ? Outcome::Unanswered : Outcome::NotTaken;
    const QStringList words = arguments(queueName, keywords, snapshot);
    const bool ran = run(words, timeout).succeeded();
    // An lpoptions that exits 0 may have written nothing, as when CUPS went
    // away under it; one that failed may have found the values there already.
    const Outcome held = readBack(queueName, words);
    return held == Outcome::Taken && !ran ? Outcome::NotTaken : held;
}
