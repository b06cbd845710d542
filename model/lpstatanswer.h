#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// lpstat's answer for several queues split by queue: for each name, in the
// order given, the lines its own "lpstat -pNAME" prints, or nothing where
// more than one reading of the answer is possible (names that are words of
// lpstat's own sentence, a state message over several lines that reads like
// a queue's line). Nothing for any name when no reading fits the answer.
QList<QByteArray> lpstatOutputByQueue(const QByteArray &standardOutput, const QStringList &queueNames);
