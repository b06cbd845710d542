#include "cupsdestinations.h"

CupsDestinations::CupsDestinations()
{
    m_count = cupsGetDests(&m_dests);
    m_answered = m_count > 0 || !lastCallUnanswered();
}

CupsDestinations::~CupsDestinations()
{
    cupsFreeDests(m_count, m_dests);
}

bool CupsDestinations::lastCallUnanswered()
{
    // A refused or broken connection reads as service-unavailable; the
    // server-error class and libcups's own codes above it are no answer on
    // the printers either. A server without queues says successful-ok or
    // not-found.
    return cupsLastError() >= IPP_STATUS_ERROR_INTERNAL;
}
