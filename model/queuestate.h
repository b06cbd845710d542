#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The state of one queue as "Idle", "Paused" or "Printing" (translated, in
// the QObject context), from "lpstat -pNAME" in whatever language lpstat
// speaks. The queue name goes to lpstat attached to its switch, never
// through a shell; a queue named "all" as "-pall,all", since "-pall" lists
// every queue. Where lpstat also lists other queues (a name with a comma
// brings its pieces, "all,all" the queue "all") only the queue's own lines
// count. lpstat that cannot be run, or that fails (an unknown queue), and an
// answer without lines that are surely the queue's own, answer
// "Error: Printer does not exist or lpstat failed.".
QString printerState(const QString &queueName);
// The longest list of names, in bytes, that one lpstat started now can take:
// within the system's limit for one argument and for the whole command line
// with this process's environment, with room to spare.
int lpstatListRoom();
// printerState of every name, in the same order, at about the cost of one
// lpstat run: one "lpstat -pA,B,C" asks for all the queues at once, and its
// answer is split into what each queue's own run prints. A list longer than
// listRoom bytes (names and commas) is asked in several runs. A run whose
// query fails (a queue that is gone) gets one run per queue instead, and so
// does each queue whose lines the answer cannot tell apart from another's;
// all runs of a call go together.
QStringList printerStates(const QStringList &queueNames, int listRoom = lpstatListRoom());
// The state word for lpstat's output (line feeds already dropped), or the
// output itself when no word matches.
QString printerStateText(const QString &output);
// lpstat's standard output as printerStateText gets it: without line feeds,
// at most 1022 bytes, decoded as UTF-8.
QString lpstatOutputText(const QByteArray &standardOutput);

