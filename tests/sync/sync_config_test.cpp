#include "platform/data_dir.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "print/logic/print_request.h"
#include "print/logic/receipt.h"
#include "store/receipt_words.h"
#include "store/activity_log.h"
#include "store/customer_record.h"
#include "store/item_record.h"
#include "store/reminder_file.h"
#include "store/store_heading.h"
#include "store/supplier_record.h"
#include "store/till_config_file.h"
#include "sync/logic/item_file_copy.h"
#include "sync/logic/sync_config.h"
#include "sync/logic/upload_name.h"
#include "sync_test_support.h"
#include "till/logic/day_summary.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/saved_basket.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// UTF-16 little-endian text as vx.cfg holds it, without a terminator.
void putUtf16(std::string &bytes, size_t offset, std::u16string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[offset + 2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[offset + 2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
}

std::string handBuiltConfig()
{
    std::string bytes(40320, '\0');
    putI32(bytes, 0, 3); // 15 minutes
    putI32(bytes, 8, 2); // local file only
    putI32(bytes, 16, 2); // help shown
    putI32(bytes, 32, 2); // CSV
    putI32(bytes, 1048 + 4 * 0, 2); // sku1 left out
    putI32(bytes, 1048 + 4 * 18, 2); // notes left out
    putI32(bytes, 1048 + 4 * 20, 2); // web site left out
    putUtf16(bytes, 4960, u"ftp.shop.test:2121");
    putUtf16(bytes, 5480, u"stock.csv");
    putUtf16(bytes, 13280, u"artículo"); // item
    putUtf16(bytes, 13280 + 23 * 520, u"remarks"); // notes
    putUtf16(bytes, 35120, u"shopuser");
    putUtf16(bytes, 35640, u"pa\u00DFw\u20AC");
    putUtf16(bytes, 36160, u"public_html/stock");
    bytes[4] = '\x5A'; // reserved bytes are kept as found
    bytes[40319] = '\x01';
    return bytes;
}

} // namespace

TEST(SyncConfig, HandBuiltFileReadsAtItsOffsetsAndGoesBackUnchanged)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string original = handBuiltConfig();
    writeBytes(dir.file("vx.cfg"), original);

    SyncConfig config;
    ASSERT_EQ(loadSyncConfig(data, config), SyncConfigLoad::Loaded);
    EXPECT_EQ(config.uploadInterval(), 3);
    EXPECT_TRUE(config.localFileOnly());
    EXPECT_TRUE(config.helpShown());
    EXPECT_EQ(config.fileFormat(), FileFormat::Csv);
    EXPECT_FALSE(config.isIncluded(OptionalField::Sku1));
    EXPECT_TRUE(config.isIncluded(OptionalField::Sku2));
    EXPECT_FALSE(config.isIncluded(OptionalField::Notes));
    EXPECT_TRUE(config.isIncluded(OptionalField::Location));
    EXPECT_FALSE(config.isIncluded(OptionalField::Website));
    EXPECT_EQ(utf8(config.text(ConfigText::FtpServer)), "ftp.shop.test:2121");
    EXPECT_EQ(utf8(config.text(ConfigText::UploadFileName)), "stock.csv");
    EXPECT_EQ(utf8(config.text(ConfigText::FtpUserName)), "shopuser");
    EXPECT_EQ(utf8(config.text(ConfigText::FtpPassword)), "pa\u00DFw\u20AC");
    EXPECT_EQ(utf8(config.text(ConfigText::RemoteFolder)), "public_html/stock");
    EXPECT_EQ(utf8(config.elementName(Element::Item)), "artículo");
    EXPECT_EQ(utf8(config.elementName(Element::Notes)), "remarks");
    EXPECT_EQ(utf8(config.elementName(Element::Number)), "");

    ASSERT_TRUE(storeSyncConfig(data, config));
    EXPECT_EQ(readBytes(dir.file("vx.cfg")), original);
    struct stat st { };
    ASSERT_EQ(::stat(dir.file("vx.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u); // it holds the FTP password

    config.setDefaultElementNames();
    const std::string bytes(config.bytes());
    EXPECT_EQ(bytes.substr(13280, 10), std::string("i\0t\0e\0m\0\0\0", 10));
    EXPECT_EQ(
        bytes.substr(13280 + 7 * 520, 22), std::string("c\0o\0s\0t\0_\0p\0r\0i\0c\0e\0\0\0", 22));
    EXPECT_EQ(utf8(config.elementName(Element::Website)), "website");
}

TEST(SyncConfig, TextSlotsAreBoundedBothWays)
{
    std::string bytes(40320, '\0');
    putUtf16(bytes, 4960, std::u16string(260, u'h')); // no terminator at all
    putUtf16(bytes, 5480, u"next");
    SyncConfig config;
    config.assign(bytes);
    EXPECT_EQ(utf8(config.text(ConfigText::FtpServer)), std::string(260, 'h'));
    EXPECT_EQ(utf8(config.text(ConfigText::UploadFileName)), "next");

    config.setText(ConfigText::FtpServer, QString(300, u'x'));
    EXPECT_EQ(utf8(config.text(ConfigText::FtpServer)), std::string(259, 'x'));
    EXPECT_EQ(utf8(config.text(ConfigText::UploadFileName)), "next");
    // A surrogate pair is not cut in half.
    config.setText(
        ConfigText::FtpUserName, QString(258, u'a') + QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(utf8(config.text(ConfigText::FtpUserName)), std::string(258, 'a'));
}

TEST(SyncConfig, MissingShortLongAndUnreadableFiles)
{
    TempDir dir;
    DataDir data(dir.path());
    SyncConfig config;
    config.setUploadInterval(2);
    ASSERT_EQ(loadSyncConfig(data, config), SyncConfigLoad::Missing);
    EXPECT_EQ(config.bytes(), std::string(40320, '\0'));

    const std::string full = handBuiltConfig();
    writeBytes(dir.file("VX.CFG"), full.substr(0, 4966)); // found whatever the case
    ASSERT_EQ(loadSyncConfig(data, config), SyncConfigLoad::WrongSize);
    EXPECT_EQ(config.uploadInterval(), 3);
    EXPECT_EQ(utf8(config.text(ConfigText::FtpServer)), "ftp"); // cut short by the file's end
    EXPECT_EQ(utf8(config.text(ConfigText::FtpUserName)), "");

    writeBytes(dir.file("VX.CFG"), full + "trailing bytes");
    ASSERT_EQ(loadSyncConfig(data, config), SyncConfigLoad::WrongSize);
    EXPECT_EQ(config.bytes(), full);

    // A vx.cfg that opens but cannot be read (here a folder of that name).
    ::unlink(dir.file("VX.CFG").c_str());
    ::mkdir(dir.file("vx.cfg").c_str(), 0700);
    EXPECT_EQ(loadSyncConfig(data, config), SyncConfigLoad::Unreadable);
}

TEST(SyncConfig, DamagedIntervalsActAsManual)
{
    EXPECT_EQ(uploadTimerPeriod(1), 300000);
    EXPECT_EQ(uploadTimerPeriod(4), 1200000);
    for (int32_t damaged : { 5, -1, 0x7FFFFFFF }) {
        EXPECT_EQ(uploadTimerPeriod(damaged), 0);
        EXPECT_EQ(utf8(uploadIntervalName(damaged)), "Manual");
    }
}

TEST(SyncConfig, UploadFileNameDefaultsFormatSwitchAndRefusedNames)
{
    SyncConfig config;
    EXPECT_EQ(utf8(config.uploadFileName()), "inventor.xml");
    config.setFileFormat(FileFormat::Csv);
    EXPECT_EQ(utf8(config.uploadFileName()), "inventor.csv");

    auto switched = [](const char *name, FileFormat format) {
        return utf8(switchUploadNameExtension(QString::fromLatin1(name), format));
    };
    EXPECT_EQ(switched("inventor.xml", FileFormat::Csv), "inventor.csv");
    EXPECT_EQ(switched("STOCK.CSV", FileFormat::Xml), "STOCK.xml");
    EXPECT_EQ(switched("data", FileFormat::Csv), "data");
    EXPECT_EQ(switched("data", FileFormat::Xml), "data");
    EXPECT_EQ(switched("panel", FileFormat::Csv), "pacsv"); // only the last character decides
    EXPECT_EQ(switched("a.v", FileFormat::Xml), "a.v"); // three characters or fewer stay

    EXPECT_TRUE(isUsableUploadName(QStringLiteral("stock list.csv")));
    for (const char *bad : { "film.dat", "FILM.DAT", "inventor.dat", "vx.cfg", "wr.cfg",
             "../inventor.xml", "/tmp/x.xml", "a\\b", "..", "", "x\ny" })
        EXPECT_FALSE(isUsableUploadName(QString::fromLatin1(bad))) << bad;
}

TEST(UploadName, EveryFileOfTheTillOrThePublisherIsRefusedInAnyCase)
{
    const char *const refused[] = { kItemFileName, kCustomerFileName, kSupplierFileName,
        kTillConfigFileName, kStoreHeadingFileName, kReceiptWordsFileName, kReminderFileName,
        kCurrentLogName, kPreviousLogName, kDaySummaryFileName, kArchiveMarkerName, kSalesLogName,
        kItemsLogName, kReceiptLogoFileName, kPrintoutsFolderName, kJournalName,
        kSyncConfigFileName, kItemCopyFileName, kSavedBasketName, "ports.cfg", "ininvent.dat", "f2.dat", "m2.dat",
        "temp2.dat", "letter.bmp", "wrmail.cfg", "upload.cfg", "ES.CSV", "Activity.txt",
        "Dlyitems.txt", "Reorder.txt", "input.txt", "output.txt", "INVENTOR.TXT",
        "INVENTOR.HTM", "CUSTOMER.TXT", "CUSTOMER.HTM", "CUSTOMER.XML", "m1042.bmp",
        "m100000000000000000.bmp", "STOCK7.bmp", "SA0307.CSV", "SA260307.CSV", "SW260307.CSV",
        "2026", "12", "wr.cfg.new~", "stock.xml.new~" };
    for (const char *name : refused) {
        const QString given = QString::fromLatin1(name);
        for (const QString &variant : { given, given.toLower(), given.toUpper() }) {
            EXPECT_FALSE(isUsableUploadName(variant)) << variant.toStdString();
            // Mixed case, as a data set copied from another machine may have.
            QString mixed = variant;
            for (qsizetype i = 0; i < mixed.size(); i += 2)
                mixed[i] = mixed[i].toUpper();
            EXPECT_FALSE(isUsableUploadName(mixed)) << mixed.toStdString();
        }
    }
    const char *const usable[] = { "inventor.xml", "INVENTOR.CSV", "stock.xml", "m.bmp",
        "mx1.bmp", "stock.bmp", "SA.CSV", "shop2026.xml", "film.dat.xml", "2026.csv",
        "new~", "stock list.csv" };
    for (const char *name : usable)
        EXPECT_TRUE(isUsableUploadName(QString::fromLatin1(name))) << name;
}

namespace {

// Notes the group and other permission bits of every file written.
class OpenModeWatch : public FileAccess {
public:
    ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) override
    {
        note(fd);
        return FileAccess::pwrite(fd, buffer, size, offset);
    }
    int fsync(int fd) override
    {
        note(fd);
        return FileAccess::fsync(fd);
    }
    int rename(const std::string &from, const std::string &to) override
    {
        struct stat st { };
        if (::stat(from.c_str(), &st) == 0)
            openToOthers |= static_cast<int>(st.st_mode & 077);
        return FileAccess::rename(from, to);
    }

    int openToOthers = 0;
    int writes = 0;

private:
    void note(int fd)
    {
        struct stat st { };
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            openToOthers |= static_cast<int>(st.st_mode & 077);
            ++writes;
        }
    }
};

} // namespace

TEST(SyncConfig, ThePasswordIsNeverInAFileOthersCanRead)
{
    const mode_t oldUmask = ::umask(022);
    TempDir dir;
    DataDir data(dir.path());
    SyncConfig config;
    config.setText(ConfigText::FtpPassword, QStringLiteral("s3cret"));
    // A vx.cfg left readable by all, and a stale temporary file likewise.
    writeBytes(dir.file("vx.cfg"), std::string(40320, '\0'));
    ::chmod(dir.file("vx.cfg").c_str(), 0644);
    writeBytes(dir.file("vx.cfg.new~"), "stale");
    ::chmod(dir.file("vx.cfg.new~").c_str(), 0666);

    OpenModeWatch watch;
    setFileAccess(&watch);
    const bool stored = storeSyncConfig(data, config);
    setFileAccess(nullptr);
    ::umask(oldUmask);
    ASSERT_TRUE(stored);
    EXPECT_GE(watch.writes, 2);
    EXPECT_EQ(watch.openToOthers, 0) << std::oct << watch.openToOthers;
    struct stat st { };
    ASSERT_EQ(::stat(dir.file("vx.cfg").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(readBytes(dir.file("vx.cfg")).substr(35640, 4), std::string("s\0" "3\0", 4));
}
