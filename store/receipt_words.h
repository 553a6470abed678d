#pragma once
// The printed vocabulary of receipts, invoices and statements: 58 slots of 80
// bytes, each NUL-terminated Windows-1252 text with the rest of the slot zero
// (4640 bytes), stored whole and byte for byte as language.ini. Slot 0 names
// the language, slots 1-16 are receipt words, 17-35 invoice and statement
// words, 36-57 are reserved and stay zero.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;

inline constexpr const char *kReceiptWordsFileName = "language.ini";
inline constexpr int kReceiptWordSlots = 58;
inline constexpr size_t kReceiptWordWidth = 80;
inline constexpr size_t kReceiptWordsSize = kReceiptWordSlots * kReceiptWordWidth;
// The built-in languages: 0 English, 1 Italiano, 2 Espanol, 3 Nederlands.
inline constexpr int kReceiptLanguageCount = 4;

class ReceiptWords {
public:
    // Every slot empty.
    ReceiptWords() : bytes_{} {}

    // The text of slot 0-57 up to its first NUL (at most 80 bytes); "" for
    // another slot.
    std::string word(int slot) const;
    // Keeps at most 79 bytes of `text`, then zeros to the end of the slot. A
    // slot outside 0-57 changes nothing.
    void setWord(int slot, std::string_view text);

    // The 4640 bytes as they go to language.ini.
    std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }
    // Takes the slots that `data` holds whole, from slot 0 on (at most 58);
    // the slots after them keep their words.
    void assignWholeSlots(std::string_view data);

    bool operator==(const ReceiptWords &other) const = default;

private:
    std::array<char, kReceiptWordsSize> bytes_;
};

// Replaces the whole table by the built-in words of `language` (0-3); slots
// 36-57 become zero. Any other language leaves the table unchanged and gives false.
bool loadDefaultReceiptWords(ReceiptWords &words, int language);

// Reads language.ini (found whatever the case of its name) into `words`. A
// missing or unreadable file is not an error: the table gets the built-in
// words of `languageIndex` (English when the index is not 0-3). A file of
// the wrong length keeps the built-in words in the slots it does not fully
// hold, so a cut-off file never leaves half a word. True when the words came
// from the file.
bool loadReceiptWords(const DataDir &dir, ReceiptWords &words, int languageIndex);

// Replaces language.ini by the 4640 bytes, all or nothing; an existing file
// keeps the case of its name. False, with `error` when given, on failure.
bool storeReceiptWords(const DataDir &dir, const ReceiptWords &words,
                       std::string *error = nullptr);

} // namespace ovix
