#pragma once
// The one way a mail command starts: settings from wrmail.cfg (the "Email
// target" dialog first when there is none), the message made now on the
// window's thread, then sent by a background job of the window's while the
// till goes on. The outcome is shown on the window's thread when the server
// has answered: "Report" (caption "Finished"), or the problem.

#include "comms/logic/smtp_mail.h"

#include <functional>
#include <optional>

namespace ovix {

class DataDir;
class Messages;
class TillWindow;

// Makes the mail from the settings; nothing when the command ends there (it
// has said why, or ends silently).
using MailComposer = std::function<std::optional<OutgoingMail>(const MailSettings &settings)>;

// True when the mail job was started. The job holds its own copy of the
// message, so nothing the till does afterwards changes what is sent.
// "Unable to start thread" (caption "Problem") when no job could be started.
bool startMail(TillWindow &window, const DataDir &dir, Messages &messages,
    const MailComposer &compose);

} // namespace ovix
