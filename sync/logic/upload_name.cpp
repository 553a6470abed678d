#include "sync/logic/upload_name.h"

#include <QStringView>

namespace ovix {

namespace {

// Every name the till or the publisher uses in the shop's folder, in lower
// case. The publisher's own upload defaults are not among them.
const char *const kShopNames[] = {
    // Records, settings, the store heading and the saved basket.
    "film.dat", "member.dat", "mans.dat", "wr.cfg", "address.vt", "language.ini", "resn.dat",
    "basket.sav",
    // Activity logs, the day summary, the archive's files, stock receiving.
    "bun4.dat", "bun2.dat", "thedaily.dat", "base.dat", "saleslog.dat", "itemslog.dat",
    "ininvent.dat",
    // Sort files of the lists, the item file kept by a replacing import.
    "f2.dat", "m2.dat", "temp2.dat",
    // Logos printed on receipts and letters.
    "receipt.bmp", "letter.bmp",
    // Mail and report upload settings, and the files they send.
    "wrmail.cfg", "upload.cfg", "es.csv", "activity.txt", "dlyitems.txt", "reorder.txt",
    // Card payment exchange.
    "input.txt", "output.txt",
    // Exports of items and customers (the item XML export shares the
    // publisher's default name and stays usable).
    "inventor.txt", "inventor.htm", "customer.txt", "customer.htm", "customer.xml",
    // Device ports, the undo journal, printouts, help.
    "ports.cfg", "ovix.jnl", "printouts", "help", "ovix.chm", "ovixsync.chm",
    // The publisher's settings and its copy of the item file.
    "vx.cfg", "inventor.dat",
};

// A name made of `prefix`, then between `fewest` and `most` digits (after an
// optional minus sign when `signedNumber`), then `suffix`; all lower case.
struct NumberedName {
    const char *prefix;
    int fewest;
    int most;
    bool signedNumber;
    const char *suffix;
};

const NumberedName kNumberedNames[] = {
    { "m", 1, 20, true, ".bmp" }, // item pictures
    { "stock", 1, 11, true, ".bmp" }, // picture buttons
    { "sa", 4, 6, false, ".csv" }, // daily item reports and exports
    { "sw", 4, 6, false, ".csv" }, // weekly item exports
    { "", 1, 10, false, "" }, // the archive's year, month and day folders
};

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool matches(QStringView lower, const NumberedName &pattern)
{
    const QLatin1String prefix(pattern.prefix);
    const QLatin1String suffix(pattern.suffix);
    if (!lower.startsWith(prefix) || !lower.endsWith(suffix))
        return false;
    QStringView number = lower.mid(prefix.size(), lower.size() - prefix.size() - suffix.size());
    if (pattern.signedNumber && number.startsWith(u'-'))
        number = number.mid(1);
    return number.size() >= pattern.fewest && number.size() <= pattern.most && allDigits(number);
}

} // namespace

bool isUsableUploadName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    const QString lower = name.toLower();
    if (lower.endsWith(QLatin1String(".new~")))
        return false;
    for (const char *shopName : kShopNames) {
        if (lower == QLatin1String(shopName))
            return false;
    }
    for (const NumberedName &pattern : kNumberedNames) {
        if (matches(lower, pattern))
            return false;
    }
    return true;
}

} // namespace ovix
