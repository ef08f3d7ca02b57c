// Fuzzes the EAF reader: any input is refused with a reason or gives corpus texts that open,
// export to every format and read back.
#include "exchange_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pelmora::fuzz::checkImport(std::string_view(reinterpret_cast<const char*>(data), size),
                               pelmora::exchange::ExchangeFormat::Eaf);
    return 0;
}
