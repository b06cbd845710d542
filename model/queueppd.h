#pragma once

#include <QByteArray>
#include <QString>

#include <cups/ppd.h>

// The PPD of one queue, fetched from CUPS into a temporary file and opened;
// the file is closed and removed when this goes. Every fetch of a queue's
// PPD goes through here, so a failed one is judged the same everywhere.
class QueuePpd
{
public:
    explicit QueuePpd(const QString &queue);
    ~QueuePpd();
    QueuePpd(const QueuePpd &) = delete;
    QueuePpd &operator=(const QueuePpd &) = delete;

    ppd_file_t *ppd = nullptr;
    // No PPD because CUPS gave no answer, not because the queue has none.
    bool unanswered = false;

private:
    QByteArray file;
};
