#include "reports/logic/upload_settings.h"

#include "platform/messages.h"
#include "store/till_config.h"

namespace ovix {

bool headOfficeReportChosen(const TillConfig &config, HeadOfficeReport report)
{
    return config.get(cfg::headOfficeUpload, static_cast<size_t>(report)) != 0;
}

void setHeadOfficeReportChosen(TillConfig &config, HeadOfficeReport report, bool chosen)
{
    config.set(cfg::headOfficeUpload, static_cast<size_t>(report), chosen ? 2 : 0);
}

UploadSettingsForm uploadSettingsForm(const TillConfig &config, const UploadConfig &upload)
{
    UploadConfig preset = upload;
    preset.presetEmptyNames();
    UploadSettingsForm form;
    form.server = preset.server();
    form.userName = preset.userName();
    form.password = preset.password();
    for (int index = 0; index < kHeadOfficeReportCount; ++index) {
        const auto report = static_cast<HeadOfficeReport>(index);
        form.chosen[index] = headOfficeReportChosen(config, report);
        form.fileNames[index] = preset.fileName(report);
    }
    return form;
}

bool saveUploadSettings(const DataDir &dir, TillConfig &config, UploadConfig &upload,
    const UploadSettingsForm &form, Messages &messages)
{
    for (const std::string &name : form.fileNames) {
        if (!name.empty() && !isPlainFileName(name)) {
            reportProblem(messages, "Please enter a file name without a folder.");
            return false;
        }
        if (isShopFileName(name)) {
            reportProblem(messages,
                "The shop keeps its own file under that name: please enter another name.");
            return false;
        }
    }
    UploadConfig changed = upload;
    changed.setServer(form.server);
    changed.setUserName(form.userName);
    changed.setPassword(form.password);
    for (int index = 0; index < kHeadOfficeReportCount; ++index)
        changed.setFileName(static_cast<HeadOfficeReport>(index), form.fileNames[index]);
    if (!writeUploadConfig(dir, changed)) {
        reportProblem(messages, "Unable to create UPLOAD.CFG");
        return false;
    }
    upload = changed;
    for (int index = 0; index < kHeadOfficeReportCount; ++index)
        setHeadOfficeReportChosen(config, static_cast<HeadOfficeReport>(index), form.chosen[index]);
    return true;
}

} // namespace ovix
