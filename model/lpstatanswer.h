#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The list that follows "-p" when lpstat is asked for these queues: the
// names joined by commas, and "all,all" for the queue "all" alone, since
// "-pall" lists every queue.
QString lpstatQueueList(const QStringList &queueNames);

// lpstat's answer to "-p" + lpstatQueueList(queueNames) split by queue: for
// each name, in the order given, the lines its own "lpstat -pNAME" prints, or
// nothing where more than one reading of the answer is possible (names that
// are words of lpstat's own sentence, a state message over several lines
// that reads like a queue's line). Nothing for any name when no reading fits
// the answer. lpstat also lists every queue whose name, ignoring ASCII case,
// joins consecutive items of the list by their commas (for a name with a
// comma, its pieces as well): a line holding such a name as a word belongs to
// no queue asked and ends the lines of the one before it, unless the lines
// after it show it to be part of a state message.
QList<QByteArray> lpstatOutputByQueue(const QByteArray &standardOutput, const QStringList &queueNames);
