#pragma once
// What the "Language customization" dialog works on: the chosen built-in
// language, its default words and the words in use for slots 1-35 (receipt
// words 1-16, invoice and statement words 17-35), all Windows-1252.

#include <array>
#include <string>

namespace ovix {

class ReceiptWords;
class TillConfig;

inline constexpr int kCustomizableWordSlots = 35;
inline constexpr int kReceiptWordSlotsShown = 16; // slots 1-16 under "Receipt"
inline constexpr std::array<const char *, 4> kLanguageNames
    = { "English", "Italiano", "Espanol", "Nederlands" };

struct LanguageCustomization {
    int languageIndex = 0; // 0-3
    // Entry 0 is slot 1.
    std::array<std::string, kCustomizableWordSlots> defaults;
    std::array<std::string, kCustomizableWordSlots> inUse;
};

// The stored language (English when not 0-3), its defaults and `words` in use.
LanguageCustomization openLanguageCustomization(const TillConfig &config,
                                                const ReceiptWords &words);
// Choosing a language, or "Reset" with the chosen one: both columns get the
// defaults of `language`, so any customization is lost. A language outside
// 0-3 changes nothing and gives false.
bool chooseLanguage(LanguageCustomization &dialog, int language);
// "OK": stores the language index and the words in use into slots 1-35 (79
// bytes kept of each); slot 0 and slots 36-57 keep their bytes.
void applyLanguageCustomization(TillConfig &config, ReceiptWords &words,
                                const LanguageCustomization &dialog);

} // namespace ovix
