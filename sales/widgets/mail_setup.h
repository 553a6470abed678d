#pragma once
// File "Email setup", and the same dialog opened by a mail command when the
// shop has no wrmail.cfg yet.

#include "comms/logic/mail_settings.h"

#include <optional>

class QWidget;

namespace ovix {

class DataDir;
class Messages;

// Shows "Email target" with wrmail.cfg's settings (empty when there is none)
// and stores them on OK. The settings stored, or nothing when cancelled.
// "Unable to read WRMAIL.CFG" when the file exists but cannot be read.
std::optional<MailSettings> editMailSettings(QWidget *parent, const DataDir &dir,
    Messages &messages);

// The settings a mail goes out with: wrmail.cfg's, or when there is none
// the dialog's (Cancel: nothing, and no mail is sent).
std::optional<MailSettings> mailSettingsForSending(QWidget *parent, const DataDir &dir,
    Messages &messages);

} // namespace ovix
