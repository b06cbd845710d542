#pragma once

#include <QString>

#include <cups/cups.h>

// Every CUPS destination as one cupsGetDests call gives them, freed with
// this object. libcups gives no destinations both when the server has none
// and when it could not be reached; answered() tells the two apart.
class CupsDestinations
{
public:
    CupsDestinations();
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations &) = delete;
    CupsDestinations &operator=(const CupsDestinations &) = delete;

    // False when the server gave no answer (not running, restarting): the
    // empty list then says nothing about the printers.
    bool answered() const { return m_answered; }
    int count() const { return m_count; }
    const cups_dest_t &at(int index) const { return m_dests[index]; }
    QString name(int index) const { return QString::fromUtf8(m_dests[index].name); }

    // Right after a libcups call that failed: true when it failed for want
    // of an answer from the server, not by the server's own answer (such as
    // "not found").
    static bool lastCallUnanswered();

private:
    cups_dest_t *m_dests = nullptr;
    int m_count = 0;
    bool m_answered = false;
};
