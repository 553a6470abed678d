// The customer import over any bytes (see import_fuzz.h).

#include "fuzz/import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::importOnce(ovix::ImportSubject::Customers, data, size);
    return 0;
}
