#include "queuedefaults.h"

#include "cupsdestinations.h"

#include <strings.h>
#include <thread>

QueueDefaults::QueueDefaults(const QString &queue)
{
    // libcups takes HOME (and with it the user's lpoptions file) and the
    // server once per thread: a thread of its own reads them as a program
    // started now does, lpoptions among them.
    std::thread reader([this, &queue]() {
        cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
        if (!dest) {
            // It says "not found" also when the server gave no answer.
            m_answered = CupsDestinations().answered();
            return;
        }
        m_answered = m_found = true;
        for (int i = 0; i < dest->num_options; ++i)
            m_count = cupsAddOption(dest->options[i].name, dest->options[i].value, m_count, &m_options);
        cupsFreeDests(1, dest);
    });
    reader.join();
}

QueueDefaults::~QueueDefaults()
{
    cupsFreeOptions(m_count, m_options);
}

bool QueueDefaults::hold(const QString &optionText) const
{
    cups_option_t *wanted = nullptr;
    const int count = cupsParseOptions(optionText.toUtf8().constData(), 0, &wanted);
    bool held = true;
    for (int i = 0; i < count && held; ++i) {
        const char *value = cupsGetOption(wanted[i].name, m_count, m_options);
        held = value && strcasecmp(value, wanted[i].value) == 0;
    }
    cupsFreeOptions(count, wanted);
    return held;
}
