// ADDRESS.VT as the till reads it at start and writes it back at exit, under
// either letter case of its name. Whatever the bytes: the heading holds the
// file's first 294 bytes (zeros after a short file), each line reads back no
// longer than its 42 bytes, and storing it gives exactly those 294 bytes.

#include "fuzz/fuzz_folder.h"
#include "platform/data_dir.h"
#include "store/store_heading.h"

using namespace ovix;
using ovix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::FuzzFolder &folder = ovix::fuzz::FuzzFolder::instance();
    folder.clear();
    const bool lowerCase = size > 0 && (data[0] & 1) != 0;
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const char *name = lowerCase ? "address.vt" : kStoreHeadingFileName;
    folder.write(name, bytes);

    const DataDir dir(folder.path());
    StoreHeading heading = StoreHeading::sample();
    check(loadStoreHeading(dir, heading) == StoreHeadingLoad::Loaded);
    std::string expected = bytes.substr(0, kStoreHeadingSize);
    expected.resize(kStoreHeadingSize, '\0');
    check(heading.bytes() == expected);
    for (int line = 0; line < kHeadingLineCount; ++line)
        check(heading.line(static_cast<HeadingLine>(line)).size() <= kHeadingLineWidth);

    heading.setLineFromDialog(HeadingLine::Road, heading.line(HeadingLine::SiteName));
    check(heading.line(HeadingLine::Road).size() <= kHeadingDialogLineLength);
    check(storeStoreHeading(dir, heading));
    // The shop's file keeps its name; no second file appears beside it.
    check(folder.read(name) == std::string(heading.bytes()));
    check(!folder.exists(lowerCase ? kStoreHeadingFileName : "address.vt"));
    return 0;
}
