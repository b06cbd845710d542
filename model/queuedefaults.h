#pragma once

#include <QString>

#include <cups/cups.h>

// A queue's options as a job would get them, read from CUPS when this is
// made: the server's, with the lpoptions files (the system's, then the
// user's) applied.
class QueueDefaults
{
public:
    explicit QueueDefaults(const QString &queue);
    ~QueueDefaults();
    QueueDefaults(const QueueDefaults &) = delete;
    QueueDefaults &operator=(const QueueDefaults &) = delete;

    // False when CUPS gave no answer: nothing is known of the queue then.
    bool answered() const { return m_answered; }
    // CUPS answered and knows the queue.
    bool found() const { return m_found; }
    // Every option of the text, parsed as lpoptions parses the text of a
    // "-o", holds its value; values compare as lpoptions compares them with
    // the server's (case ignored), so one it left out as the server's own
    // holds too.
    bool hold(const QString &optionText) const;

private:
    bool m_answered = false;
    bool m_found = false;
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};
