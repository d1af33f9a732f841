#include "chart/ChartPopulation.h"
#include "data/JulianDay.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// The Julian Date arithmetic and the population's date step over any double, and the way
// back over any six integers: no undefined behaviour, and every date the step accepts lies
// in the years 100 to 9999 and within a second of the Julian Date it came from.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    if (nSize < sizeof(double))
        return 0;
    double dJulian = 0.0, dDate = 0.0;
    std::memcpy(&dJulian, pData, sizeof dJulian);
    if (JulianToVariantTime(dJulian, dDate)) {
        if (!(dDate >= -657434.0 && dDate < 2958466.0))
            std::abort();
        const double dBack = dDate >= 0 ? dDate : std::trunc(dDate) * 2 - dDate;
        if (std::fabs((dBack + 2415018.5) - dJulian) > 1.0 / 86400 + 1e-6)
            std::abort();
    }
    if (nSize >= sizeof(double) + 5 * sizeof(int)) {
        int fields[5];
        std::memcpy(fields, pData + sizeof(double), sizeof fields);
        CalendarToJulian(fields[0], fields[1], fields[2], fields[3], fields[4], dJulian);
    }
    return 0;
}
