// language.ini as the till reads it at start. Whatever the bytes: the slots
// the file holds whole come from it, the others keep the built-in words of
// the language, no word is longer than its slot, and storing the table gives
// its 4640 bytes.

#include "fuzz/fuzz_folder.h"
#include "platform/data_dir.h"
#include "store/receipt_words.h"

using namespace ovix;
using ovix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::FuzzFolder &folder = ovix::fuzz::FuzzFolder::instance();
    folder.clear();
    ovix::fuzz::Chunks input(data, size);
    const int language = static_cast<int8_t>(input.byte());
    const std::string bytes = input.rest();
    folder.write(kReceiptWordsFileName, bytes);

    const DataDir dir(folder.path());
    ReceiptWords words;
    check(loadReceiptWords(dir, words, language));
    ReceiptWords builtIn;
    check(loadDefaultReceiptWords(builtIn, language >= 0 && language < kReceiptLanguageCount
                                               ? language : 0));
    const size_t wholeSlots = std::min<size_t>(bytes.size() / kReceiptWordWidth, kReceiptWordSlots);
    const size_t fromFile = wholeSlots * kReceiptWordWidth;
    check(words.bytes().substr(0, fromFile) == std::string_view(bytes).substr(0, fromFile));
    check(words.bytes().substr(fromFile) == builtIn.bytes().substr(fromFile));
    for (int slot = 0; slot < kReceiptWordSlots; ++slot)
        check(words.word(slot).size() <= kReceiptWordWidth);

    check(storeReceiptWords(dir, words));
    check(folder.read(kReceiptWordsFileName) == std::string(words.bytes()));
    return 0;
}
