#include "store/receipt_words.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "store/fixed_text.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace ovix {

namespace {

constexpr int kDefaultWordCount = 36;

// The built-in words per language, slot 0 first, in Windows-1252.
constexpr const char *kDefaultWords[kReceiptLanguageCount][kDefaultWordCount] = {
    {
        "English", // 0
        "Receipt", // 1
        "Sub total", // 2
        "Total", // 3
        "Discount", // 4
        "Customer", // 5
        "Non taxable", // 6
        "Taxable", // 7
        "Tendered", // 8
        "Cash change", // 9
        "Payment: Cash", // 10
        "Payment: Cheque", // 11
        "Payment: EFT", // 12
        "Payment: Credit", // 13
        "Payment: CH with cash", // 14
        "Payment: EFT with cash", // 15
        "Refund", // 16
        "INVOICE", // 17
        "Invoice Number", // 18
        "Associate", // 19
        "DESCRIPTION", // 20
        "ITEM NO", // 21
        "NET TOTAL", // 22
        "SUBTOTAL", // 23
        "TOTAL", // 24
        "DISCOUNT", // 25
        "CUSTOMER", // 26
        "CUSTOMER NO", // 27
        "TELEPHONE", // 28
        "ITEMS", // 29
        "NON TX", // 30
        "TAXABLE", // 31
        "Authorized", // 32
        "Received", // 33
        "Unit price", // 34
        "Terms", // 35
    },
    {
        "Italiano", // 0
        "Ricevimento", // 1
        "Sub totale", // 2
        "Totale", // 3
        "Sconto", // 4
        "Cliente", // 5
        "Non imponibile", // 6
        "Imponibile", // 7
        "Offerto", // 8
        "Sostituzione del contante", // 9
        "Pagamento: Contanti", // 10
        "Pagamento: Assegno", // 11
        "Pagamento: EFT", // 12
        "Pagamento: Credit", // 13
        "Pagamento: CH in contanti", // 14
        "Pagamento: EFT in contanti", // 15
        "Rimborso", // 16
        "FATTURA", // 17
        "Fattura No", // 18
        "Associate", // 19
        "DESCRIZIONE", // 20
        "ARTICOLI NO", // 21
        "NET TOTALE", // 22
        "SUB TOTALE", // 23
        "TOTALE", // 24
        "SCONTO", // 25
        "CLIENTE", // 26
        "CLIENTE NO", // 27
        "TELEFONO", // 28
        "ARTICOLI", // 29
        "NON IMP", // 30
        "IMPONIBILE", // 31
        "Autorizzato", // 32
        "Ricevuto", // 33
        "Prezzo unitario", // 34
        "Condizioni", // 35
    },
    {
        "Espanol", // 0
        "Recepci\xF3n", // 1
        "Sub total", // 2
        "Total", // 3
        "Descuento", // 4
        "Cliente", // 5
        "No imponible", // 6
        "Imponible", // 7
        "Licitaci\xF3n", // 8
        "De introducci\xF3n del efectivo", // 9
        "Pago: Efectivo", // 10
        "Pago: transferencia bancaria", // 11
        "Pago: cr\351dito", // 12
        "Pago: Credit", // 13
        "Pago: con dinero en efectivo CH", // 14
        "Pago: transferencia bancaria con dinero en efectivo", // 15
        "Reembolso", // 16
        "FACTURA", // 17
        "Factura Number", // 18
        "Associate", // 19
        "DESCRIPCION", // 20
        "ARTICULOS NO", // 21
        "NET TOTAL", // 22
        "SUBTOTAL", // 23
        "TOTAL", // 24
        "DESCUENTO", // 25
        "CLIENTE", // 26
        "CLIENTE NO", // 27
        "TELEFONO", // 28
        "ARTICULOS", // 29
        "NON IMP", // 30
        "IMPONIBLE", // 31
        "Autorizado", // 32
        "Recibido", // 33
        "Precio por unidad", // 34
        "Condiciones", // 35
    },
    {
        "Nederlands", // 0
        "Ontvangst", // 1
        "Subtotaal", // 2
        "Totaal", // 3
        "Korting", // 4
        "Klant", // 5
        "Niet-belastbare", // 6
        "Belastbaar", // 7
        "Aangeboden", // 8
        "Naar de chartale euro", // 9
        "Betaling: Cash", // 10
        "Betaling: Cheque", // 11
        "Betaling: EFT", // 12
        "Betaling: Credit", // 13
        "Betaling: CH met contant geld", // 14
        "Betaling: EFT met contant geld", // 15
        "Terugbetaling", // 16
        "FACTUUR", // 17
        "FACTUUR No", // 18
        "Associate", // 19
        "BESCHRIJVING", // 20
        "ITEM NO", // 21
        "NET TOTAAL", // 22
        "SUBTOTAAL", // 23
        "TOTAAL", // 24
        "KORTING", // 25
        "KLANT", // 26
        "KLANT NO", // 27
        "TELEFOON", // 28
        "ITEMS", // 29
        "NON BELA", // 30
        "BELASTBAAR", // 31
        "Geautoriseerde", // 32
        "Ontvangen", // 33
        "Eenheidsprijs", // 34
        "Voorwaarden", // 35
    },
};

} // namespace

std::string ReceiptWords::word(int slot) const
{
    if (slot < 0 || slot >= kReceiptWordSlots)
        return {};
    return readFixedText(bytes_.data() + static_cast<size_t>(slot) * kReceiptWordWidth,
                         kReceiptWordWidth);
}

void ReceiptWords::setWord(int slot, std::string_view text)
{
    if (slot < 0 || slot >= kReceiptWordSlots)
        return;
    writeFixedText(bytes_.data() + static_cast<size_t>(slot) * kReceiptWordWidth,
                   kReceiptWordWidth, text);
}

void ReceiptWords::assignWholeSlots(std::string_view data)
{
    size_t length = std::min(data.size(), kReceiptWordsSize);
    length -= length % kReceiptWordWidth;
    if (length > 0)
        std::memcpy(bytes_.data(), data.data(), length);
}

bool loadDefaultReceiptWords(ReceiptWords &words, int language)
{
    if (language < 0 || language >= kReceiptLanguageCount)
        return false;
    ReceiptWords defaults;
    for (int slot = 0; slot < kDefaultWordCount; ++slot)
        defaults.setWord(slot, kDefaultWords[language][slot]);
    words = defaults;
    return true;
}

bool loadReceiptWords(const DataDir &dir, ReceiptWords &words, int languageIndex)
{
    if (!loadDefaultReceiptWords(words, languageIndex))
        loadDefaultReceiptWords(words, 0);
    std::optional<std::string> file = readWholeFile(dir.path(kReceiptWordsFileName));
    if (!file)
        return false;
    words.assignWholeSlots(*file);
    return true;
}

bool storeReceiptWords(const DataDir &dir, const ReceiptWords &words, std::string *error)
{
    return replaceFileAtomically(dir.path(kReceiptWordsFileName), words.bytes(), error);
}

} // namespace ovix
