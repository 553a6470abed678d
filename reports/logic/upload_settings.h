#pragma once
// The "Upload configuration" dialog's logic: what it shows and what its OK
// stores. The FTP settings and file names go to upload.cfg; which reports are
// sent goes to wr.cfg's block (stored with it at the next store).

#include "comms/logic/upload_config.h"

#include <array>
#include <string>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

// Whether `report` is chosen for upload (wr.cfg holds 2 for chosen, 0 not;
// any non-zero value counts as chosen).
bool headOfficeReportChosen(const TillConfig &config, HeadOfficeReport report);
void setHeadOfficeReportChosen(TillConfig &config, HeadOfficeReport report, bool chosen);

// Texts are Windows-1252.
struct UploadSettingsForm {
    std::string server;
    std::string userName;
    std::string password;
    std::array<bool, kHeadOfficeReportCount> chosen{}; // in HeadOfficeReport order
    std::array<std::string, kHeadOfficeReportCount> fileNames;
};

// What the dialog opens with: the stored settings, empty file names preset
// with the defaults.
UploadSettingsForm uploadSettingsForm(const TillConfig &config, const UploadConfig &upload);

// OK: a file name with a folder part or a control character is refused with
// "Please enter a file name without a folder." (caption "Problem"), and the
// name of one of the shop's own files (isShopFileName) with "The shop keeps
// its own file under that name: please enter another name."; otherwise
// the texts are put into `upload`, which replaces upload.cfg ("Unable to
// create UPLOAD.CFG", caption "Problem", when it cannot be written), and only
// then are the choices set in `config` (2 when chosen, else 0). False, with
// `config` and `upload` unchanged, when refused or not written.
bool saveUploadSettings(const DataDir &dir, TillConfig &config, UploadConfig &upload,
    const UploadSettingsForm &form, Messages &messages);

} // namespace ovix
