// mans.dat as the till loads it, the 66-byte placeholder of a new shop
// included (see record_file_fuzz.h).

#include "fuzz/record_file_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::loadRecordFileOnce<ovix::SupplierRecord>(data, size);
    return 0;
}
