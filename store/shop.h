#pragma once
// The shop as loaded for one run: the data folder, the configuration block,
// the record files with their indexes, the store heading and the receipt
// words. Plain data plus the objects that own the record files: no widgets.
//
// One Shop lives from start to exit. Work that needs only the shop's files and
// settings takes a Shop; the till's own run adds what the sale needs on top
// (TillState).

#include "platform/data_dir.h"
#include "store/receipt_words.h"
#include "store/record_kinds.h"
#include "store/store_heading.h"
#include "store/till_config.h"

#include <cstdint>
#include <string>

namespace ovix {

class Shop {
public:
    explicit Shop(std::string dataFolder)
        : dir(std::move(dataFolder)), items(dir), customers(dir), suppliers(dir)
    {
    }
    Shop(const Shop &) = delete;
    Shop &operator=(const Shop &) = delete;

    DataDir dir;
    TillConfig config;
    ItemIndex items;
    CustomerIndex customers;
    SupplierIndex suppliers;
    StoreHeading heading;
    // False when ADDRESS.VT exists but could not be read: then it is not
    // written back at exit, so the shop's own heading is never replaced by samples.
    bool headingWritable = true;
    // The words printed on receipts and invoices, from language.ini.
    ReceiptWords receiptWords;

    // The logged-on clerk (1-99) and whether it is restricted (not 1 or 2).
    int64_t clerk() const;
    bool restricted() const { return clerk() != 1 && clerk() != 2; }
};

} // namespace ovix
