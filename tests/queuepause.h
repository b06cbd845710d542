#pragma once

// Pausing and resuming a queue of the CUPS that CUPS_SERVER names, over IPP:
// cupsdisable takes a queue named "-Dash" for options, IPP takes any name.

#include <QString>

#include <cups/cups.h>

namespace queuepause {

// False, with CUPS's reason in *error, when the request failed. A reason
// given with a pause becomes the queue's state message, as
// "cupsdisable -r" makes it.
inline bool setPaused(const QString &queue, bool paused, QString *error = nullptr,
                      const QString &reason = QString())
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.toUtf8().constData());
    ipp_t *request = ippNewRequest(paused ? IPP_OP_PAUSE_PRINTER : IPP_OP_RESUME_PRINTER);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    if (paused && !reason.isEmpty())
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_TEXT, "printer-state-message", nullptr,
                     reason.toUtf8().constData());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/admin/"));
    const bool ok = cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
    if (!ok && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return ok;
}

} // namespace queuepause
