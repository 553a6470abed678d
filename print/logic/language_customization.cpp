#include "print/logic/language_customization.h"

#include "store/receipt_words.h"
#include "store/till_config.h"

namespace ovix {

namespace {

std::array<std::string, kCustomizableWordSlots> slotsOf(const ReceiptWords &words)
{
    std::array<std::string, kCustomizableWordSlots> slots;
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot)
        slots[static_cast<size_t>(slot - 1)] = words.word(slot);
    return slots;
}

} // namespace

LanguageCustomization openLanguageCustomization(const TillConfig &config,
                                                const ReceiptWords &words)
{
    LanguageCustomization dialog;
    dialog.languageIndex = receiptLanguageIndex(config);
    ReceiptWords defaults;
    loadDefaultReceiptWords(defaults, dialog.languageIndex);
    dialog.defaults = slotsOf(defaults);
    dialog.inUse = slotsOf(words);
    return dialog;
}

bool chooseLanguage(LanguageCustomization &dialog, int language)
{
    ReceiptWords defaults;
    if (!loadDefaultReceiptWords(defaults, language))
        return false;
    dialog.languageIndex = language;
    dialog.defaults = slotsOf(defaults);
    dialog.inUse = dialog.defaults;
    return true;
}

void applyLanguageCustomization(TillConfig &config, ReceiptWords &words,
                                const LanguageCustomization &dialog)
{
    if (dialog.languageIndex >= 0 && dialog.languageIndex < kReceiptLanguageCount)
        config.set(cfg::receiptLanguage, dialog.languageIndex);
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot)
        words.setWord(slot, dialog.inUse[static_cast<size_t>(slot - 1)]);
}

} // namespace ovix
