#include "support/start_fixture.h"

#include "platform/data_dir.h"
#include "store/data_set.h"
#include "till/logic/startup.h"

#include <filesystem>

namespace ovix::test {

LocalTime at(int year, int month, int day, int hour, int minute)
{
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

Files snapshot(const std::string &folder)
{
    Files files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        files[name] = entry.is_directory() ? "/" : readBytes(entry.path().string());
    }
    return files;
}

std::string markedReminders()
{
    std::string bytes(30 * kReminder, '\0');
    for (size_t k = 0; k < 30; ++k) {
        putI32(bytes, k * kReminder, static_cast<int32_t>(k));
        if (k < 28) {
            putI32(bytes, k * kReminder + 4, 2);
            putI32(bytes, k * kReminder + 804, 1);
            putText(bytes, k * kReminder + 812, "CUSTOMER " + std::to_string(k));
        }
    }
    return bytes;
}

void ShopStart::SetUp()
{
    ScriptedMessages quiet;
    ASSERT_TRUE(createDataSet(DataDir(folder.path()), at(2024, 3, 4), "\xA3", quiet))
        << quiet.lastText();
}

void ShopStart::TearDown()
{
    setFixedLocalTime(std::nullopt);
}

bool ShopStart::start(TillState &state, const LocalTime &when, ScriptedMessages &messages)
{
    setFixedLocalTime(when);
    return openData(state, messages) && completeStart(state, messages);
}

} // namespace ovix::test
