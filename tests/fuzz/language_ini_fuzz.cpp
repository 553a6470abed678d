// language.ini over any bytes: the slots the file holds whole are taken byte
// for byte and the others keep the built-in words, every word is at most one
// slot with no NUL, and what the "Language customization" dialog shows is
// stored and read back unchanged.

#include "fuzz/settings_fuzz.h"

#include "print/logic/language_customization.h"
#include "store/receipt_words.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    std::string_view input = fuzz::bytesOf(data, size);
    if (input.empty())
        return 0;
    // The first byte is the stored language; the rest is the file.
    const int language = static_cast<signed char>(input.front()) % 6;
    input.remove_prefix(1);
    TillConfig config;
    config.set(cfg::receiptLanguage, language);
    fuzz::putScratchFile(kReceiptWordsFileName, input);
    const DataDir shop = fuzz::scratchShop();
    ReceiptWords words;
    check(loadReceiptWords(shop, words, language));

    ReceiptWords builtIn;
    check(loadDefaultReceiptWords(builtIn, language >= 0 && language < 4 ? language : 0));
    const size_t whole = std::min<size_t>(input.size() / kReceiptWordWidth, kReceiptWordSlots);
    check(words.bytes().substr(0, whole * kReceiptWordWidth)
        == input.substr(0, whole * kReceiptWordWidth));
    check(words.bytes().substr(whole * kReceiptWordWidth)
        == builtIn.bytes().substr(whole * kReceiptWordWidth));
    for (int slot = 0; slot < kReceiptWordSlots; ++slot) {
        const std::string word = words.word(slot);
        check(word.size() <= kReceiptWordWidth && word.find('\0') == std::string::npos);
    }

    // Stored as read, read back the same.
    check(storeReceiptWords(shop, words));
    ReceiptWords again;
    check(loadReceiptWords(shop, again, language) && again == words);

    // OK in the dialog without a change keeps every word that fits its slot.
    const LanguageCustomization dialog = openLanguageCustomization(config, words);
    check(dialog.languageIndex >= 0 && dialog.languageIndex < 4);
    TillConfig applied = config;
    ReceiptWords edited = words;
    applyLanguageCustomization(applied, edited, dialog);
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot)
        check(edited.word(slot) == words.word(slot).substr(0, kReceiptWordWidth - 1));
    check(edited.word(0) == words.word(0));
    check(edited.bytes().substr(36 * kReceiptWordWidth)
        == words.bytes().substr(36 * kReceiptWordWidth));
    check(applied.get(cfg::receiptLanguage) == dialog.languageIndex);
    check(storeReceiptWords(shop, edited));
    check(loadReceiptWords(shop, again, dialog.languageIndex) && again == edited);
    return 0;
}
