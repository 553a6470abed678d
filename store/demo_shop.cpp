// The sample shop that `ovixinit --demo` puts into a new data set: a village
// store selling groceries, drinks, papers and a few household goods.

#include "store/data_set.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "store/time_stamp.h"

#include <algorithm>
#include <cinttypes>
#include <cstring>
#include <string>
#include <string_view>

namespace ovix {

namespace {

// Display categories, in the order of the category names of a new block.
enum Category {
    Spirits,
    Beers,
    Books,
    Cans,
    Cards,
    Coffee,
    Deli,
    Drinks,
    Dvds,
    Frozen,
    Fruit,
    Hardware,
    Miscellaneous,
    Papers,
    Pop,
    Tea,
    Sweets,
    Wines,
};

// Tax codes of an item.
enum Tax { NonTaxable = 0, TaxOneAndTwo = 1, TaxOne = 2, TaxTwo = 3 };

struct DemoItem {
    const char *description;
    Category category;
    float cost;
    float retail;
    int quantity;
    int reorderLevel;
    Tax tax;
    bool barcode; // gets an EAN-13 in sku1
};

const DemoItem kItems[] = {
    { "SCOTCH WHISKY 70CL", Spirits, 14.20f, 21.99f, 12, 4, TaxOneAndTwo, true },
    { "LONDON DRY GIN 70CL", Spirits, 11.50f, 17.49f, 10, 4, TaxOneAndTwo, true },
    { "VODKA 70CL", Spirits, 9.80f, 14.99f, 9, 3, TaxOneAndTwo, true },
    { "SPICED RUM 70CL", Spirits, 12.10f, 18.50f, 6, 2, TaxOneAndTwo, false },
    { "BEST BITTER 500ML", Beers, 1.05f, 1.89f, 48, 12, TaxOneAndTwo, true },
    { "PREMIUM LAGER 4X440ML", Beers, 3.10f, 5.25f, 30, 8, TaxOneAndTwo, true },
    { "IRISH STOUT 4X440ML", Beers, 3.40f, 5.75f, 20, 6, TaxOneAndTwo, true },
    { "DRY CIDER 2L", Beers, 2.20f, 3.79f, 18, 6, TaxOneAndTwo, false },
    { "ROAD ATLAS BRITAIN", Books, 6.00f, 9.99f, 4, 1, NonTaxable, true },
    { "CROSSWORD PUZZLE BOOK", Books, 1.20f, 2.50f, 15, 5, NonTaxable, false },
    { "CHILDRENS COLOURING BOOK", Books, 1.10f, 2.99f, 8, 3, NonTaxable, false },
    { "BAKED BEANS 415G", Cans, 0.38f, 0.75f, 60, 20, NonTaxable, true },
    { "CHOPPED TOMATOES 400G", Cans, 0.32f, 0.65f, 40, 12, NonTaxable, true },
    { "TOMATO SOUP 400G", Cans, 0.55f, 1.10f, 36, 12, NonTaxable, true },
    { "TUNA CHUNKS 160G", Cans, 0.70f, 1.35f, 24, 8, NonTaxable, false },
    { "BIRTHDAY CARD", Cards, 0.60f, 2.25f, 40, 10, TaxOne, false },
    { "SYMPATHY CARD", Cards, 0.60f, 2.25f, 12, 4, TaxOne, false },
    { "GIFT WRAP 3M", Cards, 0.80f, 1.99f, 20, 5, TaxOne, true },
    { "GROUND COFFEE 227G", Coffee, 2.10f, 3.95f, 24, 6, NonTaxable, true },
    { "INSTANT COFFEE 200G", Coffee, 3.40f, 5.99f, 18, 6, NonTaxable, true },
    { "COFFEE BEANS 1KG", Coffee, 9.00f, 14.50f, 6, 2, NonTaxable, false },
    { "COFFEE FILTER PAPERS 80", Coffee, 0.60f, 1.25f, 15, 5, TaxOne, false },
    { "MATURE CHEDDAR 400G", Deli, 2.40f, 3.85f, 14, 5, NonTaxable, true },
    { "HONEY ROAST HAM 120G", Deli, 1.20f, 2.20f, 12, 4, NonTaxable, true },
    { "PORK PIE 140G", Deli, 0.70f, 1.40f, 10, 4, NonTaxable, false },
    { "WHITE LOAF 800G", Deli, 0.55f, 1.15f, 16, 6, NonTaxable, false },
    { "WHOLEMEAL LOAF 800G", Deli, 0.60f, 1.25f, 12, 4, NonTaxable, false },
    { "CROISSANTS 4 PACK", Deli, 0.90f, 1.79f, 8, 3, NonTaxable, false },
    { "SPARKLING WATER 1.5L", Drinks, 0.25f, 0.65f, 36, 12, TaxOne, true },
    { "ORANGE JUICE 1L", Drinks, 0.70f, 1.35f, 20, 6, NonTaxable, true },
    { "ENERGY DRINK 250ML", Drinks, 0.55f, 1.29f, 48, 12, TaxOne, true },
    { "DVD FAMILY FILM", Dvds, 3.50f, 7.99f, 6, 2, TaxOne, true },
    { "DVD NATURE DOCUMENTARY", Dvds, 3.00f, 6.99f, 4, 1, TaxOne, false },
    { "DVD HIRE ONE NIGHT", Dvds, 0.00f, 2.50f, 25, 0, TaxOneAndTwo, false },
    { "FROZEN PEAS 900G", Frozen, 0.80f, 1.49f, 15, 5, NonTaxable, true },
    { "VANILLA ICE CREAM 2L", Frozen, 1.60f, 2.99f, 10, 4, TaxOne, true },
    { "FISH FINGERS 10 PACK", Frozen, 1.10f, 2.10f, 12, 4, NonTaxable, false },
    { "BANANAS EACH", Fruit, 0.10f, 0.22f, 80, 20, NonTaxable, false },
    { "APPLES 6 PACK", Fruit, 0.90f, 1.80f, 14, 5, NonTaxable, false },
    { "POTATOES 2.5KG", Fruit, 0.95f, 1.99f, 10, 4, NonTaxable, false },
    { "LEMONS EACH", Fruit, 0.15f, 0.35f, 30, 10, NonTaxable, false },
    { "AA BATTERIES 4 PACK", Hardware, 1.60f, 3.49f, 20, 6, TaxOne, true },
    { "LED LIGHT BULB 60W", Hardware, 1.20f, 2.99f, 12, 4, TaxOneAndTwo, true },
    { "PARCEL TAPE 50M", Hardware, 0.70f, 1.99f, 10, 3, TaxTwo, false },
    { "CLAW HAMMER 16OZ", Hardware, 4.20f, 8.99f, 3, 1, TaxTwo, false },
    { "PHONE TOP UP 10.00", Miscellaneous, 10.00f, 10.00f, 99, 0, NonTaxable, false },
    { "CARRIER BAG", Miscellaneous, 0.05f, 0.10f, 200, 50, TaxTwo, false },
    { "FIRST CLASS STAMP", Miscellaneous, 1.35f, 1.35f, 100, 20, NonTaxable, false },
    { "DAILY NEWSPAPER", Papers, 1.10f, 1.50f, 30, 0, NonTaxable, false },
    { "SUNDAY NEWSPAPER", Papers, 1.70f, 2.50f, 25, 0, NonTaxable, false },
    { "LOCAL WEEKLY NEWS", Papers, 0.75f, 1.00f, 20, 0, NonTaxable, false },
    { "TV LISTINGS MAGAZINE", Papers, 1.40f, 2.10f, 10, 0, NonTaxable, true },
    { "COLA 2L", Pop, 0.90f, 1.99f, 24, 8, TaxOne, true },
    { "LEMONADE 2L", Pop, 0.45f, 0.99f, 18, 6, TaxOne, true },
    { "COLA 330ML CAN", Pop, 0.35f, 0.85f, 48, 12, TaxOne, true },
    { "TEA BAGS 80", Tea, 1.40f, 2.49f, 30, 10, NonTaxable, true },
    { "EARL GREY TEA 50", Tea, 1.30f, 2.35f, 12, 4, NonTaxable, true },
    { "GREEN TEA 20", Tea, 0.90f, 1.85f, 10, 3, NonTaxable, false },
    { "HERBAL TEA SELECTION", Tea, 1.50f, 2.75f, 8, 3, NonTaxable, false },
    { "MILK CHOCOLATE BAR 100G", Sweets, 0.55f, 1.10f, 40, 12, TaxOne, true },
    { "FRUIT PASTILLES", Sweets, 0.40f, 0.85f, 36, 12, TaxOne, true },
    { "MINT HUMBUGS 200G", Sweets, 0.80f, 1.60f, 12, 4, TaxOne, false },
    { "BOX OF CHOCOLATES 400G", Sweets, 4.50f, 8.99f, 8, 3, TaxOne, true },
    { "CABERNET SAUVIGNON 75CL", Wines, 4.20f, 7.99f, 18, 6, TaxOneAndTwo, true },
    { "SAUVIGNON BLANC 75CL", Wines, 4.00f, 7.49f, 18, 6, TaxOneAndTwo, true },
    { "ROSE 75CL", Wines, 3.60f, 6.49f, 12, 4, TaxOneAndTwo, false },
    { "PROSECCO 75CL", Wines, 5.60f, 10.49f, 12, 4, TaxOneAndTwo, true },
};
constexpr int64_t kItemCount = sizeof kItems / sizeof kItems[0];

// The sample items are numbered 1 to kItemCount in table order; the hamper
// (a bundle) comes after them.
constexpr int64_t kHamper = kItemCount + 1;

// Number of the sample item described `description` (0 when there is none).
int64_t itemNumber(std::string_view description)
{
    for (int64_t number = 1; number <= kItemCount; ++number) {
        if (description == kItems[number - 1].description)
            return number;
    }
    return 0;
}

const char *const kLocations[] = {
    "BEHIND COUNTER",
    "AISLE 3",
    "BY WINDOW",
    "AISLE 1",
    "CARD STAND",
    "AISLE 2",
    "DELI COUNTER",
    "CHILLER",
    "DVD RACK",
    "FREEZER",
    "FRONT DISPLAY",
    "AISLE 4",
    "COUNTER",
    "NEWS STAND",
    "CHILLER",
    "AISLE 2",
    "BY TILL",
    "AISLE 3",
};

struct DemoCustomer {
    const char *salutation;
    const char *firstName;
    const char *name;
    const char *road;
    const char *area;
    const char *town;
    const char *postcode;
    const char *telephone;
    const char *email;
    int group;
    int terms;
    float balance;
    float creditLimit;
};

const DemoCustomer kCustomers[] = {
    { "MR", "MARTIN", "HARGREAVES", "4 CHURCH LANE", "HILLSIDE", "NORTHBRIDGE", "NB4 7QT",
        "01632 960114", "m.hargreaves@example.com", 1, 1, 0.00f, 0.00f },
    { "MRS", "JUNE", "ABERNETHY", "17 MILL ROAD", "HILLSIDE", "NORTHBRIDGE", "NB4 7RA",
        "01632 960287", "", 1, 1, 0.00f, 0.00f },
    { "DR", "PRIYA", "RAMAKRISHNAN", "THE OLD RECTORY", "UPPER HILLSIDE", "NORTHBRIDGE", "NB4 8HE",
        "01632 960341", "priya.r@example.org", 1, 2, 23.40f, 150.00f },
    { "MR", "OWEN", "PRITCHARD", "2 STATION COTTAGES", "HILLSIDE", "NORTHBRIDGE", "NB4 7SD",
        "01632 960452", "", 1, 1, 0.00f, 0.00f },
    { "MS", "CLAIRE", "DUVALL", "9 ORCHARD CLOSE", "LOWER GREEN", "NORTHBRIDGE", "NB4 9LG",
        "01632 960509", "claire.duvall@example.net", 1, 3, 0.00f, 100.00f },
    { "", "", "HILLSIDE CRICKET CLUB", "PAVILION, GREEN LANE", "HILLSIDE", "NORTHBRIDGE", "NB4 7GL",
        "01632 960618", "secretary@example.org", 10, 4, 86.25f, 500.00f },
    { "", "", "THE ROSE AND CROWN", "1 HIGH STREET", "HILLSIDE", "NORTHBRIDGE", "NB4 7HS",
        "01632 960733", "landlord@example.com", 10, 5, 212.90f, 750.00f },
    { "MR", "TOMASZ", "NOWAK", "31 BECK VIEW", "LOWER GREEN", "NORTHBRIDGE", "NB4 9BV",
        "01632 960844", "", 1, 1, 0.00f, 0.00f },
    { "MRS", "EILEEN", "FAIRWEATHER", "5 ALMSHOUSES", "CHURCH STREET", "NORTHBRIDGE", "NB4 7CS",
        "01632 960925", "", 2, 8, 12.60f, 50.00f },
    { "", "", "HILLSIDE PRIMARY SCHOOL", "SCHOOL LANE", "HILLSIDE", "NORTHBRIDGE", "NB4 7PS",
        "01632 960977", "office@example.sch", 20, 6, 0.00f, 300.00f },
};
constexpr int64_t kCustomerCount = sizeof kCustomers / sizeof kCustomers[0];

struct DemoSupplier {
    const char *name;
    const char *road;
    const char *area;
    const char *town;
    const char *postcode;
    const char *telephone;
    const char *contact;
    const char *terms;
    const char *creditLimit;
    const char *email;
};

const DemoSupplier kSuppliers[] = {
    { "NORTHERN CASH AND CARRY LTD", "UNIT 7, RIVERSIDE ESTATE", "EAST QUAY", "NORTHBRIDGE",
        "NB1 3RE", "01632 961200", "ORDERS DESK", "30 DAYS", "5000.00", "ORDERS@EXAMPLE.COM" },
    { "VALLEY FARM DAIRY", "VALLEY FARM", "LOWER GREEN", "NORTHBRIDGE", "NB4 9VF", "01632 961355",
        "SUSAN HOLT", "7 DAYS", "500.00", "DAIRY@EXAMPLE.NET" },
    { "COUNTY NEWS DISTRIBUTION", "PRINT WORKS, CANAL STREET", "CITY CENTRE", "NORTHBRIDGE",
        "NB2 1CS", "01632 961480", "ROUND MANAGER", "WEEKLY", "300.00", "NEWS@EXAMPLE.ORG" },
};
constexpr int64_t kSupplierCount = sizeof kSuppliers / sizeof kSuppliers[0];

const char *const kHeading[] = {
    "HILLSIDE VILLAGE STORES",
    "12 HIGH STREET",
    "HILLSIDE",
    "NORTHBRIDGE",
    "NB4 7HS",
    "TEL 01632 960100",
    "OPEN 7 DAYS 7AM - 9PM",
};

// "12 digits + check digit" of an EAN-13: odd positions weigh 1, even ones 3.
std::string ean13(int64_t itemNumber)
{
    std::string code = cformat("50123450%04d", static_cast<int>(itemNumber));
    int sum = 0;
    for (size_t i = 0; i < 12; ++i)
        sum += (code[i] - '0') * (i % 2 == 0 ? 1 : 3);
    code.push_back(static_cast<char>('0' + (10 - sum % 10) % 10));
    return code;
}

float twoDecimals(double amount)
{
    return static_cast<float>(roundMoney(amount));
}

// Built-in stock pictures of the sample items.
enum Picture {
    BoxPicture = 1,
    BottlePicture,
    CanPicture,
    LoafPicture,
    ApplePicture,
    CheesePicture,
    CartonPicture,
    CupPicture,
    SweetsPicture,
    NewspaperPicture,
    BookPicture,
    PenPicture,
    BatteryPicture,
    BulbPicture,
    HammerPicture,
    TinPicture,
    ShirtPicture,
    ShoePicture,
    PlantPicture,
    BallPicture,
    GiftPicture,
    PhoneCardPicture,
    MedicinePicture,
    SprayPicture,
};

// Items whose picture differs from their category's.
struct PictureWord {
    const char *word;
    Picture picture;
};
const PictureWord kPictureWords[] = {
    { "500ML", BottlePicture },
    { "CIDER", BottlePicture },
    { "LOAF", LoafPicture },
    { "CROISSANT", LoafPicture },
    { "ORANGE JUICE", CartonPicture },
    { "ENERGY", CanPicture },
    { "CAN", CanPicture },
    { "ICE CREAM", CartonPicture },
    { "BATTERIES", BatteryPicture },
    { "BULB", BulbPicture },
    { "HAMMER", HammerPicture },
    { "PHONE", PhoneCardPicture },
    { "STAMP", NewspaperPicture },
    { "CHOCOLATES", GiftPicture },
    { "GIFT WRAP", GiftPicture },
    { "POTATOES", BoxPicture },
    { "PEN", PenPicture },
    { "TAPE", BoxPicture },
};

const Picture kCategoryPictures[] = {
    BottlePicture,
    CanPicture,
    BookPicture,
    CanPicture,
    GiftPicture,
    CupPicture,
    CheesePicture,
    BottlePicture,
    BoxPicture,
    BoxPicture,
    ApplePicture,
    HammerPicture,
    BoxPicture,
    NewspaperPicture,
    BottlePicture,
    CupPicture,
    SweetsPicture,
    BottlePicture,
};

int32_t pictureOf(const DemoItem &demo)
{
    const std::string_view description = demo.description;
    for (const PictureWord &entry : kPictureWords) {
        if (description.find(entry.word) != std::string_view::npos)
            return entry.picture;
    }
    return kCategoryPictures[demo.category];
}

ItemRecord makeItem(int64_t number, const DemoItem &demo, const LocalTime &now)
{
    ItemRecord item {};
    std::memset(&item, 0, sizeof item);
    item.number = number;
    writeText(item.description, demo.description);
    if (demo.barcode)
        writeText(item.sku1, ean13(number));
    writeText(item.sku2, cformat("%02d-%04d", demo.category + 1, static_cast<int>(number)));
    writeText(item.location, kLocations[demo.category]);
    writeText(item.order_code, cformat("NCC%05d", static_cast<int>(number) * 7 + 1000));
    writeText(item.date_added, cformat("%02d/%02d/%d", now.day, now.month, now.year));
    item.quantity = demo.quantity;
    item.reorder_quantity = demo.reorderLevel;
    item.minimum_order = demo.reorderLevel > 0 ? 6 : 0;
    item.order_quantity = demo.reorderLevel * 2;
    item.tax = demo.tax;
    item.delivery_lead = 2;
    item.cost_price = demo.cost;
    // Trade customers pay cost plus a quarter, never more than the shelf price.
    item.trade_price = twoDecimals(std::min(demo.cost * 1.25, static_cast<double>(demo.retail)));
    item.retail_price = demo.retail;
    item.picture_number = pictureOf(demo);
    item.display_category = demo.category;
    return item;
}

ItemRecord makeHamper(const LocalTime &now)
{
    ItemRecord hamper {};
    std::memset(&hamper, 0, sizeof hamper);
    hamper.number = kHamper;
    writeText(hamper.description, "CHRISTMAS GIFT HAMPER");
    writeText(hamper.sku1, ean13(kHamper));
    writeText(hamper.date_added, cformat("%02d/%02d/%d", now.day, now.month, now.year));
    writeText(hamper.notes, "PROSECCO, CHOCOLATES AND COFFEE. GIFT WRAP FREE.");
    hamper.record_kind = 2;
    hamper.picture_number = 1;
    hamper.display_category = Wines;
    writeText(hamper.format, cformat("%" PRId64, itemNumber("PROSECCO 75CL")));
    writeText(hamper.component_2, cformat("%" PRId64, itemNumber("BOX OF CHOCOLATES 400G")));
    writeText(hamper.component_3, cformat("%" PRId64, itemNumber("GROUND COFFEE 227G")));
    writeText(hamper.component_4, cformat("%" PRId64, itemNumber("GIFT WRAP 3M")));
    for (size_t i = 0; i < sizeof hamper.component_quantity / sizeof(int32_t); ++i)
        hamper.component_quantity[i] = 1;
    hamper.component_free[3] = 2; // the gift wrap comes free
    return hamper;
}

CustomerRecord makeCustomer(int64_t number, const DemoCustomer &demo, const LocalTime &now)
{
    CustomerRecord customer {};
    std::memset(&customer, 0, sizeof customer);
    customer.number = number;
    writeText(customer.name, demo.name);
    writeText(customer.salutation, demo.salutation);
    writeText(customer.first_name, demo.firstName);
    writeText(customer.road, demo.road);
    writeText(customer.area, demo.area);
    writeText(customer.town, demo.town);
    writeText(customer.postcode, demo.postcode);
    writeText(customer.telephone, demo.telephone);
    writeText(customer.email, demo.email);
    writeText(customer.customer_last_used, makeTimeStamp(now));
    customer.group = demo.group;
    customer.terms = demo.terms;
    customer.tax = 1;
    customer.balance = demo.balance;
    customer.credit_limit = demo.creditLimit;
    if (demo.balance > 0) {
        customer.total_purchases = twoDecimals(demo.balance * 3.0);
        customer.transactions = 3;
    }
    return customer;
}

SupplierRecord makeSupplier(int64_t number, const DemoSupplier &demo)
{
    SupplierRecord supplier {};
    std::memset(&supplier, 0, sizeof supplier);
    supplier.number = number;
    writeText(supplier.name, demo.name);
    writeText(supplier.road, demo.road);
    writeText(supplier.area, demo.area);
    writeText(supplier.town, demo.town);
    writeText(supplier.postcode, demo.postcode);
    writeText(supplier.telephone, demo.telephone);
    writeText(supplier.contact, demo.contact);
    writeText(supplier.terms, demo.terms);
    writeText(supplier.credit_limit, demo.creditLimit);
    writeText(supplier.email, demo.email);
    return supplier;
}

bool addItems(const DataDir &dir, const LocalTime &now, Messages &messages)
{
    ItemIndex items(dir);
    if (!items.load(messages))
        return false;
    for (int64_t number = 1; number <= kItemCount; ++number) {
        ItemRecord item = makeItem(number, kItems[number - 1], now);
        if (number == itemNumber("SCOTCH WHISKY 70CL"))
            item.age_warning = 18;
        if (number == itemNumber("ENERGY DRINK 250ML"))
            item.buy_one_get_one_free = 2;
        if (!items.insert(item, messages))
            return false;
    }
    return items.insert(makeHamper(now), messages).has_value();
}

bool addCustomers(const DataDir &dir, const LocalTime &now, Messages &messages)
{
    CustomerIndex customers(dir);
    if (!customers.load(messages))
        return false;
    for (int64_t number = 1; number <= kCustomerCount; ++number) {
        if (!customers.insert(makeCustomer(number, kCustomers[number - 1], now), messages))
            return false;
    }
    return true;
}

bool addSuppliers(const DataDir &dir, Messages &messages)
{
    SupplierIndex suppliers(dir);
    if (!suppliers.load(messages))
        return false;
    for (int64_t number = 1; number <= kSupplierCount; ++number) {
        if (!suppliers.insert(makeSupplier(number, kSuppliers[number - 1]), messages))
            return false;
    }
    return true;
}

} // namespace

bool addDemoShop(const DataDir &dir, const LocalTime &now, Messages &messages)
{
    if (!addItems(dir, now, messages) || !addCustomers(dir, now, messages)
        || !addSuppliers(dir, messages))
        return false;

    TillConfig config;
    if (!loadTillConfig(dir, config, messages))
        return false;
    config.set(cfg::lastItemNumber, kHamper);
    config.set(cfg::lastCustomerNumber, kCustomerCount);
    // The picture buttons start on all items ("ALL"), so the till's first
    // screen shows the whole small range.
    config.set(cfg::quickSelectDefault, 19);
    config.set(cfg::quickSelectCurrent, 18);
    std::string error;
    if (!storeTillConfig(dir, config, &error)) {
        reportProblem(messages, cformat("Unable to write wr.cfg (%s).", error.c_str()));
        return false;
    }

    // A heading the shop already has is its own: it is kept.
    if (fileExists(dir.path(kStoreHeadingFileName)))
        return true;
    StoreHeading heading;
    for (int line = 0; line < kHeadingLineCount; ++line)
        heading.setLine(static_cast<HeadingLine>(line), kHeading[line]);
    if (!storeStoreHeading(dir, heading, &error)) {
        reportProblem(messages, cformat("Unable to write ADDRESS.VT (%s).", error.c_str()));
        return false;
    }
    return true;
}

} // namespace ovix
